#pragma once
// The texts of the printout's options page (page 1): its title, its heading
// and a label/value line for each printed option, read from the image.
// programcli show prints the same lines.
#include <array>
#include <string>

#include "core/lang/Language.h"
#include "core/radio/RadioImage.h"
#include "core/settings/OptionDefinitions.h"

constexpr int kOptionLineCount = PrintedOptionCount();

struct OptionLine {
  std::string label;  // ends with ':'
  std::string value;
};

using OptionLines = std::array<OptionLine, kOptionLineCount>;

const char* OptionPageTitle(Language language);    // "Option"
const char* OptionPageHeading(Language language);  // "Function"

// In print order, as the options' rows place them.
OptionLines OptionLinesFromImage(const RadioImage& image, Language language);
