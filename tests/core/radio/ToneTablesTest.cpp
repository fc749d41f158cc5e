#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CaseText.h"

#include "core/radio/ChannelCodecs.h"
#include "core/radio/ToneTables.h"

namespace {

bool Contains(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }

TEST(DcsCodeTable, HoldsTheOffered105PlusTwoDecodedOnly) {
  const std::vector<int>& all = DcsCodes();
  const std::vector<int>& offered = OfferedDcsCodes();
  EXPECT_EQ(all.size(), 107u);
  EXPECT_EQ(offered.size(), 105u);
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
  EXPECT_TRUE(std::is_sorted(offered.begin(), offered.end()));
  EXPECT_EQ(std::set<int>(all.begin(), all.end()).size(), all.size());
  for (int code : offered) EXPECT_TRUE(Contains(all, code)) << code;
  EXPECT_TRUE(Contains(all, 17));
  EXPECT_TRUE(Contains(all, 50));
  EXPECT_FALSE(Contains(offered, 17));
  EXPECT_FALSE(Contains(offered, 50));
  EXPECT_TRUE(Contains(offered, 645));
  for (int code : all) {
    // Every digit is octal.
    EXPECT_LE(code % 10, 7) << code;
    EXPECT_LE(code / 10 % 10, 7) << code;
    EXPECT_LE(code / 100, 7) << code;
  }
}

struct ValueCase {
  long long code;
  int value;  // -1: not in the table
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << std::to_string(c.code); }

class DcsStoredValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(DcsStoredValues, OctalDigitsOrMinusOne) {
  EXPECT_EQ(DcsStoredValue(GetParam().code), GetParam().value) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(Table, DcsStoredValues,
                         ::testing::Values(ValueCase{23, 19}, ValueCase{754, 492}, ValueCase{17, 15}, ValueCase{50, 40},
                                           ValueCase{411, 265}, ValueCase{365, 245}, ValueCase{0, -1},
                                           ValueCase{999, -1}, ValueCase{24, -1}, ValueCase{-23, -1},
                                           ValueCase{1LL << 40, -1}));

TEST(DcsCodeTable, ValuesAndCodesMapOneToOne) {
  int known = 0;
  for (int value = 0; value < 512; ++value) {
    const int code = DcsCodeOfValue(value);
    if (code == 0) continue;
    ++known;
    EXPECT_EQ(DcsStoredValue(code), value) << code;
  }
  EXPECT_EQ(known, 107);
  EXPECT_EQ(DcsCodeOfValue(0), 0);
  EXPECT_EQ(DcsCodeOfValue(-1), 0);
  EXPECT_EQ(DcsCodeOfValue(100000), 0);
}

TEST(ToneList, LayoutInBothLanguages) {
  for (Language language : {Language::English, Language::Chinese}) {
    const std::vector<std::string> list = BuildToneList(language);
    ASSERT_EQ(list.size(), 264u);
    EXPECT_EQ(list[0], language == Language::Chinese ? "无" : "None");
    EXPECT_EQ(list[1], "62.5");
    EXPECT_EQ(list[3], "65.5");
    EXPECT_EQ(list[4], "67.0");
    EXPECT_EQ(list[16], "100.0");
    EXPECT_EQ(list[53], "254.1");
    EXPECT_EQ(list[54], "D023N");
    EXPECT_EQ(list[147], "D645N");
    EXPECT_EQ(list[158], "D754N");
    EXPECT_EQ(list[159], "D023I");
    EXPECT_EQ(list[263], "D754I");
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), list.size());
    EXPECT_EQ(std::count(list.begin(), list.end(), "D017N"), 0);
    EXPECT_EQ(std::count(list.begin(), list.end(), "D050I"), 0);
  }
  const std::vector<std::string> en = BuildToneList(Language::English);
  const std::vector<std::string> zh = BuildToneList(Language::Chinese);
  EXPECT_TRUE(std::equal(en.begin() + 1, en.end(), zh.begin() + 1));
}

TEST(ToneList, CtcssEntriesAscendAndFitTheToneCheck) {
  const std::vector<std::string> list = BuildToneList(Language::English);
  long long previous = 0;
  for (int i = 1; i <= 53; ++i) {
    const long long tenths = ToneTenths(LeadingNumber(list[i]));
    EXPECT_GT(tenths, previous) << list[i];
    EXPECT_GE(tenths, 600) << list[i];
    EXPECT_LT(tenths, 2600) << list[i];
    previous = tenths;
  }
}

// Every entry the tone editors offer must come back from the image as the same
// text, in both languages (entry 0 as the no-tone text).
TEST(ToneList, EveryEntryEncodesAndDecodesToItself) {
  for (Language language : {Language::English, Language::Chinese}) {
    const std::string noTone = kNoToneText(language);
    for (const std::string& entry : BuildToneList(language)) {
      const ToneWord word = EncodeTone(entry);
      EXPECT_EQ(DecodeTone(word, noTone), entry) << entry << " -> " << std::hex << word;
    }
  }
}

}  // namespace
