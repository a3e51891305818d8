// Any text as the builder's PGN file: the build ends, the book it makes has every link
// forwards and inside the file, and the board is the starting position again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "book/costruttore_libro.h"
#include "core/fen.h"
#include "core/posizione.h"
#include "core/tavole.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  static const bool tavole = (InizializzaTavoleScacchi(), true);
  (void)tavole;
  if (n > 1 << 16) return 0;
  std::FILE* f = std::tmpfile();
  if (!f) return 0;
  std::fwrite(dati, 1, n, f);
  std::rewind(f);
  NuovaPosizione(FenIniziale);
  const std::uint64_t chiave = ChiaveHash;
  std::vector<NodoLibro> libro;
  EsitoCostruzione e = CostruisciLibroDa(f, libro, CriteriLibro{1, 40, 0});
  std::fclose(f);
  if (!LibroIntegro(libro) || ContatoreMosse != 0 || ChiaveHash != chiave ||
      e.linee_nuove > e.partite)
    std::abort();
  return 0;
}
