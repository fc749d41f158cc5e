#pragma once
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>
#include <string>

// A terminal set up as a user might have it, unlike anything a port sets, on
// a descriptor of its own that outlives the port's: whether a port gave the
// settings back.
class CLineAsFound {
 public:
  explicit CLineAsFound(const std::string& device) : m_fd(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {
    termios t{};
    ::tcgetattr(m_fd, &t);
    t.c_iflag |= ICRNL;
    t.c_lflag |= ICANON;
    t.c_cflag |= PARENB;
    ::cfsetispeed(&t, B4800);
    ::cfsetospeed(&t, B4800);
    ::tcsetattr(m_fd, TCSANOW, &t);
    ::tcgetattr(m_fd, &m_found);
  }
  ~CLineAsFound() { ::close(m_fd); }
  int fd() const { return m_fd; }
  bool Unchanged() const {
    termios now{};
    return ::tcgetattr(m_fd, &now) == 0 && std::memcmp(&now, &m_found, sizeof now) == 0;
  }

 private:
  int m_fd;
  termios m_found{};
};
