#include "core/files/ProgramFolder.h"

#include <cstdlib>
#include <memory>

std::string ProgramFolder() {
  std::unique_ptr<char, decltype(&std::free)> real(::realpath("/proc/self/exe", nullptr), &std::free);
  std::string path = real ? real.get() : "";
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return "./";
  return path.substr(0, slash + 1);
}
