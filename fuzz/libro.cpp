// Any bytes as a book file: reading the continuations along any line ends, lists at most
// 256 entries, largest count first, and never reads outside the file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "book/libro.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  if (n > 1 << 16) return 0;
  if (std::FILE* f = std::fopen("fuzz.vobf", "wb")) {
    std::fwrite(dati, 1, n, f);
    std::fclose(f);
  }
  LettoreLibro libro("fuzz.vobf");
  // The line: the first words of the file itself, so that walks go deep.
  std::uint64_t linea[32];
  std::size_t k = 0;
  for (; k < 32 && 16 * k + 4 <= n; ++k)
    linea[k] = dati[16 * k] | (dati[16 * k + 1] << 8) | (dati[16 * k + 2] << 16) |
               (static_cast<std::uint64_t>(dati[16 * k + 3]) << 24);
  for (std::size_t lunghezza = 0; lunghezza <= k; ++lunghezza) {
    VoceLibro lista[MaxContinuazioni];
    int c = LeggiContinuazioni(libro, linea, lunghezza, lista);
    if (c > MaxContinuazioni) std::abort();
    for (int i = 1; i < c; ++i)
      if (lista[i].conteggio > lista[i - 1].conteggio) std::abort();
  }
  return 0;
}
