#pragma once
// The texts of the option and service dialogs and of image compare, in
// English and Chinese. The lists of choices are indexed as the image stores
// their values.
#include <cstddef>
#include <string>

#include "core/lang/Language.h"

// The main window caption's labels before the model and the band.
inline constexpr LangText kProductTypeLabel{"  [ Type:", "  [ 类型:"};
inline constexpr LangText kProductBandLabel{"  Fre:", "  频率:"};

// Optional features: the switches and the lists of named choices.
inline constexpr LangText kOptionOffText{"Off", "关"};
inline constexpr LangText kOptionOnText{"On", "开"};
inline constexpr LangText kVoiceEntries[] = {kOptionOffText, {"Chinese", "中文"}, {"English", "英文"}};
// The same in both languages; the printout shows them too.
inline constexpr LangText kVoxDelayEntries[] = {{"0.3s", "0.3s"}, {"0.5s", "0.5s"}, {"1.0s", "1.0s"},
                                                {"1.5s", "1.5s"}, {"2.0s", "2.0s"}, {"3.0s", "3.0s"}};
inline constexpr LangText kSideKeyEntries[] = {
    {"Off", "关闭"},
    {"Monitor", "监听"},
    {"Monitor Momentary", "瞬时监听"},
    {"Scan Switch", "扫描开关"},
    {"Vox Switch", "声控开关"},
    {"Local Alarm", "本地报警"},
    {"Remote Alarm", "远程报警"},
};

// Parameter adjustment: the squelch column, the receive rows and columns.
inline constexpr LangText kSquelchTitle{"SQL", "静噪"};
inline constexpr LangText kRxRowTitles[] = {{"Param 1", "参数1"}, {"Param 2", "参数2"}, {"Param 3", "参数3"}};
inline constexpr LangText kRxColumnTitles[] = {{"Wide", "宽带"}, {"Narrow", "窄带"}};

// Power adjustment: low, middle, high.
inline constexpr LangText kPowerColumnTitles[] = {
    {"Low Power", "低功率"}, {"Middle Power", "中功率"}, {"High Power", "高功率"}};

// Only `shown` of the band's `total` points have power table entries.
std::string BandCutText(std::size_t shown, int total, Language language);
// A time in seconds as the option lists show it ("15s").
std::string SecondsText(const std::string& number, Language language);

// The verdict and the headings that the window and programcli diff show.
inline constexpr LangText kImagesSameText = {"The images are the same.", "两个文件的数据相同。"};
inline constexpr LangText kChannelsHeading = {"Channels", "信道"};
inline constexpr LangText kOptionsHeading = {"Options", "可选功能"};
inline constexpr LangText kBytesHeading = {"Other bytes", "其他字节"};
