#pragma once
// Every text built in code exists in English and Chinese; the caller says
// which one it wants (the program passes its language).
enum class Language { English, Chinese };

// The language's name as "Program.ini" spells it: the [Setup] Language value
// the Language dialog stores, the section of the company texts, and
// programcli's --lang value.
inline const char* LanguageName(Language language) { return language == Language::Chinese ? "Chinese" : "English"; }

struct LangText {
  const char* english;
  const char* chinese;
  const char* operator()(Language language) const { return language == Language::Chinese ? chinese : english; }
};
