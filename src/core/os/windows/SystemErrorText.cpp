#include <cstring>

#include "core/os/OsError.h"

std::string SystemErrorText(int code) { return std::strerror(code); }
