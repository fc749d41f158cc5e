#pragma once
// Every text built in code exists in each interface language; the caller
// says which one it wants (the program passes its language).
#include <cstddef>
#include <utility>

#include "core/lang/PseudoTexts.h"

enum class Language { English, Chinese };

// The languages in the order of `Language`: a text's forms follow it.
constexpr std::size_t kLanguageCount = 2;
constexpr Language kLanguages[kLanguageCount] = {Language::English, Language::Chinese};
constexpr std::size_t LanguageIndex(Language language) { return static_cast<std::size_t>(language); }

namespace lang_detail {
template <typename T, std::size_t>
using Form = T;

// Holds the forms; its one constructor takes exactly one form per language,
// so each entry that lacks one is a compile error at the entry itself.
template <typename T, typename Indices>
struct Forms;
template <typename T, std::size_t... I>
struct Forms<T, std::index_sequence<I...>> {
  T forms[sizeof...(I)];
  constexpr Forms(Form<T, I>... given) : forms{given...} {}
};
}  // namespace lang_detail

// One value per language, written {english, chinese}: an entry a language
// lacks does not compile ("candidate expects N arguments").
template <typename T>
struct PerLanguage : lang_detail::Forms<T, std::make_index_sequence<kLanguageCount>> {
  using lang_detail::Forms<T, std::make_index_sequence<kLanguageCount>>::Forms;

  // The form as written, for what is data rather than a text shown (a file
  // name, a Program.ini value, a rule of the language's grammar).
  constexpr T Form(Language language) const { return this->forms[LanguageIndex(language)]; }
};

// One text in every language: the catalogue's entry.
struct LangText : PerLanguage<const char*> {
  using PerLanguage::PerLanguage;
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
