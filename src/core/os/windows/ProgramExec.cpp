#include "core/os/ProgramExec.h"

#include <process.h>

#include <cerrno>
#include <cstdlib>

#include "core/os/windows/WinText.h"

// Windows has no exec: the program runs as a child, and this process ends
// with its status.
OsError RunInstead(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<std::wstring> words{Wide(program)};
  for (const std::string& word : arguments) words.push_back(Wide(word));
  std::vector<const wchar_t*> argv;
  for (const std::wstring& word : words) argv.push_back(word.c_str());
  argv.push_back(nullptr);
  const intptr_t status = ::_wspawnv(_P_WAIT, words[0].c_str(), argv.data());
  if (status < 0) return OsError(errno);
  std::exit(static_cast<int>(status));
}
