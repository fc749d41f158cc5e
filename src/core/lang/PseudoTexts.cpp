#include "core/lang/PseudoTexts.h"

#include <atomic>
#include <mutex>
#include <string>
#include <unordered_set>

namespace {
std::atomic<bool> g_pseudoTexts{false};
}  // namespace

void SetPseudoTexts(bool on) { g_pseudoTexts = on; }

bool PseudoTextsOn() { return g_pseudoTexts; }

const char* PseudoText(const char* english) {
  static std::mutex guard;
  static std::unordered_set<std::string> wrapped;
  const std::lock_guard<std::mutex> lock(guard);
  // Line by line: a text of several lines is often cut into them (a command's
  // status bar text and tool tip), and each part must still show its brackets.
  std::string text;
  for (const char* line = english;; ++line) {
    const char* end = line;
    while (*end != '\0' && *end != '\n') ++end;
    if (end != line) text += "[!" + std::string(line, end) + "!]";
    if (*end == '\0') break;
    text += '\n';
    line = end;
  }
  return wrapped.insert(text).first->c_str();
}
