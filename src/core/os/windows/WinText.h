#pragma once
// What every Win32 file of the seam shares: the program speaks UTF-8, the
// system's wide calls take UTF-16, and its failures become <cerrno> numbers.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
// A GetLastError() value as the <cerrno> number the callers tell apart.
int ErrnoFromWin(DWORD code);
inline int LastErrno() { return ErrnoFromWin(::GetLastError()); }
