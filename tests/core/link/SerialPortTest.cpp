#include <gtest/gtest.h>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include "core/link/SerialPort.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

long long MsSince(Clock::time_point t) { return std::chrono::duration_cast<milliseconds>(Clock::now() - t).count(); }

class SerialPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(m_master, 0);
    ASSERT_EQ(::grantpt(m_master), 0);
    ASSERT_EQ(::unlockpt(m_master), 0);
    char name[128];
    ASSERT_EQ(::ptsname_r(m_master, name, sizeof name), 0);
    m_slave = name;
    // The slave starts cooked (echo, line editing): the port must make it raw.
    // Time-outs long enough that a thread woken late on a loaded machine
    // still falls within them, and that "at once" stands well apart from a
    // time-out that ran out.
    m_settings.readIntervalMs = 300;
    m_settings.readTotalPerByteMs = 50;
    m_settings.readTotalConstantMs = 600;
    ASSERT_EQ(m_port.Open(m_slave, m_settings), 0);
  }
  void TearDown() override {
    m_port.Close();
    if (m_master >= 0) ::close(m_master);
  }
  void Send(std::vector<std::uint8_t> bytes) {
    ASSERT_EQ(::write(m_master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  // Sends `bytes` from another thread after `delay`.
  std::thread SendLater(milliseconds delay, std::vector<std::uint8_t> bytes) {
    return std::thread([this, delay, bytes] {
      std::this_thread::sleep_for(delay);
      (void)!::write(m_master, bytes.data(), bytes.size());
    });
  }

  int m_master = -1;
  std::string m_slave;
  PortSettings m_settings;
  CSerialPort m_port;
};

TEST_F(SerialPortTest, AllBytesThereReturnsAtOnce) {
  Send({1, 2, 3, 4});
  std::uint8_t buf[4] = {};
  const auto start = Clock::now();
  EXPECT_EQ(m_port.Read(buf, 4), 4u);
  EXPECT_LT(MsSince(start), 400);  // the total time-out: 800
  EXPECT_EQ(std::vector<std::uint8_t>(buf, buf + 4), (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

TEST_F(SerialPortTest, NothingComesWaitsTheWholeTotalTimeout) {
  std::uint8_t buf[4];
  const auto start = Clock::now();
  EXPECT_EQ(m_port.Read(buf, 4), 0u);
  EXPECT_GE(MsSince(start), 4 * 50 + 600);  // per byte requested plus the constant
}

TEST_F(SerialPortTest, GapAfterAByteEndsTheReadWithWhatCame) {
  Send({7, 8});
  std::uint8_t buf[8];
  const auto start = Clock::now();
  EXPECT_EQ(m_port.Read(buf, 8), 2u);
  const long long ms = MsSince(start);
  EXPECT_GE(ms, 300);           // the interval time-out after the last byte...
  EXPECT_LT(ms, 8 * 50 + 600);  // ...before the total one
}

TEST_F(SerialPortTest, BytesWithinTheIntervalKeepTheReadGoing) {
  Send({1});
  std::thread later = SendLater(milliseconds(25), {2, 3});
  std::uint8_t buf[3];
  EXPECT_EQ(m_port.Read(buf, 3), 3u);
  later.join();
  EXPECT_EQ(buf[2], 3);
}

TEST_F(SerialPortTest, ASignalDoesNotCutTheRead) {
  struct sigaction sa {};
  struct sigaction old {};
  sa.sa_handler = [](int) {};
  sigemptyset(&sa.sa_mask);  // no SA_RESTART: ppoll sees EINTR
  ::sigaction(SIGUSR1, &sa, &old);
  const pthread_t reader = ::pthread_self();
  std::thread poke([reader] {
    std::this_thread::sleep_for(milliseconds(20));
    ::pthread_kill(reader, SIGUSR1);
  });
  std::thread later = SendLater(milliseconds(60), {9});
  std::uint8_t b = 0;
  EXPECT_EQ(m_port.Read(&b, 1), 1u);
  EXPECT_EQ(b, 9);
  poke.join();
  later.join();
  ::sigaction(SIGUSR1, &old, nullptr);
}

TEST_F(SerialPortTest, PurgeDropsWhatWaits) {
  // The three bytes arrive together: once the first is read, the other two
  // wait.
  Send({1, 2, 3});
  std::uint8_t first = 0;
  ASSERT_EQ(m_port.Read(&first, 1), 1u);
  m_port.Purge();
  Send({4});
  std::uint8_t b = 0;
  EXPECT_EQ(m_port.Read(&b, 1), 1u);
  EXPECT_EQ(b, 4);
}

TEST_F(SerialPortTest, WriteReachesTheOtherEnd) {
  const std::uint8_t data[] = {0x52, 0x03, 0xF0, 0x0B};
  EXPECT_TRUE(m_port.Write(data, sizeof data));
  std::uint8_t got[4] = {};
  std::size_t n = 0;
  const auto start = Clock::now();
  while (n < 4 && MsSince(start) < 1000) {
    const ssize_t k = ::read(m_master, got + n, 4 - n);
    if (k > 0) n += static_cast<std::size_t>(k);
  }
  EXPECT_EQ(std::vector<std::uint8_t>(got, got + n), std::vector<std::uint8_t>(data, data + 4));
}

TEST_F(SerialPortTest, AHangUpEndsReadsAtOnceAndFailsWrites) {
  ::close(m_master);
  m_master = -1;
  std::uint8_t buf[16];
  const auto start = Clock::now();
  EXPECT_EQ(m_port.Read(buf, 16), 0u);
  EXPECT_LT(MsSince(start), 700);  // the total time-out: 1400
  EXPECT_TRUE(m_port.HungUp());
  const std::uint8_t b = 0x06;
  EXPECT_FALSE(m_port.Write(&b, 1));
}

TEST_F(SerialPortTest, ExclusiveUntilClosed) {
  CSerialPort second;
  EXPECT_EQ(second.OpenExclusive(m_slave), EBUSY);
  m_port.Close();
  EXPECT_EQ(second.OpenExclusive(m_slave), 0);
}

TEST_F(SerialPortTest, LineIsRawNineThousandSixHundredEightNOne) {
  termios tio{};
  ASSERT_EQ(::tcgetattr(m_master, &tio), 0);
  EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B9600));
  EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_NE(tio.c_cflag & CLOCAL, 0u);
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
  EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL), 0u);
  EXPECT_EQ(tio.c_oflag & OPOST, 0u);
}

}  // namespace
