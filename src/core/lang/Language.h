#pragma once
// Every text built in code exists in each interface language; the caller
// says which one it wants (the program passes its language).
#include <cstddef>
#include <type_traits>

#include "core/lang/PseudoTexts.h"

enum class Language { English, Chinese };

// The languages in the order of `Language`: a text's forms follow it.
constexpr std::size_t kLanguageCount = 2;
constexpr Language kLanguages[kLanguageCount] = {Language::English, Language::Chinese};
constexpr std::size_t LanguageIndex(Language language) { return static_cast<std::size_t>(language); }

// One value per language, written {english, chinese}: an entry a language
// lacks does not compile.
template <typename T>
struct PerLanguage {
  T forms[kLanguageCount];

  template <typename... Forms, typename = std::enable_if_t<(std::is_convertible_v<Forms, T> && ...)>>
  constexpr PerLanguage(Forms... given) : forms{given...} {
    static_assert(sizeof...(Forms) == kLanguageCount,
                  "an entry needs exactly one form per Language (English, Chinese, ...)");
  }

  // The form as written, for what is data rather than a text shown (a file
  // name, a Program.ini value, a rule of the language's grammar).
  constexpr T Form(Language language) const { return forms[LanguageIndex(language)]; }
};

// One text in every language: the catalogue's entry.
struct LangText : PerLanguage<const char*> {
  template <typename... Forms, typename = std::enable_if_t<(std::is_convertible_v<Forms, const char*> && ...)>>
  constexpr LangText(Forms... given) : PerLanguage(given...) {}
  // The text as the user sees it in `language` (under a test's pseudo
  // texts, the English form wrapped).
  const char* operator()(Language language) const {
    return PseudoTextsOn() ? PseudoText(Form(Language::English)) : Form(language);
  }
};

// The language's name as "Program.ini" spells it: the [Setup] Language value
// the Language dialog stores, the section of the company texts, and
// programcli's --lang value.
constexpr LangText kLanguageNames{"English", "Chinese"};
inline const char* LanguageName(Language language) { return kLanguageNames.Form(language); }
