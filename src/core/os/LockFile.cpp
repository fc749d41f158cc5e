#include "core/os/LockFile.h"

// Moving a claim is the same on every system: the handle changes hands.
CLockFile& CLockFile::operator=(CLockFile&& other) noexcept {
  if (this != &other) {
    Release();
    m_handle = other.m_handle;
    other.m_handle = -1;
  }
  return *this;
}
