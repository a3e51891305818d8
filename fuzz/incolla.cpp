// Any clipboard text read as a pasted game: every field of the record ends inside its
// room and holds a value of its kind, no more tokens are kept than the record holds,
// and the legality pass leaves the board on the start position it began from.
#include "clock/incolla.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "clock/lettore_pgn.h"
#include "core/fen.h"
#include "core/mosse_legali.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "fuzz/finto.h"
#include "tests/core/verifica.h"

namespace {

constexpr std::size_t kLunghezzaMassima = 16384;

[[noreturn]] void Fallisce(const char* cosa) {
  std::fprintf(stderr, "pasted text: %s\n", cosa);
  std::abort();
}

template <std::size_t N>
void Terminato(const char (&campo)[N], const char* nome) {
  if (!std::memchr(campo, 0, N)) Fallisce(nome);
}

struct Ambiente {
  Ambiente() {
    fuzz::Finto();
    InizializzaTavoleScacchi();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  static Ambiente ambiente;
  (void)ambiente;
  static DatiPartita d;
  if (n > kLunghezzaMassima) return 0;
  const std::string testo(reinterpret_cast<const char*>(dati), n);
  InizializzaStrutturaDatiPartita(&d);
  LeggiDatiPartitaDaStringa(testo.c_str(), &d);

  Terminato(d.event, "event");
  Terminato(d.round, "round");
  Terminato(d.white_cognome, "white");
  Terminato(d.white_nome, "white");
  Terminato(d.black_cognome, "black");
  Terminato(d.black_nome, "black");
  Terminato(d.cadenza, "time control");
  Terminato(d.termination, "termination");
  if (d.mosse < 0 || d.mosse > MaxTokenMossa || d.mosse_trovate < d.mosse) Fallisce("token count");
  for (int i = 0; i < d.mosse; ++i) Terminato(d.token[i], "token");
  int s;
  if (d.tempo_bianco[0] && !CopiaSecondiDaStringa(&s, d.tempo_bianco)) Fallisce("white time");
  if (d.tempo_nero[0] && !CopiaSecondiDaStringa(&s, d.tempo_nero)) Fallisce("black time");
  const char* risultati[] = {"*", "1-0", "0-1", "1/2-1/2"};
  bool valido = false;
  for (const char* r : risultati) valido |= std::strcmp(d.risultato, r) == 0;
  if (!valido) Fallisce("result");
  if (std::strcmp(d.data_utc, "?") && std::strlen(d.data_utc) != 10) Fallisce("date");
  if (std::strcmp(d.ora_utc, "?") && std::strlen(d.ora_utc) != 8) Fallisce("time");

  // Dialogs answer Yes: a wrong move keeps the game up to it.
  NuovaPosizione(FenIniziale);
  const Istantanea prima = Fotografa();
  fuzz::Finto().dialogs.clear();
  const int mosse = d.mosse;
  if (MosseRegolariInDatiPartita(&d) && (d.mosse > mosse || d.mosse > static_cast<int>(MaxPly)))
    Fallisce("more moves accepted than read");
  if (!(Fotografa() == prima)) Fallisce("the legality pass moved the board");
  return 0;
}
