#include "platform/win32/wall_clock.h"

#include <windows.h>

#include "platform/calendar.h"

namespace platform::win32 {

namespace {

// FILETIME counts 100 ns from 1601-01-01; Unix time starts 11644473600 s later.
constexpr std::int64_t kEpochDifferenceMs = 11644473600000LL;

std::int64_t file_time_ms(const FILETIME& f) {
  ULARGE_INTEGER u;
  u.LowPart = f.dwLowDateTime;
  u.HighPart = f.dwHighDateTime;
  return static_cast<std::int64_t>(u.QuadPart / 10000) - kEpochDifferenceMs;
}

}  // namespace

std::int64_t now_epoch_ms() {
  FILETIME f;
  GetSystemTimeAsFileTime(&f);
  return file_time_ms(f);
}

DateTime local_time(std::int64_t epoch_ms) {
  DateTime utc = break_down_utc(epoch_ms);
  SYSTEMTIME u{};
  u.wYear = static_cast<WORD>(utc.year);
  u.wMonth = static_cast<WORD>(utc.month);
  u.wDay = static_cast<WORD>(utc.day);
  u.wDayOfWeek = static_cast<WORD>(utc.weekday);
  u.wHour = static_cast<WORD>(utc.hour);
  u.wMinute = static_cast<WORD>(utc.minute);
  u.wSecond = static_cast<WORD>(utc.second);
  u.wMilliseconds = static_cast<WORD>(utc.millisecond);
  SYSTEMTIME l;
  if (utc.year < 1601 || !SystemTimeToTzSpecificLocalTime(nullptr, &u, &l)) return utc;
  return DateTime{l.wYear, l.wMonth, l.wDay, l.wHour, l.wMinute, l.wSecond, l.wMilliseconds,
                  l.wDayOfWeek};
}

}  // namespace platform::win32
