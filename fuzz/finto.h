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

// What the fake recorded (dialogs, tones, pauses, clipboard writes), dropped when an input
// is done: an input that leaves allocations behind makes libFuzzer look for a leak.
struct Registrazioni {
  Registrazioni() { Svuota(); }
  ~Registrazioni() { Svuota(); }
  static void Svuota() {
    platform::FakeBackend& f = Finto();
    f.dialogs = {};
    f.tones = {};
    f.sleeps = {};
    f.clipboard_writes = {};
  }
};

}  // namespace fuzz
