#include "core/os/SerialLine.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

speed_t SpeedFor(int baud) {
  switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B9600;
  }
}

// Waits for `events` until `deadline`. Returns the revents, 0 on time-out.
// EINTR resumes with the time that is left.
short WaitFor(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) return 0;
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(ns / 1000000000);
    ts.tv_nsec = static_cast<long>(ns % 1000000000);
    pollfd p{fd, events, 0};
    const int r = ::ppoll(&p, 1, &ts, nullptr);
    if (r > 0) return p.revents;
    if (r == 0) return 0;
    if (errno != EINTR) return POLLERR;
  }
}

}  // namespace

struct CSerialLine::SavedLine {
  termios line{};
};

CSerialLine::CSerialLine() : m_pSavedLine(std::make_unique<SavedLine>()) {}

CSerialLine::~CSerialLine() { Close(); }

OsError CSerialLine::OpenExclusive(const std::string& device) {
  Close();
  // Non-blocking: opening a real port must not wait for a carrier.
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return OsError(errno);
  if (!::isatty(fd)) {
    ::close(fd);
    return OsError(ENOTTY);
  }
  // The kernel lets root open a tty that another program holds exclusively;
  // a handshake sent then would land in that program's line.
  int held = 0;
  if (::ioctl(fd, TIOCGEXCL, &held) == 0 && held != 0) {
    ::close(fd);
    return OsError(EBUSY);
  }
  // TIOCEXCL keeps other opens out (except root's); the lock also stops
  // another instance of this program running as root.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const OsError err((errno == EWOULDBLOCK) ? EBUSY : errno);
    ::close(fd);
    return err;
  }
  // What the line was, to give it back as found: a terminal used as a port
  // must not be left raw at 9600 baud.
  if (::tcgetattr(fd, &m_pSavedLine->line) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
    const OsError err(errno);
    ::close(fd);
    return err;
  }
  m_fd = fd;
  m_bHungUp = false;
  return {};
}

OsError CSerialLine::Configure(const PortSettings& settings) {
  m_settings = settings;
  termios tio{};
  if (::tcgetattr(m_fd, &tio) != 0) return OsError(errno);
  ::cfmakeraw(&tio);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  ::cfsetispeed(&tio, SpeedFor(settings.baudRate));
  ::cfsetospeed(&tio, SpeedFor(settings.baudRate));
  if (::tcsetattr(m_fd, TCSANOW, &tio) != 0) return OsError(errno);
  if (settings.raiseModemLines) {
    // A pseudo-terminal has no modem lines and refuses these: not an error.
    int bit = TIOCM_DTR;
    (void)::ioctl(m_fd, TIOCMBIS, &bit);
    bit = TIOCM_RTS;
    (void)::ioctl(m_fd, TIOCMBIS, &bit);
  }
  return {};
}

std::size_t CSerialLine::Read(std::uint8_t* buffer, std::size_t n,
                              const std::function<void(const std::uint8_t*, std::size_t)>& received) {
  if (m_fd < 0 || n == 0 || m_bHungUp) return 0;
  const auto start = Clock::now();
  const auto total =
      std::chrono::milliseconds(static_cast<long long>(m_settings.readTotalPerByteMs) * static_cast<long long>(n) +
                                m_settings.readTotalConstantMs);
  const auto totalDeadline = start + total;
  const auto interval = std::chrono::milliseconds(m_settings.readIntervalMs);
  std::size_t got = 0;
  Clock::time_point lastByte{};
  while (got < n) {
    auto deadline = totalDeadline;
    if (got > 0 && m_settings.readIntervalMs > 0 && lastByte + interval < deadline) deadline = lastByte + interval;
    const short revents = WaitFor(m_fd, POLLIN, deadline);
    if (revents == 0) break;
    if (revents & POLLIN) {
      const ssize_t k = ::read(m_fd, buffer + got, n - got);
      if (k > 0) {
        if (received) received(buffer + got, static_cast<std::size_t>(k));
        got += static_cast<std::size_t>(k);
        lastByte = Clock::now();
        continue;
      }
      if (k < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      // A raw tty reads 0 when nothing is there; only with a hang-up is it EOF.
      if (k == 0 && !(revents & (POLLHUP | POLLERR))) continue;
      m_bHungUp = true;  // EOF or EIO: the other end is gone
      break;
    }
    m_bHungUp = true;  // POLLHUP, POLLERR, POLLNVAL without data
    break;
  }
  return got;
}

std::size_t CSerialLine::Write(const std::uint8_t* data, std::size_t n) {
  if (m_fd < 0 || m_bHungUp) return 0;
  const auto deadline =
      Clock::now() +
      std::chrono::milliseconds(static_cast<long long>(m_settings.writeTotalPerByteMs) * static_cast<long long>(n) +
                                m_settings.writeTotalConstantMs);
  std::size_t sent = 0;
  while (sent < n) {
    const ssize_t k = ::write(m_fd, data + sent, n - sent);
    if (k > 0) {
      sent += static_cast<std::size_t>(k);
      continue;
    }
    if (k < 0 && errno == EINTR) continue;
    if (k < 0 && errno == EAGAIN) {
      const short revents = WaitFor(m_fd, POLLOUT, deadline);
      if (revents & POLLOUT) continue;
      if (revents != 0) m_bHungUp = true;
      break;
    }
    m_bHungUp = true;
    break;
  }
  return sent;
}

void CSerialLine::Purge() {
  if (m_fd >= 0) ::tcflush(m_fd, TCIOFLUSH);
}

void CSerialLine::Close() {
  if (m_fd < 0) return;
  // The settings and the exclusive flag belong to the tty, not to this
  // descriptor: a tty kept open elsewhere would stay raw and locked after we
  // are gone. The flag is ours to clear: a port held by another is never
  // opened.
  (void)::tcsetattr(m_fd, TCSANOW, &m_pSavedLine->line);
  (void)::ioctl(m_fd, TIOCNXCL);
  ::close(m_fd);
  m_fd = -1;
  m_bHungUp = false;
}
