#include "core/shell/StartupRules.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/files/ReadFileHead.h"
#include "core/files/RegularFile.h"
#include "core/lang/AnyLanguage.h"
#include "core/lang/AsciiText.h"
#include "core/lang/TextFill.h"
#include "core/profile/ProfileFile.h"
#include "core/radio/NumberText.h"
#include "core/shell/ShellTexts.h"

std::string HelpFileForLanguage(Language language) { return LangText{"enHelp.chm", "chHelp.chm"}.Form(language); }

std::string LanguageModuleName(const std::string& language) { return language + ".qm"; }

bool IsChineseLanguage(const std::string& language) { return ProgramLanguage(language) == Language::Chinese; }

Language ProgramLanguage(const std::string& language) {
  return AnyLanguage([&](Language each) { return EqualIgnoringAsciiCase(language, LanguageName(each)); })
      .value_or(Language::English);
}

std::string LanguageChoiceName(int choice) {
  if (choice < 0 || choice >= static_cast<int>(kLanguageCount)) return {};
  return LanguageName(kLanguages[choice]);
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

namespace {
std::string WhyNoModule(const LanguageLookup& lookup, Language language) {
  if (lookup.language.empty()) {
    if (!lookup.profileExisted) return FillText(kProfileMissingText(language), {lookup.profile});
    if (lookup.profileError != 0)
      return FillText(kProfileUnreadableText(language),
                      {lookup.profile, ProfileLoadErrorText(lookup.profileError, language)});
    return FillText(kNoLanguageNamedText(language), {lookup.profile});
  }
  if (lookup.language.find('/') != std::string::npos) return kLanguageNameWithFolderText(language);
  if (lookup.module.empty()) return FileErrorText(ENOENT, language);
  std::string head;
  const int err = ReadFileHead(lookup.module, 1, head);
  return err != 0 ? FileErrorText(err, language) : kNotLanguageModuleText(language);
}
}  // namespace

std::string LoadLanguageFailMessage(const LanguageLookup& lookup, Language language) {
  const std::string wanted =
      lookup.module.empty() ? lookup.folder + LanguageModuleName(lookup.language) : lookup.module;
  return std::string(kLoadLanguageFailText(language)) + "\n" +
         FillText(kModuleLookedForText(language), {wanted, WhyNoModule(lookup, language)});
}
