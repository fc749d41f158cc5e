#include "core/files/LocalTimeText.h"

#include <cstdio>

#include "core/os/CalendarTime.h"

std::string LocalTimeText(std::time_t when, char timeSeparator) {
  const std::tm local = LocalCalendar(when);
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%c%02d%c%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday, local.tm_hour, timeSeparator, local.tm_min, timeSeparator, local.tm_sec);
  return text;
}
