// A speech daemon stand-in for the end-to-end tests: listens where
// SPEECHD_ADDRESS points the program, and appends each spoken text as one
// line to a file, so a shell script can wait for what the player hears.
// Usage: ssip_standin ADDRESS_FILE SPOKEN_FILE (ends on SIGTERM).
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>

#include "tests/speech/ssip_server.h"

namespace {
volatile std::sig_atomic_t fine = 0;
void Termina(int) { fine = 1; }
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  std::signal(SIGTERM, Termina);
  std::signal(SIGINT, Termina);
  FakeSsipServer server;
  std::string temporaneo = std::string(argv[1]) + ".tmp";
  if (std::FILE* f = std::fopen(temporaneo.c_str(), "w")) {
    std::fprintf(f, "%s\n", server.address().c_str());
    std::fclose(f);
    std::rename(temporaneo.c_str(), argv[1]);
  }
  std::size_t scritte = 0;
  while (!fine) {
    auto log = server.log();
    if (log.size() > scritte) {
      std::FILE* f = std::fopen(argv[2], "a");
      if (!f) return 1;
      for (; scritte < log.size(); ++scritte)
        if (log[scritte].rfind("SPEAK ", 0) == 0) std::fprintf(f, "%s\n", log[scritte].c_str() + 6);
      std::fclose(f);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return 0;
}
