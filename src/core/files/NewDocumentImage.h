#pragma once
// Where a new document's image comes from: "Default.dat" in the program
// folder, else the built-in defaults.
#include <string>

#include "core/radio/RadioImage.h"

constexpr const char* kDefaultDataFileName = "Default.dat";

RadioImage BuiltInDefaults();

// appDir ends with '/'. "Default.dat" is taken as it is: no signature or length
// check, a short file fills only the start of the image.
RadioImage NewDocumentImage(const std::string& appDir);
