// programcli print in a build without the window (the Windows build among
// them): one line that says why, rather than "unknown verb", since the verb
// is documented and a technician may well have read about it.
#include <cstdio>
#include <string>

#include "cli/CliTexts.h"
#include "cli/ExitStatus.h"
#include "cli/Verb.h"
#include "core/lang/AnyLanguage.h"

namespace {

// The language asked with --lang, looked for loosely: the other options of
// print mean nothing here, and a misspelt one must not hide the real reason.
Language AskedLanguage(const Args& args) {
  std::string name;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--") break;
    if (args[i] == "--lang" && i + 1 < args.size()) name = args[i + 1];
    if (args[i].rfind("--lang=", 0) == 0) name = args[i].substr(7);
  }
  const auto named = AnyLanguage([&](Language each) { return name == LanguageName(each); });
  return named ? *named : Language::English;
}

}  // namespace

int RunPrintAbsent(const Args& args) {
  std::fprintf(stderr, "programcli print: %s\n", kPrintNotBuilt(AskedLanguage(args)));
  return kExitUsage;
}
