#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>

#include "link/PortProbe.h"
#include "link/SerialPort.h"
#include "support/Pty.h"
#include "support/TempDir.h"

namespace {

TEST(PortProbe, WhatEachKindOfPathGives) {
  TempDir dir;
  dir.Write("plain", "not a device");
  Pty pty;
  ASSERT_FALSE(pty.slave().empty());
  const std::pair<std::string, ProbeStatus> cases[] = {
      {pty.slave(), ProbeStatus::Available},
      {dir.file("missing"), ProbeStatus::Missing},
      {"", ProbeStatus::Missing},
      {dir.file("plain"), ProbeStatus::NotSerial},
      {"/dev/null", ProbeStatus::NotSerial},
      {dir.path(), ProbeStatus::OtherError},  // a folder: EISDIR
  };
  for (const auto& c : cases) EXPECT_EQ(ProbePort(c.first).status, c.second) << c.first;
}

TEST(PortProbe, BusyWhileHeldAndFreeAtOnceAfterClose) {
  Pty pty;
  CSerialPort holder;
  ASSERT_EQ(holder.OpenExclusive(pty.slave()), 0);
  const ProbeResult busy = ProbePort(pty.slave());
  EXPECT_EQ(busy.status, ProbeStatus::Busy);
  EXPECT_EQ(busy.sysError, EBUSY);
  holder.Close();
  EXPECT_EQ(ProbePort(pty.slave()).status, ProbeStatus::Available);
  // The probe itself leaves the device free.
  EXPECT_EQ(holder.OpenExclusive(pty.slave()), 0);
}

TEST(ClassifyOpenError, ErrnoToReason) {
  const std::pair<int, ProbeStatus> cases[] = {
      {0, ProbeStatus::Available},       {ENOENT, ProbeStatus::Missing},   {ENODEV, ProbeStatus::Missing},
      {ENXIO, ProbeStatus::Missing},     {EBUSY, ProbeStatus::Busy},       {EACCES, ProbeStatus::PermissionDenied},
      {EPERM, ProbeStatus::PermissionDenied}, {ENOTTY, ProbeStatus::NotSerial}, {EIO, ProbeStatus::OtherError},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyOpenError("/nonexistent", c.first).status, c.second) << c.first;
}

TEST(ClassifyOpenError, PermissionDeniedNamesTheOwningGroup) {
  TempDir dir;
  dir.Write("ttyFAKE", "");
  // gid 20 is dialout on Debian; whatever its name here, the text must carry it.
  if (::chown(dir.file("ttyFAKE").c_str(), static_cast<uid_t>(-1), 20) != 0)
    GTEST_SKIP() << "cannot change the group of a file here";
  const ProbeResult r = ClassifyOpenError(dir.file("ttyFAKE"), EACCES);
  ASSERT_EQ(r.status, ProbeStatus::PermissionDenied);
  ASSERT_FALSE(r.group.empty());
  const std::string text = DescribeProbe(r);
  EXPECT_NE(text.find("permission denied"), std::string::npos) << text;
  EXPECT_NE(text.find("'" + r.group + "'"), std::string::npos) << text;
  EXPECT_NE(text.find("membership of that group grants access"), std::string::npos) << text;
}

TEST(DescribeProbe, OneLinePerReason) {
  const std::pair<ProbeStatus, const char*> cases[] = {
      {ProbeStatus::Available, "available"},
      {ProbeStatus::Missing, "missing: no such device"},
      {ProbeStatus::Busy, "busy: another program has it open"},
      {ProbeStatus::NotSerial, "not a serial device"},
  };
  for (const auto& c : cases) {
    ProbeResult r;
    r.status = c.first;
    EXPECT_EQ(DescribeProbe(r), c.second);
  }
  ProbeResult other;
  other.status = ProbeStatus::OtherError;
  other.sysError = EIO;
  EXPECT_EQ(DescribeProbe(other).rfind("cannot open: ", 0), 0u);
}

}  // namespace
