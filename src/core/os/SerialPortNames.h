#pragma once
// How this system names its serial ports, and which ones it lists.
#include <string>
#include <vector>

// The device of port number n when nothing else is set. Linux: COM1-4
// /dev/ttyUSB0-3, COM5-8 /dev/ttyACM0-3, COM9-16 /dev/ttyS0-7, so that the
// first USB cable is COM1 without any set-up; empty for other numbers.
// Windows: "\\.\COMn" for every n >= 1 (empty below), the form that opens
// COM10 and above too.
std::string SystemPortDevice(int n);

// Whether a port argument that is no port name is a path of a device or file.
// Linux: it holds a '/'; Windows: a '/' or a '\'. A bare word is no path, so
// that a mistyped port name never turns into a file of the working folder.
bool IsDevicePathArgument(const std::string& argument);

// The serial ports the system itself knows of now, as it names them
// ("COM3"). Windows: the registry's list of serial devices
// (HARDWARE\DEVICEMAP\SERIALCOMM), empty when it cannot be read. Linux keeps
// no such list: none, so the ports are the numbers above alone.
std::vector<std::string> SystemSerialPortNames();
