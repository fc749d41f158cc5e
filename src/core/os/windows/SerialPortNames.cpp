#include "core/os/SerialPortNames.h"

#include "core/os/windows/WinText.h"

std::string SystemPortDevice(int n) { return n >= 1 ? "\\\\.\\COM" + std::to_string(n) : ""; }

bool IsDevicePathArgument(const std::string& argument) { return argument.find_first_of("/\\") != std::string::npos; }

std::vector<std::string> SystemSerialPortNames() {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS)
    return names;
  // Each value is one port: its name the driver's device, its data the port's
  // name ("COM3").
  for (DWORD index = 0;; ++index) {
    wchar_t valueName[256];
    DWORD nameLength = sizeof valueName / sizeof valueName[0];
    wchar_t data[64];
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    const LONG result =
        ::RegEnumValueW(key, index, valueName, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataSize);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result != ERROR_SUCCESS || type != REG_SZ) continue;
    // The stored string need not end in a zero.
    std::wstring name(data, dataSize / sizeof(wchar_t));
    while (!name.empty() && name.back() == L'\0') name.pop_back();
    if (!name.empty()) names.push_back(Utf8(name));
  }
  ::RegCloseKey(key);
  return names;
}
