#include "core/settings/ServicePassword.h"

bool IsServicePassword(const std::string& text) { return text == kServicePassword; }
