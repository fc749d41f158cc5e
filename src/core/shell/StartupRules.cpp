#include "core/shell/StartupRules.h"

#include <filesystem>
#include <system_error>

#include "core/lang/AsciiText.h"
#include "core/radio/NumberText.h"
#include "core/shell/ShellTexts.h"

std::string HelpFileForLanguage(Language language) {
  return language == Language::Chinese ? "chHelp.chm" : "enHelp.chm";
}

std::string LanguageModuleName(const std::string& language) { return language + ".qm"; }

bool IsChineseLanguage(const std::string& language) {
  return EqualIgnoringAsciiCase(language, LanguageName(Language::Chinese));
}

std::string LanguageChoiceName(int choice) {
  if (choice != 0 && choice != 1) return {};
  return LanguageName(choice == 1 ? Language::Chinese : Language::English);
}

std::string FindFileIgnoringCase(const std::string& folder, const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") return {};
  std::error_code error;
  const std::filesystem::path exact = std::filesystem::path(folder) / name;
  if (std::filesystem::is_regular_file(exact, error)) return exact.string();
  std::filesystem::directory_iterator it(folder, error);
  if (error) return {};
  for (const auto& entry : it) {
    const std::string entryName = entry.path().filename().string();
    if (EqualIgnoringAsciiCase(entryName, name) && entry.is_regular_file(error)) return entry.path().string();
  }
  return {};
}

bool ShowLanguageCommand(const std::string& showLang) { return LeadingInteger(showLang) != 0; }

const char* LoadLanguageFailMessage(Language language) { return kLoadLanguageFailText(language); }
