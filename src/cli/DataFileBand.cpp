#include "cli/DataFileBand.h"

#include <cstdio>

#include "cli/LinkVerbs.h"
#include "core/profile/ProfileFile.h"
#include "core/lang/Language.h"
#include "core/settings/ProductInfo.h"

namespace {
// The radio type and band index of the file.
constexpr LangText kWhere = {"the data file's radio type %d, band %d (bytes 0x32E, 0x32F)",
                             "数据文件的电台类型 %d、频段 %d（字节 0x32E、0x32F）"};
constexpr LangText kNoBand = {"Program.ini beside programcli has no band for %s",
                              "programcli 旁的 Program.ini 中没有%s对应的频段"};
constexpr LangText kNoProfile = {"no Program.ini beside programcli to find the band of %s",
                                 "programcli 旁没有 Program.ini，无法查到%s对应的频段"};
constexpr LangText kBadBand = {"the band '%s' in Program.ini for %s %s", "Program.ini 中%s的频段“%s”%s"};

std::string Format(const char* pattern, const std::string& a, const std::string& b = {},
                   const std::string& c = {}) {
  char text[512];
  std::snprintf(text, sizeof text, pattern, a.c_str(), b.c_str(), c.c_str());
  return text;
}
}  // namespace

std::string BandTextErrorText(BandTextError error, Language language) {
  switch (error) {
    case BandTextError::None:
      break;
    case BandTextError::NotLowHigh:
      return language == Language::Chinese ? "不是 LOW-HIGH 形式（两个以 MHz 为单位的整数，例如 400-470）"
                                           : "is not LOW-HIGH, two whole numbers of MHz such as 400-470";
    case BandTextError::NotAscending:
      return LangText{"does not have LOW below HIGH", "的下限不低于上限"}(language);
    case BandTextError::NotStorable:
      return language == Language::Chinese
                 ? "低于 10 MHz 或高于 1598 MHz，信道无法存放这样的频率"
                 : "reaches below 10 MHz or above 1598 MHz, where a channel cannot hold a frequency";
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
  char where[256];
  std::snprintf(where, sizeof where, kWhere(language), image.productType(), image.productBand());
  if (!profile.IsLoaded())
    why = Format(kNoProfile(language), where);
  else if (bandText.empty())
    why = Format(kNoBand(language), where);
  else if (language == Language::Chinese)
    why = Format(kBadBand(language), where, bandText, BandTextErrorText(parsed.error, language));
  else
    why = Format(kBadBand(language), bandText, where, BandTextErrorText(parsed.error, language));
  return false;
}
