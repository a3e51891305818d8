// Any text given to the FEN loader: a position it accepts must be consistent, every legal
// move must make and unmake back to the same position and keys, and the SAN the program
// writes for each legal move reads back to that move alone.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/fai_mossa.h"
#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/notazione.h"
#include "core/perft.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "tests/core/verifica.h"

namespace {

[[noreturn]] void Fallisce(const std::string& testo, const std::string& cosa) {
  std::fprintf(stderr, "FEN \"%s\": %s\n", testo.c_str(), cosa.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  static const bool tavole = (InizializzaTavoleScacchi(), true);
  (void)tavole;
  const std::string testo(reinterpret_cast<const char*>(dati), n);
  SvuotaScacchiera();
  if (!CaricaPosizioneDaStringaFen(testo.c_str())) return 0;
  if (const std::string e = Incoerenza(); !e.empty()) Fallisce(testo, "loaded: " + e);
  const std::vector<std::uint64_t> mosse = MosseLegali();
  const Istantanea prima = Fotografa();
  for (const std::uint64_t m : mosse) {
    char san[8];  // the room the writer documents, so that a longer text is caught
    ScriviNotazioneAlgebrica(m, san);
    DettagliMossa d;
    std::uint64_t trovate[DimensioneBufferMosse];
    if (!LeggiDettagliMossaDaStringa(san, &d) ||
        TrovaMosseCompatibili(trovate, &d, DimensioneBufferMosse) != 1 || trovate[0] != m)
      Fallisce(testo, std::string("SAN ") + san + " does not read back to its move");
  }
  for (const std::uint64_t m : mosse) {
    char uci[6];
    ScriviMossaUci(m, uci);
    if (!TavolaFaiMossa()[SpecieMossa(m)](m)) Fallisce(testo, std::string(uci) + " refused");
    if (const std::string e = Incoerenza(); !e.empty())
      Fallisce(testo, std::string("after ") + uci + ": " + e);
    TavolaRitiraMossa()[SpecieMossa(m)](m);
    if (!(Fotografa() == prima)) Fallisce(testo, std::string("unmake of ") + uci + " differs");
  }
  return 0;
}
