#include "core/files/TypedFileName.h"

#include "core/os/SaveTarget.h"

std::string WithDefaultExtension(const std::string& typed, const std::string& extension) {
  const std::size_t slash = typed.rfind('/');
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  if (start == typed.size() || extension.empty()) return typed;
  const std::string name = typed.substr(start);
  if (name == "." || name == "..") return typed;
  // A leading dot hides a file; it starts no extension.
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0 && dot + 1 < name.size()) return typed;
  // "foo." already holds the dot the extension begins with.
  if (dot + 1 == name.size() && dot > 0 && extension.front() == '.') return typed + extension.substr(1);
  return typed + extension;
}

std::string OpenedFileName(const std::string& typed, const std::string& extension) {
  return EntryExists(typed) ? typed : WithDefaultExtension(typed, extension);
}

bool SaveReplacesFile(const std::string& path) { return EntryExists(path) && !IsFolder(path); }
