#pragma once
// The band text of a radio type from "Program.ini": the list "Field<type+1>"
// of section Setup, split at '|', element `band` (the last element when the
// list is shorter).
#include <string>

class CProfileFile;

// The empty text when the profile has no band list for the type.
std::string ProductBandText(const CProfileFile& profile, int productType, int productBand);
