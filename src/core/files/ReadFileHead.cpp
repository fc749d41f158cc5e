#include "core/files/ReadFileHead.h"

#include <cerrno>

#include "core/os/RegularFileRead.h"
#include "core/os/SaveTarget.h"

int ReadFileHead(const std::string& path, std::size_t limit, std::string& out) {
  return ReadRegularFile(path, limit, out).code;
}

int ReadOrCreateFile(const std::string& path, std::size_t limit, std::string& out) {
  const OsError err = ReadRegularFile(path, limit, out);
  if (err != ENOENT) return err.code;
  // Made where a save would make it: never through a link another user
  // planted in a shared folder.
  std::string target;
  if (const OsError refused = ResolveSaveTarget(path, target)) return refused.code;
  return ReadRegularFile(target, limit, out, MissingFile::CreateEmpty).code;
}
