#pragma once
// The seam's classes keep an int descriptor; on Windows that is the C
// runtime's descriptor wrapped around the system's handle.
#include <fcntl.h>
#include <io.h>

#include "core/os/windows/WinText.h"

// The descriptor that now owns `h`; -1 (and `h` closed) when none could be made.
// Binary: the seam reads and writes the handle itself, but a descriptor in
// text mode would turn CR LF and 0x1A if anyone read through it.
inline int DescriptorFor(HANDLE h) {
  const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY);
  if (fd < 0) ::CloseHandle(h);
  return fd;
}
inline HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>(::_get_osfhandle(fd)); }
