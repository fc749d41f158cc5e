#include "core/radio/BandCheck.h"

#include "core/lang/TextFill.h"
#include "core/radio/RadioTexts.h"

namespace {

std::string Numbers(const std::vector<int>& channels, Language language) {
  std::string text;
  for (int n : channels) text += (text.empty() ? "" : kChannelNumberSeparator(language)) + std::to_string(n);
  return text;
}

std::string Format(const LangText& format, const std::string& bandText, const std::vector<int>& channels,
                   Language language) {
  return FillText(format(language), {bandText, Numbers(channels, language)});
}

// A band starts above 0 and ends above its start, within what a channel
// record can hold.
bool IsUsableBand(const BandLimits& band) {
  return band.lower > 0 && band.lower < band.upper && band.upper <= kMaxStorableFrequency;
}

}  // namespace

std::vector<int> ChannelsOutsideBand(const RadioImage& image, const BandLimits& band) {
  std::vector<int> outside;
  if (!IsUsableBand(band)) return outside;
  for (int n = 1; n <= ImageMap::kChannelCount; ++n) {
    const ChannelRecord record = image.Channel(n);
    for (const std::uint8_t* frequency : {record.rxFrequency(), record.txFrequency()})
      if (FrequencyIsSet(frequency) && !band.Contains(StoredFrequencyUnits(frequency))) {
        outside.push_back(n);
        break;
      }
  }
  return outside;
}

std::string BandChangeNote(const std::string& bandText, const std::vector<int>& channels, Language language) {
  return Format(kBandChangeText, bandText, channels, language);
}

std::string WriteOutsideBandQuestion(const std::string& bandText, const std::vector<int>& channels, Language language) {
  return Format(kBandWriteQuestion, bandText, channels, language);
}

std::string WriteOutsideBandRefusal(const std::string& bandText, const std::vector<int>& channels, Language language) {
  return Format(kBandWriteRefusal, bandText, channels, language);
}
