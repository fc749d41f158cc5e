#include <gtest/gtest.h>

#include <string>

#include "core/lang/AnyLanguage.h"
#include "core/lang/TextFill.h"

TEST(TextFill, NumberedMarksTakeTheirValueInOnePass) {
  struct Case {
    const char* format;
    std::initializer_list<std::string> values;
    std::string expected;
  };
  const Case cases[] = {
      {"%2 of %1", {"a", "b"}, "b of a"},      // a language's own order
      {"%1 and %2", {"%2", "b"}, "%2 and b"},  // a value is never searched again
      {"%3 left", {"a"}, "%3 left"},           // a mark without a value stays
      {"100%", {"a"}, "100%"},                 // a lone % at the end
  };
  for (const Case& c : cases) EXPECT_EQ(FillNumbered(c.format, c.values), c.expected) << c.format;
}

TEST(AnyLanguage, TheGivenLanguageIsTriedFirst) {
  const LangText same{"x", "x"};
  const LangText chineseOnly{"a", "b"};
  struct Case {
    const LangText& text;
    const char* typed;
    Language first;
    std::optional<Language> expected;
  };
  const Case cases[] = {
      {same, "x", Language::Chinese, Language::Chinese},
      {same, "x", Language::English, Language::English},
      {chineseOnly, "b", Language::English, Language::Chinese},
      {chineseOnly, "c", Language::Chinese, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AnyLanguage([&](Language l) { return c.typed == std::string(c.text(l)); }, c.first), c.expected)
        << c.typed;
  EXPECT_EQ(EveryForm([](Language l) { return LanguageName(l); }), (std::vector<std::string>{"English", "Chinese"}));
}
