#include "core/print/OptionLines.h"

#include <string>

#include "core/lang/Language.h"

namespace {

const LangText kTitle{"Option", "可选功能"};
const LangText kHeading{"Function", "功能"};

const LangText kTimeOutLabel{"Time Out Time:", "超时定时器:"};
const LangText kSquelchLabel{"Squelch Level:", "静噪电平:"};
// The printed label has always carried this spelling.
const LangText kVoiceLabel{"Voice Annunication:", "语音报号:"};
const LangText kVoxDelayLabel{"Vox Delay Time:", "声控延迟时间:"};
const LangText kVoxGainLabel{"Vox Gain Level:", "声控增益电平:"};
const LangText kBatterySaverLabel{"Battery Saver:", "电池省电:"};
const LangText kBeepLabel{"Beep:", "哔音:"};

const LangText kOff{"Off", "关"};
const LangText kOn{"On", "开"};
const LangText kVoiceChinese{"Chinese", "中文"};
const LangText kVoiceEnglish{"English", "英文"};

// Index 5 also stands for every value past the list.
const char* const kVoxDelays[] = {"0.3s", "0.5s", "1.0s", "1.5s", "2.0s", "3.0s"};

std::string VoiceText(std::uint8_t b, Language language) {
  if (b == 0) return kOff(language);
  if (b == 1) return kVoiceChinese(language);
  return kVoiceEnglish(language);
}

std::string OnOff(std::uint8_t b, Language language) { return (b & 1) ? kOn(language) : kOff(language); }

}  // namespace

const char* OptionPageTitle(Language language) { return kTitle(language); }
const char* OptionPageHeading(Language language) { return kHeading(language); }

OptionLines OptionLinesFromImage(const RadioImage& image, Language language) {
  const std::uint8_t delay = image.voxDelayTime();
  const std::uint8_t gain = image.voxGainLevel();
  return {{
      {kTimeOutLabel(language), std::to_string(image.timeOutTimer() * 15) + "s"},
      {kSquelchLabel(language), std::to_string(image.squelchLevel())},
      {kVoiceLabel(language), VoiceText(image.voiceAnnunciation(), language)},
      {kVoxDelayLabel(language), kVoxDelays[delay < 5 ? delay : 5]},
      {kVoxGainLabel(language), gain == 0 ? std::string(kOff(language)) : std::to_string(gain)},
      {kBatterySaverLabel(language), OnOff(image.batterySaver(), language)},
      {kBeepLabel(language), OnOff(image.beep(), language)},
  }};
}
