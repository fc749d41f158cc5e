#include "cli/DataFileBand.h"

#include <cctype>
#include <cstdio>

#include "cli/LinkVerbs.h"
#include "profile/ProfileFile.h"
#include "radio/BandCheck.h"
#include "radio/Language.h"
#include "settings/ProductInfo.h"

namespace {
// The radio type and band index of the file.
constexpr LangText kNoBand = {
    "Program.ini beside programcli has no band for the data file's radio type %d, band %d (bytes 0x32E, 0x32F)",
    "programcli 旁的 Program.ini 中没有数据文件的电台类型 %d、频段 %d（字节 0x32E、0x32F）对应的频段"};
constexpr LangText kNoProfile = {
    "no Program.ini beside programcli to find the band of the data file's radio type %d, band %d (bytes 0x32E, "
    "0x32F)",
    "programcli 旁没有 Program.ini，无法查到数据文件的电台类型 %d、频段 %d（字节 0x32E、0x32F）对应的频段"};
}  // namespace

bool ParseBandText(const std::string& text, BandLimits& band) {
  const std::size_t dash = text.find('-');
  if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0])) || dash == std::string::npos) return false;
  const std::string high = text.substr(dash + 1);
  const std::size_t digit = high.find_first_not_of(' ');
  if (digit == std::string::npos || !std::isdigit(static_cast<unsigned char>(high[digit]))) return false;
  band = BandLimitsFromText(text);
  // A top beyond what a channel record can hold would lose channels on save.
  return IsUsableBand(band);
}

bool DataFileBand(const RadioImage& image, BandLimits& band, std::string& bandText, std::string& why, bool chinese) {
  CProfileFile profile;
  LoadProgramProfile(profile);
  bandText = ProductTextsOfImage(profile, image).band;
  if (ParseBandText(bandText, band)) return true;
  char text[256];
  std::snprintf(text, sizeof text, (profile.IsLoaded() ? kNoBand : kNoProfile)(chinese), image.productType(),
                image.productBand());
  why = text;
  return false;
}
