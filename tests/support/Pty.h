#pragma once
// A pseudo-terminal whose slave side stands in for a serial device.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

class Pty {
 public:
  Pty() {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) return;
    char name[128];
    if (::ptsname_r(m_master, name, sizeof name) == 0) m_slave = name;
  }
  ~Pty() {
    if (m_master >= 0) ::close(m_master);
  }
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;
  const std::string& slave() const { return m_slave; }

 private:
  int m_master = -1;
  std::string m_slave;
};
