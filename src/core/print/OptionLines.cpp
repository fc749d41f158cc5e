#include "core/print/OptionLines.h"

#include <string>

#include "core/print/PrintTexts.h"
#include "core/settings/SettingsTexts.h"

namespace {

// The last entry of a list also stands for every value past it.
template <typename T, std::size_t N>
const T& EntryOf(const T (&entries)[N], std::uint8_t b) {
  return entries[b < N ? b : N - 1];
}

std::string OnOff(std::uint8_t b, Language language) {
  return (b & 1) ? kOptionOnText(language) : kOptionOffText(language);
}

}  // namespace

const char* OptionPageTitle(Language language) { return kOptionPageTitle(language); }
const char* OptionPageHeading(Language language) { return kOptionPageHeading(language); }

OptionLines OptionLinesFromImage(const RadioImage& image, Language language) {
  const std::uint8_t delay = image.voxDelayTime();
  const std::uint8_t gain = image.voxGainLevel();
  return {{
      {kTimeOutLabel(language), SecondsText(std::to_string(image.timeOutTimer() * 15), language)},
      {kSquelchLabel(language), std::to_string(image.squelchLevel())},
      {kVoiceLabel(language), EntryOf(kVoiceEntries, image.voiceAnnunciation())(language)},
      {kVoxDelayLabel(language), SecondsText(EntryOf(kVoxDelayEntries, delay), language)},
      {kVoxGainLabel(language), gain == 0 ? std::string(kOptionOffText(language)) : std::to_string(gain)},
      {kBatterySaverLabel(language), OnOff(image.batterySaver(), language)},
      {kBeepLabel(language), OnOff(image.beep(), language)},
  }};
}
