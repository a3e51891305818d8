#include "platform/calendar.h"

namespace platform {

DateTime break_down_utc(std::int64_t epoch_ms) {
  std::int64_t secs = epoch_ms >= 0 ? epoch_ms / 1000 : (epoch_ms - 999) / 1000;
  DateTime t;
  t.millisecond = static_cast<int>(epoch_ms - secs * 1000);
  std::int64_t days = secs >= 0 ? secs / 86400 : (secs - 86399) / 86400;
  std::int64_t rem = secs - days * 86400;
  t.hour = static_cast<int>(rem / 3600);
  t.minute = static_cast<int>(rem % 3600 / 60);
  t.second = static_cast<int>(rem % 60);
  t.weekday = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
  // Civil-from-days (Howard Hinnant's algorithm).
  days += 719468;
  std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  std::int64_t doe = days - era * 146097;
  std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  std::int64_t y = yoe + era * 400;
  std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  std::int64_t mp = (5 * doy + 2) / 153;
  t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  t.year = static_cast<int>(y + (t.month <= 2));
  return t;
}

}  // namespace platform
