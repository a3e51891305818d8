// Vantorel: start-up in a few lines, then the main loop until the exit command.
#include <cstdio>

#include "platform/posix/posix_backend.h"
#include "ui/ciclo.h"

int main() {
  std::string error;
  auto backend = platform::make_posix_backend(error);
  if (!backend) {
    std::fprintf(stderr, "vantorel: %s\n", error.c_str());
    return 2;
  }
  platform::install(backend.get());
  inizializza();
  for (;;) CicloPrincipale();
}
