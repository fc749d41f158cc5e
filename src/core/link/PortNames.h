#pragma once
// Port numbers, the names built from them, and the device each one is on
// this system.
#include <optional>
#include <string>
#include <vector>

class CProfileFile;

constexpr int kFirstPort = 1;
constexpr int kLastPort = 16;

// 1-9: "COM%d"; 10 and above: "\\.\COM%d". Any number gets a name.
std::string PortNameFromNumber(int n);

// The number read from a name as "%*[^M]M%d" reads it: at least one character
// other than 'M', an 'M', then a decimal number (leading blanks and a sign
// allowed). Nothing when no number is there or it does not fit an int.
std::optional<int> PortNumberFromName(const std::string& name);

// A port as the user types it: "COM3", "com3" or "\\.\COM12", n >= 1.
std::optional<int> ParsePortName(const std::string& text);

// Without a [Ports] entry, the system's device (core/os/SerialPortNames.h):
// on Linux COM1-4 /dev/ttyUSB0-3, COM5-8 /dev/ttyACM0-3, COM9-16
// /dev/ttyS0-7, empty for other numbers; on Windows "\\.\COMn", any n >= 1.
std::string DefaultDevicePath(int n);

// The ports to offer, in order: COM1-COM16 always, each probed, and above
// them every port in `systemNames` (the system's own list, where USB
// adapters often get COM17 and up). Names that are no port are passed over.
std::vector<int> PortsToList(const std::vector<std::string>& systemNames);

// The environment variable PROGRAM_PORT_COMn (set and not empty) wins for
// the run; else "COMn" in section [Ports] of "Program.ini"; else the default.
std::string DevicePathForPort(int n, const CProfileFile& profile);

// The device a port argument means: a port name ("COM12", "\\.\COM12")
// through DevicePathForPort, else a path as it is (absolute or relative to the
// working folder; on Linux anything with a '/', on Windows with a '/' or a
// '\'). Empty when it names no device.
std::string ResolvePortArgument(const std::string& port, const CProfileFile& profile);
