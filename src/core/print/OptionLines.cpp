#include "core/print/OptionLines.h"

#include <string>

#include "core/print/PrintTexts.h"

namespace {

// Index 5 also stands for every value past the list.
const char* const kVoxDelays[] = {"0.3s", "0.5s", "1.0s", "1.5s", "2.0s", "3.0s"};

std::string VoiceText(std::uint8_t b, Language language) {
  if (b == 0) return kPrintOffText(language);
  if (b == 1) return kVoiceChineseText(language);
  return kVoiceEnglishText(language);
}

std::string OnOff(std::uint8_t b, Language language) {
  return (b & 1) ? kPrintOnText(language) : kPrintOffText(language);
}

}  // namespace

const char* OptionPageTitle(Language language) { return kOptionPageTitle(language); }
const char* OptionPageHeading(Language language) { return kOptionPageHeading(language); }

OptionLines OptionLinesFromImage(const RadioImage& image, Language language) {
  const std::uint8_t delay = image.voxDelayTime();
  const std::uint8_t gain = image.voxGainLevel();
  return {{
      {kTimeOutLabel(language), std::to_string(image.timeOutTimer() * 15) + "s"},
      {kSquelchLabel(language), std::to_string(image.squelchLevel())},
      {kVoiceLabel(language), VoiceText(image.voiceAnnunciation(), language)},
      {kVoxDelayLabel(language), kVoxDelays[delay < 5 ? delay : 5]},
      {kVoxGainLabel(language), gain == 0 ? std::string(kPrintOffText(language)) : std::to_string(gain)},
      {kBatterySaverLabel(language), OnOff(image.batterySaver(), language)},
      {kBeepLabel(language), OnOff(image.beep(), language)},
  }};
}
