#include "core/notazione.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/mossa.h"
#include "core/posizione.h"

namespace {

bool Minuscola(char c) { return c >= 'a' && c <= 'z'; }
bool Maiuscola(char c) { return c >= 'A' && c <= 'Z'; }
bool Cifra(char c) { return c >= '0' && c <= '9'; }
bool Colonna(char c) { return c >= 'a' && c <= 'h'; }
bool Riga(char c) { return c >= '1' && c <= '8'; }
std::uint8_t TipoLettera(char c) {
  return static_cast<std::uint8_t>(std::strchr("PNBRQK", c) - "PNBRQK");
}
std::uint8_t DaColonna(char c) { return static_cast<std::uint8_t>(c - 'a'); }
std::uint8_t DaRiga(char c) { return static_cast<std::uint8_t>('8' - c); }

bool Corrisponde(std::uint64_t mossa, const DettagliMossa& d) {
  const std::uint64_t specie = SpecieMossa(mossa), da = DaCasa(mossa), a = ACasa(mossa);
  if (d.pezzo != NonDato && d.pezzo != TipoPezzoMossa[specie]) return false;
  if (d.da_colonna != NonDato && d.da_colonna != (da & 7)) return false;
  if (d.da_riga != NonDato && d.da_riga != (da >> 3)) return false;
  if (d.a_colonna != NonDato && d.a_colonna != (a & 7)) return false;
  if (d.a_riga != NonDato && d.a_riga != (a >> 3)) return false;
  const std::uint8_t promozione = TipoPromozioneMossa[specie];
  if (d.promozione != NonDato) return d.promozione == promozione;
  // Without a promotion letter only the queen promotion is meant.
  return promozione == 255 || promozione == Donna;
}

int Trova(std::uint64_t* out, const DettagliMossa& d, int capacita) {
  int n = 0;
  for (const std::uint64_t* m = BufferMosseGenerate; m < FineMosseGenerate; ++m)
    if (Corrisponde(*m, d)) {
      if (n < capacita) out[n] = *m;
      ++n;
    }
  return n;
}

}  // namespace

int LeggiDettagliMossaDaStringa(const char* testo, DettagliMossa* d) {
  *d = DettagliMossa{};
  char c[6];
  int n = 0, zeri = 0;
  for (const char* p = testo; *p; ++p) {
    char x = *p;
    if (!(Minuscola(x) || Maiuscola(x) || Cifra(x)) || x == 'x' || x == 'X') continue;
    if (std::strchr("ACDEFGH", x))
      x = static_cast<char>(x - 'A' + 'a');
    else if (std::strchr("nrqk", x))
      x = static_cast<char>(x - 'a' + 'A');
    else if (x == 'O' || x == 'o')
      x = '0';
    if (!std::strchr("12345678abcdefghNBRQK0", x)) return 0;
    if (n == 5) return 0;
    c[n++] = x;
    zeri += x == '0';
  }
  if (n < 2) return 0;
  // After a whole from-square and to-square a final "b" is the bishop promotion ("g2g1b").
  if (n == 5 && c[4] == 'b' && Colonna(c[0]) && Riga(c[1]) && Colonna(c[2]) && Riga(c[3]))
    c[4] = 'B';

  if (zeri) {
    if (zeri != n || n > 3) return 0;
    d->pezzo = Re;
    d->da_colonna = 4;
    d->a_colonna = n == 2 ? 6 : 2;
    return 1;
  }

  const char* r = c;
  if (Maiuscola(c[0])) {
    d->pezzo = TipoLettera(c[0]);
    ++r;
    --n;
  } else if (Maiuscola(c[n - 1])) {
    d->promozione = TipoLettera(c[n - 1]);
    if (d->promozione == Re) return 0;  // "e8K": a pawn never becomes a king
    --n;
  }
  if (n < 2 || n > 4) return 0;
  for (int i = 0; i < n; ++i)
    if (!Riga(r[i]) && !Colonna(r[i])) return 0;

  if (n == 4) {
    if (!Colonna(r[0]) || !Riga(r[1]) || !Colonna(r[2]) || !Riga(r[3])) return 0;
    d->da_colonna = DaColonna(r[0]);
    d->da_riga = DaRiga(r[1]);
    d->a_colonna = DaColonna(r[2]);
    d->a_riga = DaRiga(r[3]);
    return 1;
  }
  if (d->pezzo == NonDato) d->pezzo = Pedone;
  if (n == 3) {
    if (!Colonna(r[1]) || !Riga(r[2])) return 0;
    d->a_colonna = DaColonna(r[1]);
    d->a_riga = DaRiga(r[2]);
    if (Riga(r[0])) {
      d->da_riga = DaRiga(r[0]);
      return 1;
    }
    d->da_colonna = DaColonna(r[0]);
    // "be5" cannot be a pawn capture from the b-file: it is the bishop move.
    const int distanza = d->da_colonna - d->a_colonna;
    if (d->pezzo == Pedone && d->da_colonna == 1 && distanza != 1 && distanza != -1) {
      d->pezzo = Alfiere;
      d->da_colonna = NonDato;
    }
    return 1;
  }
  if (Colonna(r[0]) && Riga(r[1])) {
    d->a_colonna = DaColonna(r[0]);
    d->a_riga = DaRiga(r[1]);
    return 1;
  }
  if (Colonna(r[0]) && Colonna(r[1]) && d->pezzo == Pedone) {
    const int distanza = r[0] - r[1];
    if (distanza != 1 && distanza != -1) return 0;
    d->da_colonna = DaColonna(r[0]);
    d->a_colonna = DaColonna(r[1]);
    return 1;
  }
  return 0;
}

