#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/link/PortProbe.h"
#include "core/link/SerialPort.h"
#include "support/Pty.h"
#include "support/TempDir.h"

namespace {

TEST(PortProbe, WhatEachKindOfPathGives) {
  TempDir dir;
  dir.Write("plain", "not a device");
  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", dir.file("socket").c_str());
  ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << address.sun_path;
  Pty pty;
  ASSERT_FALSE(pty.slave().empty());
  const std::pair<std::string, ProbeStatus> cases[] = {
      {pty.slave(), ProbeStatus::Available},
      {dir.file("missing"), ProbeStatus::Missing},
      {"", ProbeStatus::Missing},
      {dir.file("plain"), ProbeStatus::NotSerial},
      {"/dev/null", ProbeStatus::NotSerial},
      {dir.file("socket"), ProbeStatus::NotSerial},  // it is there: not "missing"
      {dir.path(), ProbeStatus::OtherError},         // a folder: EISDIR
  };
  for (const auto& c : cases) EXPECT_EQ(ProbePort(c.first).status, c.second) << c.first;
  ::close(socket);
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
      {0, ProbeStatus::Available},
      {ENOENT, ProbeStatus::Missing},
      {ENODEV, ProbeStatus::Missing},
      {ENXIO, ProbeStatus::Missing},
      {EBUSY, ProbeStatus::Busy},
      {EACCES, ProbeStatus::PermissionDenied},
      {EPERM, ProbeStatus::PermissionDenied},
      {ENOTTY, ProbeStatus::NotSerial},
      {EIO, ProbeStatus::OtherError},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyOpenError("/nonexistent", c.first).status, c.second) << c.first;
}

TEST(ClassifyOpenError, PermissionDeniedNamesAGroupOnlyWhenItsBitsGrantAccess) {
  const struct {
    mode_t mode;
    bool groupNamed;
  } cases[] = {{0660, true}, {0666, true}, {0600, false}, {0640, false}, {0620, false}, {0606, false}};
  TempDir dir;
  dir.Write("ttyFAKE", "");
  const std::string device = dir.file("ttyFAKE");
  for (const auto& c : cases) {
    ASSERT_EQ(::chmod(device.c_str(), c.mode), 0);
    const ProbeResult r = ClassifyOpenError(device, EACCES);
    ASSERT_EQ(r.status, ProbeStatus::PermissionDenied);
    const std::string text = DescribeProbe(r);
    EXPECT_EQ(text.rfind("permission denied: ", 0), 0u) << text;
    EXPECT_EQ(r.group.empty(), !c.groupNamed) << std::oct << c.mode;
    if (c.groupNamed) {
      EXPECT_NE(text.find("belongs to group '" + r.group + "'"), std::string::npos) << text;
      EXPECT_NE(text.find("membership of that group grants access"), std::string::npos) << text;
    } else {
      ASSERT_FALSE(r.owner.empty());
      EXPECT_NE(text.find("only its owner '" + r.owner + "' may open it"), std::string::npos) << text;
      EXPECT_EQ(text.find("usermod"), std::string::npos) << text;
    }
  }
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

TEST(DescribeProbe, InChinese) {
  ProbeResult group;
  group.status = ProbeStatus::PermissionDenied;
  group.group = "dialout";
  ProbeResult owner = group;
  owner.group.clear();
  owner.owner = "root";
  ProbeResult missing;
  missing.status = ProbeStatus::Missing;
  const std::pair<ProbeResult, const char*> cases[] = {
      {missing, "不存在：没有这个设备"},
      {group, "没有权限：设备属于组“dialout”，加入该组即可访问（sudo usermod -aG dialout $USER，然后重新登录）"},
      {owner, "没有权限：只有其所有者“root”可以打开它，没有哪个组有读写权限"},
  };
  for (const auto& c : cases) EXPECT_EQ(DescribeProbe(c.first, Language::Chinese), c.second);
}

}  // namespace
