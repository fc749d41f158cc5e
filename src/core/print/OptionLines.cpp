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

std::string VoiceText(std::uint8_t b, bool chinese) {
  if (b == 0) return kOff(chinese);
  if (b == 1) return kVoiceChinese(chinese);
  return kVoiceEnglish(chinese);
}

std::string OnOff(std::uint8_t b, bool chinese) { return (b & 1) ? kOn(chinese) : kOff(chinese); }

}  // namespace

const char* OptionPageTitle(bool chinese) { return kTitle(chinese); }
const char* OptionPageHeading(bool chinese) { return kHeading(chinese); }

OptionLines OptionLinesFromImage(const RadioImage& image, bool chinese) {
  const std::uint8_t delay = image.voxDelayTime();
  const std::uint8_t gain = image.voxGainLevel();
  return {{
      {kTimeOutLabel(chinese), std::to_string(image.timeOutTimer() * 15) + "s"},
      {kSquelchLabel(chinese), std::to_string(image.squelchLevel())},
      {kVoiceLabel(chinese), VoiceText(image.voiceAnnunciation(), chinese)},
      {kVoxDelayLabel(chinese), kVoxDelays[delay < 5 ? delay : 5]},
      {kVoxGainLabel(chinese), gain == 0 ? std::string(kOff(chinese)) : std::to_string(gain)},
      {kBatterySaverLabel(chinese), OnOff(image.batterySaver(), chinese)},
      {kBeepLabel(chinese), OnOff(image.beep(), chinese)},
  }};
}
