// A game of any length up to the last ply the arrays hold, played straight
// onto the board: the knights go out and back, so it never ends by itself.
#pragma once

#include <algorithm>
#include <string>

#include "core/fai_mossa.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/notazione.h"
#include "core/posizione.h"
#include "record/partita.h"

inline bool GiocaCavalliAvantiEIndietro(int semimosse) {
  // white g1-f3, f3-g1; black g8-f6, f6-g8 (squares: g1 62, f3 45, g8 6, f6 21)
  static const std::uint64_t andata[2][2] = {{62, 45}, {6, 21}};
  for (int i = 0; i < semimosse; ++i) {
    GeneraMosseLegali();
    const int colore = static_cast<int>(ContatoreMosse & 1);
    const bool ritorno = (ContatoreMosse / 2) % 2 == 1;
    std::uint64_t da = andata[colore][ritorno ? 1 : 0], a = andata[colore][ritorno ? 0 : 1];
    std::uint64_t scelta = 0;
    for (auto* m = BufferMosseGenerate; m < FineMosseGenerate; ++m)
      if (DaCasa(*m) == da && ACasa(*m) == a) scelta = *m;
    if (!scelta) return false;
    char san[16];
    ScriviNotazioneAlgebrica(scelta, san);
    if (!TavolaFaiMossa()[SpecieMossa(scelta) & 63](scelta)) return false;
    std::string testo(san);
    testo.copy(ElencoStringaMossa[ContatoreMosse], sizeof ElencoStringaMossa[0] - 1);
    ElencoStringaMossa[ContatoreMosse][std::min(testo.size(), sizeof ElencoStringaMossa[0] - 1)] = 0;
  }
  GeneraMosseLegali();
  return true;
}