int TrovaMosseCompatibili(std::uint64_t* out, const DettagliMossa* d, int capacita) {
  const int n = Trova(out, *d, capacita);
  if (n || d->pezzo != Pedone || d->da_colonna != 1 || d->da_riga != NonDato ||
      d->a_colonna == NonDato || d->a_riga == NonDato)
    return n;
  // Typed bc3 with no b-pawn able to take on c3: the bishop move to c3.
  DettagliMossa alfiere = *d;
  alfiere.pezzo = Alfiere;
  alfiere.da_colonna = NonDato;
  return Trova(out, alfiere, capacita);
}

int DisambiguazioneNeccessaria(const DettagliMossa* d) {
  int n = 0;
  for (const std::uint64_t* m = BufferMosseGenerate; m < FineMosseGenerate; ++m) {
    const std::uint64_t da = DaCasa(*m), a = ACasa(*m);
    if (TipoPezzoMossa[SpecieMossa(*m)] != d->pezzo || (a & 7) != d->a_colonna ||
        (a >> 3) != d->a_riga)
      continue;
    if (d->da_colonna != NonDato && (da & 7) != d->da_colonna) continue;
    if (d->da_riga != NonDato && (da >> 3) != d->da_riga) continue;
    ++n;
  }
  if (n == 0) {
    // The move being written is always in the list; reaching this is an internal error.
    std::fputs("DisambiguazioneNeccessaria\n", stderr);
    std::exit(1);
  }
  return n > 1;
}

void ScriviNotazioneAlgebrica(std::uint64_t mossa, char* out) {
  const std::uint64_t specie = SpecieMossa(mossa), da = DaCasa(mossa), a = ACasa(mossa);
  if (specie == SpecieArroccoCorto) {
    std::strcpy(out, "O-O");
    return;
  }
  if (specie == SpecieArroccoLungo) {
    std::strcpy(out, "O-O-O");
    return;
  }
  const int pezzo = TipoPezzoMossa[specie];
  if (pezzo != Pedone) {
    *out++ = "PNBRQK"[pezzo];
    DettagliMossa d;
    d.pezzo = static_cast<std::uint8_t>(pezzo);
    d.a_colonna = static_cast<std::uint8_t>(a & 7);
    d.a_riga = static_cast<std::uint8_t>(a >> 3);
    if (DisambiguazioneNeccessaria(&d)) {
      d.da_colonna = static_cast<std::uint8_t>(da & 7);
      if (DisambiguazioneNeccessaria(&d)) {
        d.da_colonna = NonDato;
        d.da_riga = static_cast<std::uint8_t>(da >> 3);
        if (DisambiguazioneNeccessaria(&d)) {
          d.da_colonna = static_cast<std::uint8_t>(da & 7);
          // From-file and rank name one square: two moves cannot share them.
          if (DisambiguazioneNeccessaria(&d))
            std::fputs("Errore in disambigua mossa pezzo\n", stderr);
        }
      }
    }
    if (d.da_colonna != NonDato) *out++ = CarattereColonna[d.da_colonna];
    if (d.da_riga != NonDato) *out++ = static_cast<char>('8' - d.da_riga);
    if (specie > 10) *out++ = 'x';
  } else if ((da & 7) != (a & 7)) {
    *out++ = CarattereColonna[da & 7];
    *out++ = 'x';
  }
  *out++ = CarattereColonna[a & 7];
  *out++ = static_cast<char>('8' - (a >> 3));
  const int promozione = TipoPromozioneMossa[specie];
  if (promozione != 255) {
    *out++ = '=';
    *out++ = "PNBRQK"[promozione];
  }
  *out = 0;
}
