#include "core/os/SerialDeviceFacts.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

// A USB device sits a few levels above its tty: interface, then device.
constexpr int kMaxLevelsUp = 4;
// Descriptor strings are short; anything longer is not shown whole.
constexpr std::size_t kMaxAttributeLength = 126;

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// Moves a path from one root to another: "/dev/ttyUSB0" under a test's tree.
std::string Rebase(const std::string& path, const std::string& from, const std::string& to) {
  if (from == to || !StartsWith(path, from + "/")) return path;
  return to + path.substr(from.size());
}

fs::path Canonical(const fs::path& path) {
  std::error_code ec;
  fs::path real = fs::canonical(path, ec);
  return ec ? fs::path() : real;
}

// A sysfs attribute without its line end; empty when missing.
std::string ReadAttribute(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return "";
  std::string text;
  std::getline(in, text);
  while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t')) text.pop_back();
  if (text.size() > kMaxAttributeLength) text.resize(kMaxAttributeLength);
  return text;
}

// The USB device a tty hangs off: the first folder upwards from its device
// link that carries a vendor id. Empty for a tty that is not on USB.
fs::path UsbDeviceOf(const std::string& ttyName, const DeviceRoots& roots) {
  const fs::path sysRoot = Canonical(roots.sys);
  fs::path dir = Canonical(fs::path(roots.sys) / "class" / "tty" / ttyName / "device");
  if (sysRoot.empty() || dir.empty()) return {};
  for (int level = 0; level <= kMaxLevelsUp && dir != sysRoot && dir.has_relative_path(); ++level) {
    std::error_code ec;
    if (fs::exists(dir / "idVendor", ec)) return dir;
    dir = dir.parent_path();
  }
  return {};
}

std::string ByIdName(const fs::path& node, const DeviceRoots& roots) {
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(roots.dev) / "serial" / "by-id", ec))
    if (Canonical(entry.path()) == node) return entry.path().filename().string();
  return "";
}

}  // namespace

PortDevice DescribePortDevice(const std::string& path, const DeviceRoots& roots) {
  PortDevice device;
  device.path = path;
  if (path.empty()) return device;
  const fs::path local = Rebase(path, "/dev", roots.dev);
  const fs::path node = Canonical(local);
  device.present = !node.empty();
  if (!device.present) return device;
  std::error_code ec;
  if (fs::is_symlink(local, ec)) {
    const std::string devRoot = Canonical(roots.dev).string();
    device.target = devRoot.empty() ? node.string() : Rebase(node.string(), devRoot, "/dev");
  }

  const fs::path usb = UsbDeviceOf(node.filename().string(), roots);
  if (!usb.empty()) {
    device.manufacturer = ReadAttribute(usb / "manufacturer");
    device.product = ReadAttribute(usb / "product");
    device.serial = ReadAttribute(usb / "serial");
  }
  device.byId = ByIdName(node, roots);
  return device;
}
