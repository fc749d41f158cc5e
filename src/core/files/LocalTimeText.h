#pragma once
// A moment as the local date and time in digits, whatever the locale:
// "2026-12-08 11:57:39" (with ':' between hours, minutes and seconds, or the
// separator given, for a file name).
#include <ctime>
#include <string>

std::string LocalTimeText(std::time_t when, char timeSeparator = ':');
