// The description of the last move at the three levels of detail, and its
// "read" command.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "config/ini.h"
#include "core/mossa.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_speech.h"
#include "data/msg_ui.h"
#include "record/partita.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"

namespace {

constexpr int kNessuna = -1;

// Which from-coordinates the move text names: "Nbd2" the file, "R1e2" the
// rank, "Qh4e1" both, "exd4" the file of the pawn.
struct Disambiguazione {
  int colonna = kNessuna;   // 0 = a
  int traversa = kNessuna;  // 1..8
};

Disambiguazione leggi_disambiguazione(const char* testo) {
  std::string c;
  for (const char* p = testo; *p; ++p) {
    char x = *p;
    bool lettera = (x >= 'a' && x <= 'h') || (x >= 'A' && x <= 'Z');
    bool cifra = x >= '1' && x <= '8';
    if ((lettera || cifra) && x != 'x' && x != 'X') c += x;
  }
  if (!c.empty() && std::strchr("NBRQK", c.front())) c.erase(0, 1);    // the piece
  if (!c.empty() && c.back() >= 'A' && c.back() <= 'Z') c.pop_back();  // the promotion
  Disambiguazione d;
  if (c.size() < 3) return d;  // only the target square
  for (std::size_t i = 0; i + 2 < c.size(); ++i) {
    if (c[i] >= 'a' && c[i] <= 'h') d.colonna = c[i] - 'a';
    if (c[i] >= '1' && c[i] <= '8') d.traversa = c[i] - '0';
  }
  return d;
}

void aggiungi(std::string& t, const char* parola) {
  t += ' ';
  t += parola;
}

void aggiungi_colonna(std::string& t, int colonna) {
  aggiungi(t, Testo(StrSpellingLetteraColonna, 8, colonna));
}

void aggiungi_traversa(std::string& t, int traversa) {
  t += ' ';
  t += std::to_string(traversa);
}

// " Echo 4"
void aggiungi_casa(std::string& t, int casa) {
  aggiungi_colonna(t, casa % 8);
  aggiungi_traversa(t, 8 - casa / 8);
}

// From the capture onwards, as the medium and long levels say it.
void aggiungi_arrivo(std::string& t, int specie, int a) {
  int preso = TipoCatturaMossa[specie];
  if (specie == SpecieEnpassant) {
    aggiungi(t, Testo(StrCattura));
    aggiungi(t, Testo(StrAlVarco));
    aggiungi(t, Testo(StrSu));
  } else if (preso != 255) {
    aggiungi(t, Testo(StrCattura));
    aggiungi(t, Testo(StrIlPezzo, 6, preso));
    aggiungi(t, Testo(StrSu));
  } else {
    aggiungi(t, Testo(StrVerso));
  }
  aggiungi_casa(t, a);
  int promosso = TipoPromozioneMossa[specie];
  if (promosso != 255) {
    aggiungi(t, Testo(StrPromuovendoA));
    aggiungi(t, Testo(StrNomePezzo, 6, promosso));
  }
}

// " check", " discovered check" or " double check" when the side to move is in check.
void aggiungi_scacco(std::string& t, int specie, int a) {
  int primo = PrimoScaccoDa(InfoPosizione), secondo = SecondoScaccoDa(InfoPosizione);
  bool uno = primo < 64, due = secondo < 64;
  if (!uno && !due) return;
  if (uno && due) {
    aggiungi(t, Testo(StrScacco, 3, 2));
    return;
  }
  int da = uno ? primo : secondo;
  // In castling the piece that moves and may give check is the rook, beside the king.
  bool mosso = da == a || (specie == SpecieArroccoCorto && da == a - 1) ||
               (specie == SpecieArroccoLungo && da == a + 1);
  aggiungi(t, Testo(StrScacco, 3, mosso ? 0 : 1));
}

}  // namespace

void LeggiStringaUltimaMossa(char* buffer) {
  // A position loaded with black to move starts the count at 1.
  std::uint64_t k = ContatoreMosse;
  if (k <= TurnoIniziale || k >= DimensioneElencoMosse ||
      k >= static_cast<std::uint64_t>(MaxSemimosse)) {
    buffer[0] = 0;
    return;
  }
  std::uint64_t mossa = ElencoMosse[k];
  int specie = static_cast<int>(SpecieMossa(mossa));
  int da = static_cast<int>(DaCasa(mossa)), a = static_cast<int>(ACasa(mossa));
  int colore = static_cast<int>((k - 1) & 1);
  char prefisso[64];
  std::snprintf(prefisso, sizeof prefisso, "%s %d: ", Testo(StrColore, 2, colore),
                static_cast<int>((k - 1) / 2 + 1));
  std::string t = prefisso;
  if (specie < 1 || specie >= NumeroSpecie) {
    // A move word outside the kinds cannot come from the game record.
    std::snprintf(buffer, 1024, "%s", t.c_str());
    return;
  }

  if (specie == SpecieArroccoCorto || specie == SpecieArroccoLungo) {
    aggiungi(t, Testo(StrArrocco, 2, specie == SpecieArroccoCorto ? 0 : 1));
  } else {
    int pezzo = TipoPezzoMossa[specie];
    bool cattura = TipoCatturaMossa[specie] != 255 || specie == SpecieEnpassant;
    Disambiguazione d = leggi_disambiguazione(ElencoStringaMossa[k]);
    switch (ParametroIni[iniMDV].valore) {
      case 0:
        if (pezzo != Pedone || cattura) aggiungi(t, Testo(StrNomePezzo, 6, pezzo));
        if (d.colonna != kNessuna) aggiungi_colonna(t, d.colonna);
        if (d.traversa != kNessuna) aggiungi_traversa(t, d.traversa);
        if (cattura) aggiungi(t, Testo(StrCattura));
        if (specie == SpecieEnpassant) aggiungi(t, Testo(StrAlVarco));
        aggiungi_casa(t, a);
        if (TipoPromozioneMossa[specie] != 255)
          aggiungi(t, Testo(StrNomePezzo, 6, TipoPromozioneMossa[specie]));
        break;
      case 1:
        aggiungi(t, Testo(StrNomePezzo, 6, pezzo));
        if (d.colonna != kNessuna || d.traversa != kNessuna) {
          aggiungi(t, Testo(StrDa));
          if (d.colonna != kNessuna) aggiungi_colonna(t, d.colonna);
          if (d.traversa != kNessuna) aggiungi_traversa(t, d.traversa);
        }
        aggiungi_arrivo(t, specie, a);
        break;
      default:
        aggiungi(t, Testo(StrNomePezzo, 6, pezzo));
        aggiungi(t, Testo(StrDa));
        aggiungi_casa(t, da);
        aggiungi_arrivo(t, specie, a);
        break;
    }
  }
  aggiungi_scacco(t, specie, a);
  std::snprintf(buffer, 1024, "%s", t.c_str());
}

void AnunciaUltimaMossa() {
  bool parla = ParametroIni[iniAssistanceType].valore != 0;
  if (ContatoreMosse <= TurnoIniziale) {
    if (parla) {
      Anuncia(Testo(StrPosizioneIniziale), 1);
    } else {
      FinestraInfo(Testo(StrAttenzione), Testo(StrPosizioneIniziale));
    }
    return;
  }
  char descrizione[1024];
  LeggiStringaUltimaMossa(descrizione);
  if (parla) {
    Anuncia(descrizione, 1);
  } else {
    char titolo[64];
    std::snprintf(titolo, sizeof titolo, "%s %s", Testo(StrUltimaMossa), Testo(StrMossa));
    FinestraInfo(titolo, descrizione);
  }
}
