// Calendar time from the Windows clock.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace platform::win32 {

std::int64_t now_epoch_ms();
// The local time of the user's time zone, with its daylight-saving rule at
// that date.
DateTime local_time(std::int64_t epoch_ms);

}  // namespace platform::win32
