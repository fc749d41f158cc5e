#include "core/os/UserAccount.h"

#include "core/os/windows/WinText.h"

std::string AccountHomeFolder() {
  wchar_t buffer[MAX_PATH * 4];
  const DWORD n = ::GetEnvironmentVariableW(L"USERPROFILE", buffer, sizeof buffer / sizeof buffer[0]);
  if (n == 0 || n >= sizeof buffer / sizeof buffer[0]) return {};
  return Utf8(std::wstring(buffer, n));
}
