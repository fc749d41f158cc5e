#include "editor/ProductCaption.h"

#include "profile/ProfileFile.h"
#include "radio/Language.h"

namespace {
const LangText kTypeLabel{"  [ Type:", "  [ 类型:"};
const LangText kBandLabel{"  Fre:", "  频率:"};
}  // namespace

std::vector<std::string> SplitBandList(const std::string& bandList) {
  std::vector<std::string> bands;
  std::size_t start = 0;
  for (std::size_t bar = bandList.find('|'); bar != std::string::npos; bar = bandList.find('|', start)) {
    bands.push_back(bandList.substr(start, bar - start));
    start = bar + 1;
  }
  bands.push_back(bandList.substr(start));
  return bands;
}

std::string BandTextAt(const std::string& bandList, int index) {
  const std::vector<std::string> bands = SplitBandList(bandList);
  if (index < 0 || index >= static_cast<int>(bands.size())) return bands.back();
  return bands[static_cast<std::size_t>(index)];
}

ProductNames ProductNamesOf(const CProfileFile& profile, int type, int band) {
  const std::string n = std::to_string(type + 1);
  return {profile.GetString("Setup", "Type" + n, ""), BandTextAt(profile.GetString("Setup", "Field" + n, ""), band)};
}

std::string ProductCaption(const std::string& appTitle, const ProductNames& names, bool chinese) {
  return appTitle + kTypeLabel(chinese) + names.typeName + kBandLabel(chinese) + names.bandText + " ]";
}
