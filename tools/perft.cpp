// vantorel-perft "<FEN>" <depth>: counts the leaf nodes of the legal-move tree, one line per
// root move in coordinate notation, then the total.
#include "core/perft.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/fen.h"
#include "core/posizione.h"
#include "core/tavole.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vantorel-perft \"<FEN>\" <depth>\n");
    return 2;
  }
  char* fine = nullptr;
  const long profondita = std::strtol(argv[2], &fine, 10);
  if (!*argv[2] || *fine || profondita < 1 || profondita > 20) {
    std::fprintf(stderr, "vantorel-perft: depth must be a whole number from 1 to 20: %s\n",
                 argv[2]);
    return 2;
  }
  InizializzaTavoleScacchi();
  SvuotaScacchiera();
  if (!CaricaPosizioneDaStringaFen(argv[1])) {
    std::fprintf(stderr, "vantorel-perft: not a valid FEN position: %s\n", argv[1]);
    return 2;
  }
  std::uint64_t totale = 0;
  Divide(static_cast<int>(profondita), [&](std::uint64_t mossa, std::uint64_t nodi) {
    char testo[6];
    ScriviMossaUci(mossa, testo);
    std::printf("%s: %llu\n", testo, static_cast<unsigned long long>(nodi));
    totale += nodi;
  });
  std::printf("\nNodes searched: %llu\n", static_cast<unsigned long long>(totale));
  return 0;
}
