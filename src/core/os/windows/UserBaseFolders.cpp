#include "core/os/UserBaseFolders.h"

#include "core/os/WindowsFolderValue.h"
#include "core/os/windows/WinText.h"

namespace {

// The variable's value, read wide so that any user name survives; empty
// when unset.
std::string Variable(const wchar_t* name) {
  const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  const DWORD length = ::GetEnvironmentVariableW(name, value.data(), size);
  if (length == 0 || length >= size) return {};
  value.resize(length);
  return Utf8(value);
}

}  // namespace

std::string UserBaseFolder(UserFolderKind kind) {
  switch (kind) {
    case UserFolderKind::Config: return FolderFromWindowsValue(Variable(L"APPDATA"));
    // Backups in <app>/, recovery copies in <app>/recovery/: a backup's name
    // is dated, so no backup is ever named "recovery".
    case UserFolderKind::Data:
    case UserFolderKind::State: return FolderFromWindowsValue(Variable(L"LOCALAPPDATA"));
    case UserFolderKind::Cache: {
      // Windows' own place for what may be thrown away, and apart from the
      // backups, so that the trace never shows among them in a file dialog.
      const std::string local = FolderFromWindowsValue(Variable(L"LOCALAPPDATA"));
      return local.empty() ? local : local + "Temp/";
    }
  }
  return {};
}
