#include "core/os/CalendarTime.h"

#include <time.h>

std::tm LocalCalendar(std::time_t when) {
  std::tm local{};
  ::localtime_r(&when, &local);
  return local;
}

std::time_t UtcFromCalendar(std::tm fields) { return ::timegm(&fields); }
