#pragma once
// The DCS code table and the tone list the tone editors offer.
#include <string>
#include <vector>

// Codes are written as their octal digits read in decimal (023 is 23).
// The 107 codes the codecs know, ascending.
const std::vector<int>& DcsCodes();
// The stored 9-bit value of a code, or -1 when the code is not in the table.
int DcsStoredValue(int code);
// The code of a stored value, or 0 when no code has that value.
int DcsCodeOfValue(int storedValue);

// 264 entries: the no-tone text, 53 CTCSS tones, 105 DCS codes normal, the
// same 105 inverted.
std::vector<std::string> BuildToneList(bool chinese);
