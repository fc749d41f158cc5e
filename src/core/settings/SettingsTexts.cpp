#include "core/settings/SettingsTexts.h"

std::string BandCutText(std::size_t shown, int total, Language language) {
  const std::string all = std::to_string(total);
  const std::string some = std::to_string(shown);
  if (language == Language::Chinese) return "频段的 " + all + " 个点中只有 " + some + " 个有表项，其余没有表项。";
  return "Only " + some + " of the band's " + all + " points have table entries; the rest have none.";
}
