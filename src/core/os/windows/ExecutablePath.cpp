#include "core/os/ExecutablePath.h"

#include "core/os/windows/WinText.h"

std::string ExecutablePath() {
  std::wstring path(32768, L'\0');
  const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (n == 0 || n >= path.size()) return {};
  path.resize(n);
  // The program's folder is taken up to the last '/'.
  std::string utf8 = Utf8(path);
  for (char& c : utf8)
    if (c == '\\') c = '/';
  return utf8;
}
