#include "core/print/OptionLines.h"

#include <string>

#include "core/print/PrintTexts.h"
#include "core/settings/OptionalFeatures.h"

const char* OptionPageTitle(Language language) { return kOptionPageTitle(language); }
const char* OptionPageHeading(Language language) { return kOptionPageHeading(language); }

OptionLines OptionLinesFromImage(const RadioImage& image, Language language) {
  OptionLines lines;
  for (const OptionRow& row : kOptionRows) {
    if (row.print.place < 0) continue;
    lines[static_cast<std::size_t>(row.print.place)] = {row.print.label(language),
                                                        OptionPrintedValue(image, row.list, language)};
  }
  return lines;
}
