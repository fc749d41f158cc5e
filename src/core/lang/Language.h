#pragma once
// Every text built in code exists in English and Chinese; the caller says
// which one it wants (the program passes its language).
enum class Language { English, Chinese };

struct LangText {
  const char* english;
  const char* chinese;
  const char* operator()(Language language) const { return language == Language::Chinese ? chinese : english; }
};
