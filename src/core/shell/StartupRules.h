#pragma once
// Start-up decisions that need no window: the language flag, the help file,
// the language module's file and whether the Language command is offered.
#include <string>

#include "core/lang/Language.h"

// Without regard to ASCII letter case, as the language module and the
// profile's section are found: "chinese" is Chinese throughout, texts built
// in code as well as menus and dialogs. Blanks count: "Chinese " is not.
bool IsChineseLanguage(const std::string& language);
// The language "Program.ini" names so; English for a name of none.
Language ProgramLanguage(const std::string& language);

// The name the Language dialog stores for its choice: "English" (0) or
// "Chinese" (1); empty for anything else.
std::string LanguageChoiceName(int choice);

// The help file name as the rest of the program knows it.
std::string HelpFileForLanguage(Language language);

// The language module is named after the language as it stands, blanks and
// all: "English " looks for "English .qm".
std::string LanguageModuleName(const std::string& language);

// The path of the entry of `folder` (ending in '/') whose name equals `name`
// without regard to ASCII letter case, an exact match first; empty when there
// is none. Only entries of that folder itself are considered, so a name with
// a '/' in it matches nothing.
std::string FindFileIgnoringCase(const std::string& folder, const std::string& name);

// [Setup] ShowLang as a decimal number (leading digits only); 0, empty or
// absent hides the Language command.
bool ShowLanguageCommand(const std::string& showLang);

const char* LoadLanguageFailMessage(Language language);

// What start-up knew when the language module would not load.
struct LanguageLookup {
  std::string folder;    // the program folder, ending in '/'
  std::string language;  // [Setup] Language as read
  std::string profile;   // the "Program.ini" read
  bool profileExisted = true;
  int profileError = 0;  // why it was not loaded: 0, an OsError code or kProfileTooLarge
  std::string module;    // the module found in the folder; empty when none
};
// "Load language DLL fail" and, on a second line, the module looked for and
// why it was not taken: no "Program.ini", no language named in it, no such
// file, a file that cannot be read or that is no language module.
std::string LoadLanguageFailMessage(const LanguageLookup& lookup, Language language);

// The executable started again after a language change.
constexpr const char* kProgramExecutable = "Program";
constexpr const char* kTitleIconFile = "title.ico";
constexpr const char* kBackgroundFile = "background.bmp";
