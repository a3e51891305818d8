// Any clipboard text read as a pasted game: every field of the record ends inside its
// room, holds whole UTF-8 characters no more than its limit and a value of its kind, no
// more tokens are kept than the record holds, the legality pass leaves the board on the
// start position it began from, and the moves it accepts replay: each kept token names
// exactly one legal move in turn.
#include "clock/incolla.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "clock/lettore_pgn.h"
#include "core/fai_mossa.h"
#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/notazione.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "fuzz/finto.h"
#include "record/utf8.h"
#include "tests/core/verifica.h"

namespace {

constexpr std::size_t kLunghezzaMassima = 16384;

[[noreturn]] void Fallisce(const char* cosa) {
  std::fprintf(stderr, "pasted text: %s\n", cosa);
  std::abort();
}

// Ends inside its room, whole UTF-8 characters, at most `caratteri` of them.
template <std::size_t N>
void Terminato(const char (&campo)[N], const char* nome, int caratteri = N - 1) {
  if (!std::memchr(campo, 0, N)) Fallisce(nome);
  for (const char* p = campo; *p; --caratteri) {
    const int l = utf8_sequence_length(p);
    if (l == 0 || caratteri == 0) Fallisce(nome);
    p += l;
  }
}

bool Elo(const char* e) {
  if (!*e) return true;
  if (std::strlen(e) != 4 || std::strspn(e, "0123456789") != 4) return false;
  const int v = std::atoi(e);
  return v >= 1000 && v <= 4000;
}

// Plays the kept tokens from the start position, each of them exactly one legal move,
// and takes them back.
void Rigioca(const DatiPartita& d) {
  int giocate = 0;
  for (; giocate < d.mosse; ++giocate) {
    GeneraMosseLegali();
    DettagliMossa dettagli;
    std::uint64_t m[DimensioneBufferMosse];
    if (!LeggiDettagliMossaDaStringa(d.token[giocate], &dettagli) ||
        TrovaMosseCompatibili(m, &dettagli, DimensioneBufferMosse) != 1)
      Fallisce("an accepted token does not name one legal move");
    if (!TavolaFaiMossa()[SpecieMossa(m[0])](m[0])) Fallisce("an accepted move is refused");
  }
  if (!Incoerenza().empty()) Fallisce("the replayed game is not consistent");
  while (giocate--) {
    const std::uint64_t m = ElencoMosse[ContatoreMosse];
    TavolaRitiraMossa()[SpecieMossa(m)](m);
  }
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
  const fuzz::Registrazioni registrazioni;
  const std::string testo(reinterpret_cast<const char*>(dati), n);
  InizializzaStrutturaDatiPartita(&d);
  LeggiDatiPartitaDaStringa(testo.c_str(), &d);

  Terminato(d.event, "event", 50);
  Terminato(d.round, "round", 50);
  Terminato(d.white_cognome, "white", 50);
  Terminato(d.white_nome, "white", 50);
  Terminato(d.black_cognome, "black", 50);
  Terminato(d.black_nome, "black", 50);
  Terminato(d.cadenza, "time control", 63);
  Terminato(d.termination, "termination", 50);
  if (!Elo(d.white_elo) || !Elo(d.black_elo)) Fallisce("rating");
  if (d.mosse < 0 || d.mosse > MaxTokenMossa || d.mosse_trovate < d.mosse) Fallisce("token count");
  for (int i = 0; i < d.mosse; ++i) Terminato(d.token[i], "token", 7);
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
  const bool accettata = MosseRegolariInDatiPartita(&d);
  if (accettata && (d.mosse > mosse || d.mosse > static_cast<int>(MaxPly)))
    Fallisce("more moves accepted than read");
  if (!(Fotografa() == prima)) Fallisce("the legality pass moved the board");
  if (accettata) Rigioca(d);
  return 0;
}
