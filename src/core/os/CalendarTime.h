#pragma once
// Moments as calendar fields, where the standard library has no thread-safe
// or no UTC form of its own.
#include <ctime>

// `when` in the local time zone.
std::tm LocalCalendar(std::time_t when);
// The moment that `fields`, read as UTC, name (no time zone applied).
std::time_t UtcFromCalendar(std::tm fields);
