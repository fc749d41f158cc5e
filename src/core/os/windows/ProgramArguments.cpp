#include "core/os/ProgramArguments.h"

#include "core/os/windows/WinText.h"

// Needs <windows.h>, which WinText.h brings.
#include <shellapi.h>

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  // The two splits of one command line agree but for odd quoting; where they
  // do not, the narrow words are all there is.
  if (!wide || count != argc) {
    if (wide) ::LocalFree(wide);
    return {argv, argv + argc};
  }
  std::vector<std::string> words;
  for (int i = 0; i < count; ++i) words.push_back(Utf8(wide[i]));
  ::LocalFree(wide);
  return words;
}
