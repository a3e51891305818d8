// The fake platform, installed once, for targets whose readers show dialogs or draw.
#pragma once

#include "platform/fake/fake_backend.h"

namespace fuzz {

inline platform::FakeBackend& Finto() {
  static platform::FakeBackend finto;
  static const bool installato = (platform::install(&finto), true);
  (void)installato;
  return finto;
}

}  // namespace fuzz
