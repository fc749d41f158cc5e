#pragma once
// The texts of the printout's options page (page 1): its title, its heading
// and seven label/value rows read from the image. programcli show prints the
// same rows.
#include <array>
#include <string>

#include "core/lang/Language.h"
#include "core/radio/RadioImage.h"

constexpr int kOptionLineCount = 7;

struct OptionLine {
  std::string label;  // ends with ':'
  std::string value;
};

using OptionLines = std::array<OptionLine, kOptionLineCount>;

const char* OptionPageTitle(Language language);    // "Option"
const char* OptionPageHeading(Language language);  // "Function"

// Time-out time, squelch level, voice annunciation, VOX delay time, VOX gain
// level, battery saver, beep, in print order.
OptionLines OptionLinesFromImage(const RadioImage& image, Language language);
