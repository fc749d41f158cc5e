#pragma once
// What a device path leads to, so that one radio given twice (a link and its
// target, a relative and an absolute path) is seen to be one.
#include <string>

// Equal for two paths to the same device: a character device by its device
// number, any other existing file by its inode, a path that leads nowhere
// by its text made absolute and plain ("./radio" and "/work/radio").
std::string DeviceIdentity(const std::string& path);
