#include "core/os/ExecutablePath.h"

#include <cstdlib>
#include <memory>

std::string ExecutablePath() {
  std::unique_ptr<char, decltype(&std::free)> real(::realpath("/proc/self/exe", nullptr), &std::free);
  return real ? real.get() : "";
}
