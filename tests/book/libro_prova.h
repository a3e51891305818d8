// Book files made by hand for the tests: nodes at offsets 0, 16, 32 ...
#pragma once

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "book/libro.h"
#include "core/mossa.h"

namespace libro_prova {

// Move words of the lines the tests use.
inline const std::uint32_t e4 = Mossa(52, 36, 3), d4 = Mossa(51, 35, 3), e5 = Mossa(12, 28, 3),
                           c5 = Mossa(10, 26, 3), Nf3 = Mossa(62, 45, 5), Nc6 = Mossa(1, 18, 5),
                           Ng1 = Mossa(45, 62, 5), Nb8 = Mossa(18, 1, 5), a3 = Mossa(48, 40, 4),
                           b3 = Mossa(49, 41, 4), c3 = Mossa(50, 42, 4);

inline std::string Bytes(const std::vector<NodoLibro>& nodi) {
  std::string s;
  for (const NodoLibro& n : nodi) {
    std::uint32_t campi[4] = {n.mossa, n.figlio, n.fratello, n.conteggio};
    s.append(reinterpret_cast<const char*>(campi), 16);  // little-endian machines
  }
  return s;
}

inline void Scrivi(const std::string& nome, const std::string& dati) {
  std::ofstream(nome, std::ios::binary) << dati;
}

// 1. e4 (3 lines: 1...e5 ends, 1...c5 2. Nf3 twice counted), 1. d4 ends.
inline std::vector<NodoLibro> LibroPiccolo() {
  return {{e4, 32, 16, 3}, {d4, 0, 0, 1}, {e5, 0, 48, 1}, {c5, 64, 0, 2}, {Nf3, 0, 0, 2}};
}

}  // namespace libro_prova
