#include "core/os/CalendarTime.h"

std::tm LocalCalendar(std::time_t when) {
  std::tm local{};
  ::localtime_s(&local, &when);
  return local;
}

std::time_t UtcFromCalendar(std::tm fields) { return ::_mkgmtime(&fields); }
