#pragma once
// What the device behind a port is, as Linux reports it: where the path
// leads, and for a USB serial adapter its maker, product and serial number,
// so that a technician with two cables can tell them apart.
#include <string>

#include "core/lang/Language.h"

// Where the kernel's device tree and the device nodes are; a test points
// them at a tree of its own.
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

PortDevice DescribePortDevice(const std::string& path, const DeviceRoots& roots = DeviceRoots());

// One line each: the path (and its target), maker, product, serial number,
// the by-id name; for a missing device the path and that it is not present.
std::string PortDeviceText(const PortDevice& device, Language language);
