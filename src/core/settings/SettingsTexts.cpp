#include "core/settings/SettingsTexts.h"

#include "core/lang/TextFill.h"

std::string SecondsText(const std::string& number, Language language) {
  return FillText(LangText{"%ss", "%ss"}(language), {number});
}

std::string BandCutText(std::size_t shown, int total, Language language) {
  return FillNumbered(LangText{"Only %1 of the band's %2 points have table entries; the rest have none.",
                               "频段的 %2 个点中只有 %1 个有表项，其余没有表项。"}(language),
                      {std::to_string(shown), std::to_string(total)});
}
