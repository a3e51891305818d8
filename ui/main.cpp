// Vantorel: start-up in a few lines, then the main loop until the exit command.
#include <cstdio>

#ifdef _WIN32
#include "platform/win32/win32_backend.h"
#else
#include "platform/posix/posix_backend.h"
#endif
#include "ui/ciclo.h"

int main() {
  std::string error;
#ifdef _WIN32
  auto backend = platform::make_win32_backend(error);
#else
  auto backend = platform::make_posix_backend(error);
#endif
  if (!backend) {
    std::fprintf(stderr, "vantorel: %s\n", error.c_str());
    return 2;
  }
  platform::install(backend.get());
  inizializza();
  for (;;) CicloPrincipale();
}
