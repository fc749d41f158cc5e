#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/csv/CsvText.h"

namespace {

using Fields = std::vector<std::string>;

struct ReadCase {
  const char* name;
  std::string text;
  std::vector<Fields> records;
  std::vector<int> lines;  // where each record starts
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class CsvReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CsvReading, Records) {
  const ReadCase& c = GetParam();
  const CsvReadResult result = ReadCsv(c.text);
  ASSERT_EQ(result.status, CsvReadStatus::Ok);
  std::vector<Fields> records;
  std::vector<int> lines;
  for (const CsvRecord& r : result.records) {
    records.push_back(r.fields);
    lines.push_back(r.line);
  }
  EXPECT_EQ(records, c.records);
  EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvReading,
    ::testing::Values(ReadCase{"lf", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
                      ReadCase{"crlf_without_last_end", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}, {1, 2}},
                      ReadCase{"lone_cr", "a\r1\r", {{"a"}, {"1"}}, {1, 2}},
                      ReadCase{"byte_order_mark",
                               "\xEF\xBB\xBF"
                               "CH,x\n",
                               {{"CH", "x"}},
                               {1}},
                      ReadCase{"quoted_comma_and_quote", "\"Site, \"\"A\"\"\",2\n", {{"Site, \"A\"", "2"}}, {1}},
                      ReadCase{"quoted_line_breaks",
                               "\"two\r\nlines\",x\n\"3\n\",y\nz\n",
                               {{"two\r\nlines", "x"}, {"3\n", "y"}, {"z"}},
                               {1, 3, 5}},
                      ReadCase{
                          "empty_fields_and_blank_line", ",,\n\n\"\",x\n", {{"", "", ""}, {""}, {"", "x"}}, {1, 2, 3}},
                      ReadCase{"quote_inside_unquoted_field", "5\"x,a\"b\"\n", {{"5\"x", "a\"b\""}}, {1}},
                      ReadCase{"chinese", "信道,接收频率\n", {{"信道", "接收频率"}}, {1}}));

TEST(CsvReadingFailure, GivesNoRecords) {
  const struct {
    std::string text;
    CsvReadStatus status;
    int line;
  } cases[] = {
      {"a\nb,\"open\n\nmore", CsvReadStatus::UnclosedQuote, 2},
      {"a,\xFF\n", CsvReadStatus::NotUtf8, 0},
      {"a,\xC0\xAF\n", CsvReadStatus::NotUtf8, 0},      // overlong '/'
      {"a,\xED\xA0\x80\n", CsvReadStatus::NotUtf8, 0},  // surrogate
      {std::string("a,\0b\n", 5), CsvReadStatus::HoldsNul, 1},
      // Told with its line, before the byte that is no UTF-8.
      {std::string("a\r\n\"b\rc\",\xFF\0", 11), CsvReadStatus::HoldsNul, 3},
      {"\xE4\xBF\xA1", CsvReadStatus::Ok, 0},   // 信, cut nowhere
      {"\xE4\xBF", CsvReadStatus::NotUtf8, 0},  // cut at the end
  };
  for (const auto& c : cases) {
    const CsvReadResult result = ReadCsv(c.text);
    EXPECT_EQ(result.status, c.status) << c.text;
    EXPECT_EQ(result.line, c.line) << c.text;
    if (c.status != CsvReadStatus::Ok) EXPECT_TRUE(result.records.empty());
  }
}

TEST(CsvWriting, QuotesOnlyWhatNeedsItAndReadsBack) {
  const Fields fields{"446.00625", "Site, A", "say \"hi\"", "two\nlines", "", "cr\r"};
  const std::string line = CsvLine(fields);
  EXPECT_EQ(line, "446.00625,\"Site, A\",\"say \"\"hi\"\"\",\"two\nlines\",,\"cr\r\"\r\n");
  const CsvReadResult back = ReadCsv(line);
  ASSERT_EQ(back.records.size(), 1u);
  EXPECT_EQ(back.records[0].fields, fields);
}

}  // namespace
