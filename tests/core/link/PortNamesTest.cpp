#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/link/PortNames.h"
#include "core/profile/ProfileFile.h"
#include "support/TempDir.h"

namespace {

TEST(PortNameRule, PlainUpToNineDeviceNamespaceFromTen) {
  const std::pair<int, const char*> cases[] = {
      {1, "COM1"},          {3, "COM3"}, {9, "COM9"},          {10, "\\\\.\\COM10"}, {12, "\\\\.\\COM12"},
      {16, "\\\\.\\COM16"}, {0, "COM0"}, {17, "\\\\.\\COM17"}, {-1, "COM-1"},
  };
  for (const auto& c : cases) EXPECT_EQ(PortNameFromNumber(c.first), c.second) << c.first;
}

struct NumberCase {
  const char* name;
  std::optional<int> expected;
};

TEST(PortNumberFromName, ReadsLikeTheScanPattern) {
  const NumberCase cases[] = {
      {"COM1", 1},
      {"COM16", 16},
      {"\\\\.\\COM12", 12},
      {"XM5", 5},
      {"COM 7", 7},   // %d skips blanks
      {"COM-3", -3},  // and takes a sign
      {"COM+4", 4},
      {"COM3abc", 3},  // stops at the first non-digit
      {"COM2147483647", 2147483647},
      {"COM-2147483648", -2147483647 - 1},
      {"COM2147483648", std::nullopt},  // does not fit
      {"COM", std::nullopt},
      {"COMx", std::nullopt},
      {"COMM3", std::nullopt},  // the first M is followed by no number
      {"M5", std::nullopt},     // nothing before the M
      {"", std::nullopt},
      {"/dev/ttyUSB0", std::nullopt},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(PortNumberFromName(c.name), c.expected) << c.name;
}

TEST(PortNumberFromName, RoundTripsTheNameRule) {
  for (int n = 1; n <= 16; ++n) EXPECT_EQ(PortNumberFromName(PortNameFromNumber(n)), n);
}

TEST(ParsePortName, AcceptsWhatAUserTypes) {
  const NumberCase cases[] = {
      {"COM3", 3},
      {"com3", 3},
      {"Com16", 16},
      {"\\\\.\\COM12", 12},
      {"COM17", 17},
      {"COM0", std::nullopt},
      {"COM", std::nullopt},
      {"COM3x", std::nullopt},
      {"COM 3", std::nullopt},
      {"COM+3", std::nullopt},
      {"LPT1", std::nullopt},
      {"/dev/ttyS0", std::nullopt},
      {"COM99999999999", std::nullopt},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(ParsePortName(c.name), c.expected) << c.name;
}

TEST(DefaultDevicePath, UsbThenAcmThenBuiltInPorts) {
  const std::pair<int, const char*> cases[] = {
      {1, "/dev/ttyUSB0"},
      {4, "/dev/ttyUSB3"},
      {5, "/dev/ttyACM0"},
      {8, "/dev/ttyACM3"},
      {9, "/dev/ttyS0"},
      {16, "/dev/ttyS7"},
      {0, ""},
      {17, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DefaultDevicePath(c.first), c.second) << c.first;
}

// COM1-COM16 always; above them each port the system lists, once, in order.
TEST(PortsToList, TheSixteenThenTheSystemsHigherPorts) {
  const std::pair<std::vector<std::string>, std::vector<int>> cases[] = {
      {{}, {}},
      {{"COM3", "COM16"}, {}},
      {{"COM40", "COM17", "COM40"}, {17, 40}},
      {{"\\\\.\\COM21", "com18"}, {18, 21}},
      {{"LPT1", "COM0", "COMx", ""}, {}},
  };
  for (const auto& [listed, above] : cases) {
    std::vector<int> expected;
    for (int n = 1; n <= 16; ++n) expected.push_back(n);
    expected.insert(expected.end(), above.begin(), above.end());
    EXPECT_EQ(PortsToList(listed), expected) << ::testing::PrintToString(listed);
  }
}

class PortResolution : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir.Write("Program.ini",
                "[Setup]\nLanguage=English\n"
                "[Ports]\nCOM3=/dev/serial/by-id/usb-cable-if00\ncom12=/dev/ttyS9\nCOM4=\n");
    ASSERT_TRUE(m_profile.Load(m_dir.file("Program.ini"), ProfileOptions::IgnoreCase));
  }
  TempDir m_dir;
  CProfileFile m_profile;
};

TEST_F(PortResolution, PortsSectionWinsElseTheDefault) {
  const std::pair<int, const char*> cases[] = {
      {3, "/dev/serial/by-id/usb-cable-if00"},
      {12, "/dev/ttyS9"},   // keys ignore case
      {4, "/dev/ttyUSB3"},  // an empty entry is no entry
      {1, "/dev/ttyUSB0"},
      {16, "/dev/ttyS7"},
      {17, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DevicePathForPort(c.first, m_profile), c.second) << c.first;
}

// The environment attaches a device for one run without writing any file.
TEST_F(PortResolution, EnvironmentWinsForOneRun) {
  const std::pair<const char*, const char*> env[] = {
      {"PROGRAM_PORT_COM3", "/tmp/radio-a"}, {"PROGRAM_PORT_COM12", "/tmp/radio-b"}, {"PROGRAM_PORT_COM1", ""}};
  for (const auto& e : env) ::setenv(e.first, e.second, 1);
  const std::pair<int, const char*> cases[] = {
      {3, "/tmp/radio-a"},  // over [Ports]
      {12, "/tmp/radio-b"},
      {1, "/dev/ttyUSB0"},  // an empty variable is none
      {5, "/dev/ttyACM0"},
  };
  for (const auto& c : cases) EXPECT_EQ(DevicePathForPort(c.first, m_profile), c.second) << c.first;
  EXPECT_EQ(ResolvePortArgument("\\\\.\\COM12", m_profile), "/tmp/radio-b");
  for (const auto& e : env) ::unsetenv(e.first);
  EXPECT_EQ(DevicePathForPort(3, m_profile), "/dev/serial/by-id/usb-cable-if00");
}

TEST_F(PortResolution, ArgumentIsAPathOrAPortName) {
  const std::pair<const char*, const char*> cases[] = {
      {"/dev/pts/7", "/dev/pts/7"},
      {"/tmp/radio", "/tmp/radio"},
      {"./radio", "./radio"},  // relative to the working folder
      {"dev/ttyUSB0", "dev/ttyUSB0"},
      {"COM3", "/dev/serial/by-id/usb-cable-if00"},
      {"\\\\.\\COM12", "/dev/ttyS9"},
      {"com5", "/dev/ttyACM0"},
      {"COM17", ""},
      {"LPT1", ""},
      {"", ""},
      {"ttyUSB0", ""},  // a relative name is not taken as a device
  };
  for (const auto& c : cases) EXPECT_EQ(ResolvePortArgument(c.first, m_profile), c.second) << c.first;
}

TEST(PortResolutionWithoutProfile, DefaultsApply) {
  const CProfileFile empty;
  EXPECT_EQ(ResolvePortArgument("COM1", empty), "/dev/ttyUSB0");
  EXPECT_EQ(ResolvePortArgument("COM9", empty), "/dev/ttyS0");
}

}  // namespace
