#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
Backend* g_backend = nullptr;
void (*g_session_end_hook)() = nullptr;
}

void install(Backend* backend) { g_backend = backend; }

Backend& current() {
  if (!g_backend) {
    std::fputs("vantorel: no platform backend installed\n", stderr);
    std::abort();
  }
  return *g_backend;
}

void set_session_end_hook(void (*hook)()) { g_session_end_hook = hook; }

void run_session_end_hook() {
  // Once only: a second signal during the save must not start another.
  void (*hook)() = g_session_end_hook;
  g_session_end_hook = nullptr;
  if (hook) hook();
}

}  // namespace platform
