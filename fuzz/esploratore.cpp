// Any bytes as the book to consult, walked with the explorer's keys (the first input byte
// says how many of the next bytes are keys): after every key the board is consistent and
// within the plies a game holds, while exploring the selection is inside the list read for
// the position, and leaving the explorer gives back the starting position, whatever the
// book held.
#include "book/esploratore_libro.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "book/libro.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fen.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "fuzz/finto.h"
#include "tests/core/verifica.h"
#include "ui/stato.h"

namespace {

constexpr std::size_t kLunghezzaMassima = 1 << 16;

[[noreturn]] void Fallisce(const std::string& cosa) {
  std::fprintf(stderr, "book explorer: %s (ply %llu)\n", cosa.c_str(),
               static_cast<unsigned long long>(ContatoreMosse));
  std::abort();
}

void Controlla() {
  if (const std::string e = Incoerenza(); !e.empty()) Fallisce("board: " + e);
  if (ContatoreMosse >= MaxPly) Fallisce("past the plies a game holds");
  if (AlberoLibro.numero > static_cast<std::uint32_t>(MaxContinuazioni))
    Fallisce("more continuations than a list holds");
  // Once the explorer is left (a move the position does not allow), its list is not used
  // again until it is entered anew.
  if (focus == 4 && AlberoLibro.numero > 0 &&
      AlberoLibro.selezionata[ContatoreMosse] >= AlberoLibro.numero)
    Fallisce("selection outside the list");
}

struct Ambiente {
  Istantanea inizio;
  Ambiente() {
    fuzz::Finto();
    InizializzaTavoleScacchi();
    DefaultIni();
    std::snprintf(LibroDaConsultare, sizeof LibroDaConsultare, "fuzz");
    NuovaPosizione(FenIniziale);
    inizio = Fotografa();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  static Ambiente ambiente;
  if (n < 1 || n > kLunghezzaMassima) return 0;
  const std::size_t tasti = std::min<std::size_t>(dati[0] % 64, n - 1);
  if (std::FILE* f = std::fopen(PercorsoLibro(LibroDaConsultare).c_str(), "wb")) {
    std::fwrite(dati + 1 + tasti, 1, n - 1 - tasti, f);
    std::fclose(f);
  } else {
    Fallisce("cannot write the book");
  }
  const fuzz::Registrazioni registrazioni;
  ParametroIni[iniEchoExplorer].valore = dati[0] >> 7;
  PrimaVoltaInMoto = 0;
  focus = 0;

  AttivaEsplorazioneLibro();
  Controlla();
  for (std::size_t k = 1; k <= tasti && focus == 4; ++k) {
    switch (dati[k] % 5) {
      case 0: RaggiungiNodoFiglio(); break;
      case 1: RaggiungiNodoPadre(); break;
      case 2: RaggiungiNodoFratelloMinore(); break;
      case 3: RaggiungiNodoFratelloMaggiore(); break;
      default: comando_CopiaLineaNegliAppunti(); break;
    }
    Controlla();
  }
  if (focus == 4) DisattivaEsplorazioneLibro();
  if (ContatoreMosse != 0 || !(Fotografa() == ambiente.inizio))
    Fallisce("leaving did not give the starting position back");
  return 0;
}
