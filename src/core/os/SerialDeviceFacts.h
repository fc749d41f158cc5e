#pragma once
// What the device behind a port is, as the system reports it: where the path
// leads, and for a USB serial adapter its maker, product and serial number,
// so that a technician with two cables can tell them apart.
#include <string>

// Where Linux's kernel device tree and device nodes are; a test points them
// at a tree of its own. Windows has neither and passes them over.
struct DeviceRoots {
  std::string sys = "/sys";
  std::string dev = "/dev";
};

struct PortDevice {
  std::string path;    // as the port resolves to it
  std::string target;  // the device node a link leads to; empty when `path` is no link
  bool present = false;
  // A USB adapter's descriptor strings; empty when not USB or not reported.
  std::string manufacturer;
  std::string product;
  std::string serial;
  std::string byId;  // its name under /dev/serial/by-id, when udev made one
};

// Linux: the sysfs tree and /dev/serial/by-id. Windows: the path and whether
// the system knows the device, nothing more.
PortDevice DescribePortDevice(const std::string& path, const DeviceRoots& roots = DeviceRoots());
