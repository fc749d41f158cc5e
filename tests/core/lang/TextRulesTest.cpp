#include <gtest/gtest.h>

#include <string>

#include "core/lang/AsciiText.h"
#include "core/lang/TextFill.h"

TEST(TextFill, EachMarkTakesTheNextValueWhole) {
  const std::string longPath(700, 'x');
  struct Case {
    const char* format;
    std::initializer_list<std::string> values;
    std::string expected;
  };
  const Case cases[] = {
      {"%s: %s", {"a", "b"}, "a: b"},
      {"%s and %s", {"%s", "b"}, "%s and b"},      // a value is never searched again
      {"one %s", {"a", "b"}, "one a"},             // more values than marks
      {"%s %s", {"a"}, "a %s"},                    // fewer values than marks
      {"“%s”", {longPath}, "“" + longPath + "”"},  // no length is cut
  };
  for (const Case& c : cases) EXPECT_EQ(FillText(c.format, c.values), c.expected) << c.format;
}

TEST(AsciiText, OnlyAsciiLettersFold) {
  EXPECT_TRUE(EqualIgnoringAsciiCase("chinese", "Chinese"));
  EXPECT_FALSE(EqualIgnoringAsciiCase("Chinese ", "Chinese"));
  EXPECT_TRUE(StartsWithIgnoringAsciiCase("Narrow", "nar"));
  // Bytes of UTF-8 text compare as they are: "É" is not "é".
  EXPECT_FALSE(EqualIgnoringAsciiCase("\xC3\x89", "\xC3\xA9"));
  EXPECT_EQ(AsciiLower("QT/DQT 宽"), "qt/dqt 宽");
}
