#include "core/os/SaveTemporary.h"

#include <cerrno>
#include <random>

#include "core/os/windows/HandleFd.h"

// The temporary is "<target>.tmp-<six letters>" beside the target, written
// through to the disk, and then moved over the target in one step. Windows
// gives no name-proof of a file's own identity that survives a crash, so a
// leftover of a killed save is left for the user rather than guessed at.
namespace {

std::string RandomSuffix() {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  std::string suffix;
  for (int i = 0; i < 6; ++i) suffix += kLetters[random() % (sizeof kLetters - 1)];
  return suffix;
}

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder.empty() || folder == "." ? name : folder + "/" + name;
}

}  // namespace

OsError CSaveTemporary::Create(const std::string& folder, const std::string& name, unsigned, TemporaryKind) {
  Discard();
  m_strTarget = InFolder(folder, name);
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::string temporary = m_strTarget + ".tmp-" + RandomSuffix();
    const HANDLE h = ::CreateFileW(Wide(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      if (::GetLastError() == ERROR_FILE_EXISTS) continue;
      return OsError(LastErrno());
    }
    m_fd = DescriptorFor(h);
    if (m_fd < 0) {
      ::DeleteFileW(Wide(temporary).c_str());
      return OsError(EMFILE);
    }
    m_strName = temporary;
    return {};
  }
  return OsError(EEXIST);
}

// A file's only permission here is its read-only flag, which the save's
// target does not carry (CheckReplaceable refuses such a target).
OsError CSaveTemporary::SetMode(unsigned) { return {}; }

OsError CSaveTemporary::Write(const void* data, std::size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    DWORD n = 0;
    const DWORD piece = static_cast<DWORD>(size > 1u << 30 ? 1u << 30 : size);
    if (!::WriteFile(HandleOf(m_fd), bytes, piece, &n, nullptr)) return OsError(LastErrno());
    bytes += n;
    size -= n;
  }
  return {};
}

OsError CSaveTemporary::Sync() {
  return OsError(::FlushFileBuffers(HandleOf(m_fd)) ? 0 : LastErrno());
}

OsError CSaveTemporary::Replace() {
  // A file open without sharing cannot be moved: close it first.
  ::_close(m_fd);
  m_fd = -1;
  const std::wstring from = Wide(m_strName), to = Wide(m_strTarget);
  // ReplaceFileW keeps the target's access list and attributes; it needs a
  // target that exists, so a first save moves.
  if (::GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES &&
      ::ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    m_strName.clear();
    return {};
  }
  if (!::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return OsError(LastErrno());
  m_strName.clear();
  return {};
}

void CSaveTemporary::Discard() {
  if (m_fd >= 0) ::_close(m_fd);
  m_fd = -1;
  if (!m_strName.empty()) ::DeleteFileW(Wide(m_strName).c_str());
  m_strName.clear();
}

OsError CSaveTemporary::Name() { return {}; }

std::string SaveTemporaryName(const std::string&, int) { return {}; }

void RemoveStaleSaveTemporaries(const std::string&) {}
void RemoveStaleSaveTemporaries(const std::string&, const std::function<bool(const std::string&)>&) {}
