// Any bytes as eco.bin: a lookup of any line ends, and a classification it gives has a
// letter A to E, a number below 100 and names inside the table.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "book/eco.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  if (n > 1 << 16) return 0;
  if (std::FILE* f = std::fopen("fuzz-eco.bin", "wb")) {
    std::fwrite(dati, 1, n, f);
    std::fclose(f);
  }
  CaricaEco("fuzz-eco.bin");
  std::uint64_t linea[64];
  std::size_t k = 0;
  for (; k < 64 && 16 * k + 4 <= n; ++k)
    linea[k] = dati[16 * k] | (dati[16 * k + 1] << 8) | (dati[16 * k + 2] << 16) |
               (static_cast<std::uint64_t>(dati[16 * k + 3]) << 24);
  for (std::size_t lunghezza = 0; lunghezza <= k; ++lunghezza) {
    InfoApertura info;
    ClassificaMosse(linea, lunghezza, &info);
    if (info.trovata && (info.lettera < 'A' || info.lettera > 'E' || info.numero > 99 ||
                         info.apertura >= NessunaVariante || info.variante > NessunaVariante))
      std::abort();
  }
  return 0;
}
