#pragma once
// What the device behind a port is, as the system reports it
// (core/os/SerialDeviceFacts.h), in the user's words.
#include <string>

#include "core/lang/Language.h"
#include "core/os/SerialDeviceFacts.h"

// One line each: the path (and its target), maker, product, serial number,
// the by-id name; for a missing device the path and that it is not present.
std::string PortDeviceText(const PortDevice& device, Language language);
