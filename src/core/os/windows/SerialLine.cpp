#include "core/os/SerialLine.h"

#include <cerrno>
#include <memory>

#include "core/os/windows/HandleFd.h"

// The driver keeps the time-outs itself (COMMTIMEOUTS): a ReadFile ends when
// all bytes came, when the gap after one exceeds the interval, or when the
// total is up, as the settings say.
struct CSerialLine::SavedLine {
  DCB line{};
  COMMTIMEOUTS timeouts{};
};

namespace {

// "COM1" and "COM10" alike open as "\\.\COMn"; a path given whole is kept.
std::wstring DevicePath(const std::string& device) {
  return Wide(device.rfind("\\\\", 0) == 0 ? device : "\\\\.\\" + device);
}

}  // namespace

CSerialLine::CSerialLine() : m_pSavedLine(std::make_unique<SavedLine>()) {}

CSerialLine::~CSerialLine() { Close(); }

OsError CSerialLine::OpenExclusive(const std::string& device) {
  Close();
  // No sharing: a second opener, this program or another, is refused.
  const HANDLE h = ::CreateFileW(DevicePath(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    return OsError(error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ? EBUSY : ErrnoFromWin(error));
  }
  m_pSavedLine->line.DCBlength = sizeof(DCB);
  if (!::GetCommState(h, &m_pSavedLine->line) || !::GetCommTimeouts(h, &m_pSavedLine->timeouts)) {
    ::CloseHandle(h);
    return OsError(ENOTTY);
  }
  m_fd = DescriptorFor(h);
  if (m_fd < 0) return OsError(EMFILE);
  m_bHungUp = false;
  return {};
}

OsError CSerialLine::Configure(const PortSettings& settings) {
  m_settings = settings;
  const HANDLE h = HandleOf(m_fd);
  (void)::SetupComm(h, static_cast<DWORD>(settings.receiveQueue), static_cast<DWORD>(settings.transmitQueue));
  DCB dcb = m_pSavedLine->line;
  dcb.BaudRate = static_cast<DWORD>(settings.baudRate);
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  dcb.fBinary = TRUE;
  dcb.fParity = FALSE;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDtrControl = DTR_CONTROL_DISABLE;
  dcb.fRtsControl = RTS_CONTROL_DISABLE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.fErrorChar = FALSE;
  dcb.fNull = FALSE;
  dcb.fAbortOnError = FALSE;
  if (!::SetCommState(h, &dcb)) return OsError(LastErrno());
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = static_cast<DWORD>(settings.readIntervalMs);
  timeouts.ReadTotalTimeoutMultiplier = static_cast<DWORD>(settings.readTotalPerByteMs);
  timeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(settings.readTotalConstantMs);
  timeouts.WriteTotalTimeoutMultiplier = static_cast<DWORD>(settings.writeTotalPerByteMs);
  timeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(settings.writeTotalConstantMs);
  if (!::SetCommTimeouts(h, &timeouts)) return OsError(LastErrno());
  if (settings.raiseModemLines) {
    // Some drivers (and wine's pseudo-terminal ports) refuse these: not an error.
    (void)::EscapeCommFunction(h, SETDTR);
    (void)::EscapeCommFunction(h, SETRTS);
  }
  return {};
}

std::size_t CSerialLine::Read(std::uint8_t* buffer, std::size_t n,
                              const std::function<void(const std::uint8_t*, std::size_t)>& received) {
  if (m_fd < 0 || n == 0 || m_bHungUp) return 0;
  DWORD got = 0;
  if (!::ReadFile(HandleOf(m_fd), buffer, static_cast<DWORD>(n), &got, nullptr)) m_bHungUp = true;
  if (got > 0 && received) received(buffer, got);
  return got;
}

std::size_t CSerialLine::Write(const std::uint8_t* data, std::size_t n) {
  if (m_fd < 0 || m_bHungUp) return 0;
  DWORD sent = 0;
  if (!::WriteFile(HandleOf(m_fd), data, static_cast<DWORD>(n), &sent, nullptr)) m_bHungUp = true;
  return sent;
}

void CSerialLine::Purge() {
  if (m_fd >= 0) ::PurgeComm(HandleOf(m_fd), PURGE_RXCLEAR | PURGE_TXCLEAR);
}

void CSerialLine::Close() {
  if (m_fd < 0) return;
  // The port is given back as it was found.
  (void)::SetCommState(HandleOf(m_fd), &m_pSavedLine->line);
  (void)::SetCommTimeouts(HandleOf(m_fd), &m_pSavedLine->timeouts);
  ::_close(m_fd);
  m_fd = -1;
  m_bHungUp = false;
}
