#include "cli/DataFileBand.h"

#include "cli/CliTexts.h"
#include "cli/LinkVerbs.h"
#include "core/lang/Language.h"
#include "core/profile/ProfileFile.h"
#include "core/settings/ProductInfo.h"

std::string BandTextErrorText(BandTextError error, Language language) {
  switch (error) {
    case BandTextError::None: break;
    case BandTextError::NotLowHigh: return kBandNotLowHigh(language);
    case BandTextError::NotAscending: return kBandNotAscending(language);
    case BandTextError::NotStorable: return kBandNotStorable(language);
  }
  return std::string();
}

bool DataFileBand(const RadioImage& image, BandLimits& band, std::string& bandText, std::string& why,
                  Language language) {
  CProfileFile profile;
  LoadProgramProfile(profile);
  bandText = ProductTextsOfImage(profile, image).band;
  const BandText parsed = ParseBandText(bandText, BandTextForm::Profile);
  band = parsed.limits;
  if (parsed.error == BandTextError::None) return true;
  const std::string place = BandPlaceText(image.productType(), image.productBand(), language);
  if (!profile.IsLoaded())
    why = NoProfileForBandText(place, language);
  else if (bandText.empty())
    why = NoBandInProfileText(place, language);
  else
    why = BadBandInProfileText(place, bandText, BandTextErrorText(parsed.error, language), language);
  return false;
}
