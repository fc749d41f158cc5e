#pragma once
// The DCS code table and the tone list the tone editors offer.
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/ChannelColumns.h"

// Codes are written as their octal digits read in decimal (023 is 23).
// The 107 codes the codecs know, ascending: the 105 offered plus 017 and 050.
const std::vector<int>& DcsCodes();
// The 105 codes the tone list offers, ascending.
const std::vector<int>& OfferedDcsCodes();
// The CTCSS tones the tone list offers, as written there ("62.5" ... "254.1").
const std::vector<std::string>& CtcssToneTexts();

// The stored 9-bit value of a code, or -1 when the code is not in the table.
int DcsStoredValue(long long code);
// The code of a stored value, or 0 when no code has that value.
int DcsCodeOfValue(int storedValue);

constexpr int kToneListSize = 264;

// 264 entries: the no-tone text, 53 CTCSS tones, 105 DCS codes normal, the
// same 105 inverted.
std::vector<std::string> BuildToneList(Language language);
