#pragma once
// What a user types may be in any interface language, whichever the program
// shows: the one place that tries each language in turn.
#include <optional>
#include <string>
#include <vector>

#include "core/lang/Language.h"

// The first language, `first` then the others in order, for which
// `matches(language)` holds; none when no language's form matches.
template <typename Matches>
std::optional<Language> AnyLanguage(Matches matches, Language first = Language::English) {
  if (matches(first)) return first;
  for (Language language : kLanguages)
    if (language != first && matches(language)) return language;
  return std::nullopt;
}

// `typed` is exactly one of `text`'s forms.
inline bool IsAnyForm(const LangText& text, const std::string& typed) {
  return AnyLanguage([&](Language language) { return typed == text(language); }).has_value();
}

// `formOf(language)` in every language, in the order of `Language`.
template <typename Form = std::string, typename FormOf>
std::vector<Form> EveryForm(FormOf formOf) {
  std::vector<Form> forms;
  for (Language language : kLanguages) forms.emplace_back(formOf(language));
  return forms;
}

// Every language's name as "Program.ini" and --lang spell it, joined by
// `between` ("English|Chinese").
inline std::string LanguageNameList(const std::string& between) {
  std::string list;
  for (Language language : kLanguages) list += (list.empty() ? "" : between) + LanguageName(language);
  return list;
}
