#include "core/os/DeviceIdentity.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/os/windows/FileIndex.h"

std::string DeviceIdentity(const std::string& path) {
  // "COM3", "\\.\COM3" and "\\.\com3" are one port.
  std::string name = path.rfind("\\\\.\\", 0) == 0 ? path.substr(4) : path;
  if (name.size() > 3 && name.size() <= 6) {
    std::string upper;
    for (const char c : name) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.rfind("COM", 0) == 0) return "char " + upper;
  }
  FileIndex index;
  if (IndexOf(path, index)) return "file " + std::to_string(index.volume) + ":" + std::to_string(index.file);
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::u8path(path), error);
  return "path " + (error ? path : absolute.lexically_normal().u8string());
}
