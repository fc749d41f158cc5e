#include "core/os/DeviceIdentity.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

std::string DeviceIdentity(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISCHR(st.st_mode)) return "char " + std::to_string(st.st_rdev);
    return "file " + std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
  }
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return "path " + (error ? path : absolute.lexically_normal().string());
}
