// Console input records to the program's key events.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/platform.h"

namespace platform::win32 {

// Turns the key records among `records` into key events (a record with a
// repeat count gives that many), skipping mouse, focus, size and menu
// records. A character outside the basic plane arrives as two records, its
// surrogates: `pending_high` carries the first from one call to the next.
void append_key_events(const INPUT_RECORD* records, int count, wchar_t& pending_high,
                       std::vector<KeyEvent>& out);

}  // namespace platform::win32
