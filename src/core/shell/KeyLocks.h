#pragma once
// The state of the keyboard's lock keys, as the kernel's keyboard LEDs show
// it. Unknown (no LED found) reads as off.
#include <string>

enum class KeyLock { Caps, Num, Scroll };

// ledFolder is normally "/sys/class/leds/"; tests give their own.
bool KeyLockOn(KeyLock lock, const std::string& ledFolder = "/sys/class/leds/");
