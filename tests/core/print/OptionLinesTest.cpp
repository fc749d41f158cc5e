#include <cstdint>
#include <iterator>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "core/files/NewDocumentImage.h"
#include "core/print/OptionLines.h"

namespace {

TEST(OptionLines, TitleHeadingAndLabels) {
  const char* const english[] = {
      "Time Out Time:", "Squelch Level:", "Voice Annunication:", "Vox Delay Time:", "Vox Gain Level:",
      "Battery Saver:", "Beep:"};
  const char* const chinese[] = {
      "超时定时器:", "静噪电平:", "语音报号:", "声控延迟时间:", "声控增益电平:", "电池省电:", "哔音:"};
  EXPECT_STREQ(OptionPageTitle(Language::English), "Option");
  EXPECT_STREQ(OptionPageTitle(Language::Chinese), "可选功能");
  EXPECT_STREQ(OptionPageHeading(Language::English), "Function");
  EXPECT_STREQ(OptionPageHeading(Language::Chinese), "功能");
  const OptionLines en = OptionLinesFromImage(BuiltInDefaults(), Language::English);
  const OptionLines zh = OptionLinesFromImage(BuiltInDefaults(), Language::Chinese);
  ASSERT_EQ(std::size(english), static_cast<std::size_t>(kOptionLineCount));
  for (int i = 0; i < kOptionLineCount; ++i) {
    EXPECT_EQ(en[static_cast<std::size_t>(i)].label, english[i]);
    EXPECT_EQ(zh[static_cast<std::size_t>(i)].label, chinese[i]);
  }
}

struct ValueCase {
  const char* name;
  std::uint16_t offset;
  std::uint8_t byte;
  int row;
  const char* english;
  const char* chinese;
};
void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class OptionValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(OptionValue, FromImageByte) {
  const ValueCase& c = GetParam();
  RadioImage image = BuiltInDefaults();
  image[c.offset] = c.byte;
  const auto row = static_cast<std::size_t>(c.row);
  EXPECT_EQ(OptionLinesFromImage(image, Language::English)[row].value, c.english);
  EXPECT_EQ(OptionLinesFromImage(image, Language::Chinese)[row].value, c.chinese);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionValue,
    ::testing::Values(
        ValueCase{"time_out_zero", 0x130, 0, 0, "0s", "0s"}, ValueCase{"time_out_three", 0x130, 3, 0, "45s", "45s"},
        ValueCase{"time_out_forty", 0x130, 40, 0, "600s", "600s"},
        ValueCase{"time_out_erased", 0x130, 255, 0, "3825s", "3825s"}, ValueCase{"squelch_nine", 0x134, 9, 1, "9", "9"},
        ValueCase{"squelch_erased", 0x134, 255, 1, "255", "255"}, ValueCase{"voice_off", 0x12F, 0, 2, "Off", "关"},
        ValueCase{"voice_chinese", 0x12F, 1, 2, "Chinese", "中文"},
        ValueCase{"voice_english", 0x12F, 2, 2, "English", "英文"},
        ValueCase{"voice_other_is_english", 0x12F, 0xFF, 2, "English", "英文"},
        ValueCase{"delay_0", 0x13B, 0, 3, "0.3s", "0.3s"}, ValueCase{"delay_1", 0x13B, 1, 3, "0.5s", "0.5s"},
        ValueCase{"delay_2", 0x13B, 2, 3, "1.0s", "1.0s"}, ValueCase{"delay_3", 0x13B, 3, 3, "1.5s", "1.5s"},
        ValueCase{"delay_4", 0x13B, 4, 3, "2.0s", "2.0s"}, ValueCase{"delay_5", 0x13B, 5, 3, "3.0s", "3.0s"},
        ValueCase{"delay_7_is_longest", 0x13B, 7, 3, "3.0s", "3.0s"},
        ValueCase{"delay_erased", 0x13B, 0xFF, 3, "3.0s", "3.0s"}, ValueCase{"gain_off", 0x13A, 0, 4, "Off", "关"},
        ValueCase{"gain_eight", 0x13A, 8, 4, "8", "8"}, ValueCase{"gain_erased", 0x13A, 255, 4, "255", "255"},
        ValueCase{"saver_on", 0x135, 1, 5, "On", "开"}, ValueCase{"saver_bit0_only", 0x135, 0x05, 5, "On", "开"},
        ValueCase{"saver_even_is_off", 0x135, 0x02, 5, "Off", "关"}, ValueCase{"beep_off", 0x136, 0, 6, "Off", "关"},
        ValueCase{"beep_erased_is_on", 0x136, 0xFF, 6, "On", "开"},
        ValueCase{"beep_even_is_off", 0x136, 0xFE, 6, "Off", "关"}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

}  // namespace
