#include "core/link/PortDevice.h"

#include <string>
#include <utility>

#include "core/link/TransferTexts.h"

std::string PortDeviceText(const PortDevice& device, Language language) {
  std::string text = device.path;
  if (!device.present) return text + " (" + kDeviceNotPresentText(language) + ")";
  if (!device.target.empty()) text += " -> " + device.target;
  const char* separator = kDeviceFieldSeparator(language);
  const std::pair<const LangText*, const std::string*> lines[] = {{&kDeviceMakerLabel, &device.manufacturer},
                                                                  {&kDeviceProductLabel, &device.product},
                                                                  {&kDeviceSerialLabel, &device.serial}};
  for (const auto& line : lines)
    if (!line.second->empty()) text += "\n" + std::string((*line.first)(language)) + separator + *line.second;
  if (!device.byId.empty()) text += "\n/dev/serial/by-id/" + device.byId;
  return text;
}
