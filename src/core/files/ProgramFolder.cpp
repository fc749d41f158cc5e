#include "core/files/ProgramFolder.h"

#include "core/os/ExecutablePath.h"

std::string ProgramFolder() {
  const std::string path = ExecutablePath();
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return "./";
  return path.substr(0, slash + 1);
}
