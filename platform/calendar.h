// Calendar arithmetic that needs no operating system.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace platform {

// Breaks a time in ms since 1970 UTC into a calendar date (proleptic Gregorian).
DateTime break_down_utc(std::int64_t epoch_ms);

}  // namespace platform
