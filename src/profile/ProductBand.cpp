#include "profile/ProductBand.h"

#include "profile/ProfileFile.h"

std::string ProductBandText(const CProfileFile& profile, int productType, int productBand) {
  const std::string list = profile.GetString("Setup", "Field" + std::to_string(productType + 1), "");
  std::size_t start = 0;
  for (int i = 0; i < productBand; ++i) {
    const std::size_t bar = list.find('|', start);
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return list.substr(start, list.find('|', start) - start);
}
