#include "core/settings/ProductInfo.h"

#include "core/profile/ProfileFile.h"
#include "core/radio/ImageMap.h"
#include "core/settings/SettingsTexts.h"

namespace {

const char* const kSetup = "Setup";

constexpr long long kUnitsPerHundredMegahertz = 10000000;  // units of 10 Hz

std::string NumberedKey(const char* stem, int n) { return stem + std::to_string(n); }

std::vector<std::string> SplitAtBars(const std::string& text) {
  std::vector<std::string> pieces;
  std::size_t from = 0;
  for (std::size_t bar = text.find('|'); bar != std::string::npos; bar = text.find('|', from)) {
    pieces.push_back(text.substr(from, bar - from));
    from = bar + 1;
  }
  pieces.push_back(text.substr(from));
  return pieces;
}

void ApplyNarrowSquelchDefault(long long lowerBefore, long long lowerAfter, RadioImage& image) {
  const long long range = lowerAfter / kUnitsPerHundredMegahertz;
  if (range == lowerBefore / kUnitsPerHundredMegahertz) return;
  if (range == 1)
    image[ImageMap::kNarrowSquelch] = 2;
  else if (range == 3 || range == 4)
    image[ImageMap::kNarrowSquelch] = 8;
}

}  // namespace

std::string ModelName(const CProfileFile& profile, int model) {
  return profile.GetString(kSetup, NumberedKey("Type", model + 1), "");
}

std::vector<std::string> ModelList(const CProfileFile& profile) {
  std::vector<std::string> models;
  for (int n = 1; n <= kMaxModels; ++n) {
    std::string name = ModelName(profile, n - 1);
    if (name.empty()) break;
    models.push_back(std::move(name));
  }
  return models;
}

std::vector<std::string> BandList(const CProfileFile& profile, int model) {
  return SplitAtBars(profile.GetString(kSetup, NumberedKey("Field", model + 1), ""));
}

ProductTexts ProductTextsOfImage(const CProfileFile& profile, const RadioImage& image) {
  const int model = image.productType();
  const std::vector<std::string> bands = BandList(profile, model);
  const std::size_t band = image.productBand();
  return {ModelName(profile, model), band < bands.size() ? bands[band] : bands.back()};
}

std::string ProductCaption(const std::string& appTitle, const ProductTexts& product, Language language) {
  return appTitle + kProductTypeLabel(language) + product.model + kProductBandLabel(language) + product.band + " ]";
}

BandLimits StoreProductChoice(int model, int band, const std::string& bandText, const BandLimits& before,
                              RadioImage& image) {
  image[ImageMap::kProductType] = static_cast<std::uint8_t>(model);
  image[ImageMap::kProductBand] = static_cast<std::uint8_t>(band);
  const BandLimits after = BandLimitsFromText(bandText);
  ApplyNarrowSquelchDefault(before.lower, after.lower, image);
  return after;
}
