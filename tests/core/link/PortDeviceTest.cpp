#include <gtest/gtest.h>

#include <filesystem>

#include "core/link/PortDevice.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// A kernel device tree and device folder as Linux lays them out for one FTDI
// adapter (ttyUSB0), one modem-class adapter without a serial number
// (ttyACM0) and one on-board port (ttyS0).
class FakeDevices {
 public:
  FakeDevices() {
    const std::string usb = "sys/devices/pci0000:00/usb1/";
    Attributes(
        usb + "1-2",
        {{"idVendor", "0403"}, {"manufacturer", "FTDI"}, {"product", "FT232R USB UART"}, {"serial", "A600XK1D"}});
    Attributes(usb + "1-3", {{"idVendor", "1a86"}, {"manufacturer", "QinHeng"}, {"product", "CH9102 串口"}});
    fs::create_directories(m_dir.file(usb + "1-2/1-2:1.0/ttyUSB0"));
    fs::create_directories(m_dir.file(usb + "1-3/1-3:1.0"));
    fs::create_directories(m_dir.file("sys/devices/platform/serial8250"));
    TtyDevice("ttyUSB0", "../../../devices/pci0000:00/usb1/1-2/1-2:1.0/ttyUSB0");
    TtyDevice("ttyACM0", "../../../devices/pci0000:00/usb1/1-3/1-3:1.0");
    TtyDevice("ttyS0", "../../../devices/platform/serial8250");
    fs::create_directories(m_dir.file("dev/serial/by-id"));
    for (const char* node : {"ttyUSB0", "ttyACM0", "ttyS0"}) m_dir.Write(std::string("dev/") + node, "");
    fs::create_symlink("../../ttyUSB0", m_dir.file("dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A600XK1D-if00-port0"));
    fs::create_symlink(m_dir.file("dev/ttyACM0"), m_dir.file("radio"));
  }

  DeviceRoots Roots() const { return {m_dir.file("sys"), m_dir.file("dev")}; }
  std::string File(const std::string& name) const { return m_dir.file(name); }

 private:
  void Attributes(const std::string& folder, std::initializer_list<std::pair<const char*, const char*>> files) {
    fs::create_directories(m_dir.file(folder));
    for (const auto& file : files) m_dir.Write(folder + "/" + file.first, std::string(file.second) + "\n");
  }
  void TtyDevice(const std::string& name, const std::string& target) {
    fs::create_directories(m_dir.file("sys/class/tty/" + name));
    fs::create_symlink(target, m_dir.file("sys/class/tty/" + name + "/device"));
  }
  TempDir m_dir;
};

TEST(PortDevice, TextNamesWhatLinuxReports) {
  FakeDevices tree;
  const std::string radio = tree.File("radio");
  const struct {
    std::string path;
    Language language;
    std::string text;
  } cases[] = {
      {"/dev/ttyUSB0", Language::English,
       "/dev/ttyUSB0\nMaker: FTDI\nProduct: FT232R USB UART\nSerial number: A600XK1D\n"
       "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A600XK1D-if00-port0"},
      {"/dev/ttyUSB0", Language::Chinese,
       "/dev/ttyUSB0\n制造商：FTDI\n产品：FT232R USB UART\n序列号：A600XK1D\n"
       "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A600XK1D-if00-port0"},
      // A by-id link in the profile resolves to the node it names.
      {"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A600XK1D-if00-port0", Language::English,
       "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A600XK1D-if00-port0 -> /dev/ttyUSB0\nMaker: FTDI\n"
       "Product: FT232R USB UART\nSerial number: A600XK1D\n"
       "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A600XK1D-if00-port0"},
      {"/dev/ttyACM0", Language::English, "/dev/ttyACM0\nMaker: QinHeng\nProduct: CH9102 串口"},
      {radio, Language::English, radio + " -> /dev/ttyACM0\nMaker: QinHeng\nProduct: CH9102 串口"},
      {"/dev/ttyS0", Language::English, "/dev/ttyS0"},
      {"/dev/ttyUSB1", Language::English, "/dev/ttyUSB1 (not present)"},
      {"/dev/ttyUSB1", Language::Chinese, "/dev/ttyUSB1 (不存在)"},
      {"", Language::English, " (not present)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PortDeviceText(DescribePortDevice(c.path, tree.Roots()), c.language), c.text) << c.path;
}

TEST(PortDevice, MissingTreesGiveThePathAlone) {
  TempDir empty;
  const DeviceRoots roots{empty.file("sys"), empty.file("dev")};
  const PortDevice device = DescribePortDevice("/dev/null", {empty.file("sys"), "/dev"});
  EXPECT_TRUE(device.present);
  EXPECT_EQ(PortDeviceText(device, Language::English), "/dev/null");
  EXPECT_FALSE(DescribePortDevice("/dev/null", roots).present);
}

}  // namespace
