#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
Backend* g_backend = nullptr;
}

void install(Backend* backend) { g_backend = backend; }

Backend& current() {
  if (!g_backend) {
    std::fputs("vantorel: no platform backend installed\n", stderr);
    std::abort();
  }
  return *g_backend;
}

}  // namespace platform
