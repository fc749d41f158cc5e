#pragma once
#include <string>

// The service functions are unlocked by one fixed password, compared whole
// and case-sensitively: a text that merely begins with it is refused.
constexpr const char* kServicePassword = "731904";
constexpr int kServicePasswordMaxLength = 8;  // what the password field accepts

bool IsServicePassword(const std::string& text);
