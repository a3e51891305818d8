#include "record/script_html.h"

#include <vector>

#include "core/mossa.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_speech.h"
#include "record/partita.h"
#include "record/pgn.h"
#include "record/salvataggio.h"
#include "record/testi.h"

namespace {

using Scacchiera = std::string;  // 64 characters, as in the script

char Lettera(int tipo, int colore) {
  char c = CaratterePezzo[tipo];
  return colore == Bianco ? static_cast<char>(c - 'a' + 'A') : c;
}

Scacchiera ScacchieraAttuale() {
  Scacchiera s(64, '0');
  for (int q = 0; q < 64; ++q) {
    std::uint64_t codice = PezzoIn[q];
    if (codice == CasaVuota) continue;
    int pezzo = static_cast<int>(codice >> 4);
    s[q] = Lettera(pezzo >> 1, pezzo & 1);
  }
  return s;
}

// The rook's squares of a castling move whose king goes from da to a.
void TorreArrocco(int specie, int a, int& da_torre, int& a_torre) {
  if (specie == SpecieArroccoCorto) {
    da_torre = a + 1;
    a_torre = a - 1;
  } else {
    da_torre = a - 2;
    a_torre = a + 1;
  }
}

// The square of the pawn taken en passant: the mover's rank, the target's file.
int CasaPresaAlVarco(int da, int a) { return (da & ~7) | (a & 7); }

void Gioca(Scacchiera& s, std::uint64_t mossa, int colore) {
  int da = static_cast<int>(DaCasa(mossa)), a = static_cast<int>(ACasa(mossa));
  int specie = static_cast<int>(SpecieMossa(mossa));
  int promosso = specie < 64 ? TipoPromozioneMossa[specie] : 255;
  s[a] = promosso != 255 ? Lettera(promosso, colore) : s[da];
  s[da] = '0';
  if (specie == SpecieArroccoCorto || specie == SpecieArroccoLungo) {
    int dt, at;
    TorreArrocco(specie, a, dt, at);
    s[at] = s[dt];
    s[dt] = '0';
  } else if (specie == SpecieEnpassant) {
    s[CasaPresaAlVarco(da, a)] = '0';
  }
}

void Ritira(Scacchiera& s, std::uint64_t mossa, int colore) {
  int da = static_cast<int>(DaCasa(mossa)), a = static_cast<int>(ACasa(mossa));
  int specie = static_cast<int>(SpecieMossa(mossa));
  bool promozione = specie < 64 && TipoPromozioneMossa[specie] != 255;
  int preso = specie < 61 ? TipoCatturaMossa[specie] : 255;
  s[da] = promozione ? Lettera(Pedone, colore) : s[a];
  s[a] = '0';
  if (specie == SpecieArroccoCorto || specie == SpecieArroccoLungo) {
    int dt, at;
    TorreArrocco(specie, a, dt, at);
    s[dt] = s[at];
    s[at] = '0';
  } else if (specie == SpecieEnpassant) {
    s[CasaPresaAlVarco(da, a)] = Lettera(Pedone, 1 - colore);
  } else if (preso != 255) {
    s[a] = Lettera(preso, 1 - colore);
  }
}

// Plies of the game: ElencoMosse[primo .. ContatoreMosse]; ply k was played
// by the colour (k - 1) & 1.
std::uint64_t PrimaSemimossa() { return TurnoIniziale + 1; }

}  // namespace

std::string StringaJs(const std::string& testo) {
  static const char cifre[] = "0123456789ABCDEF";
  std::string t = "\"";
  for (std::size_t i = 0; i < testo.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(testo[i]);
    switch (c) {
      case '"': t += "\\\""; break;
      case '\\': t += "\\\\"; break;
      case '\n': t += "\\n"; break;
      case '\r': t += "\\r"; break;
      // "</script>" and "<!--" never appear as such, even if the text is
      // ever put inside a page's script element.
      case '<': t += "\\x3C"; break;
      case '>': t += "\\x3E"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          t += "\\x";
          t += cifre[c >> 4];
          t += cifre[c & 15];
        } else if (c == 0xE2 && i + 2 < testo.size() &&
                   static_cast<unsigned char>(testo[i + 1]) == 0x80 &&
                   (static_cast<unsigned char>(testo[i + 2]) & 0xFE) == 0xA8) {
          // U+2028 and U+2029 end a line inside older JavaScript strings.
          t += (static_cast<unsigned char>(testo[i + 2]) == 0xA8) ? "\\u2028" : "\\u2029";
          i += 2;
        } else {
          t += static_cast<char>(c);
        }
    }
  }
  return t + "\"";
}

std::string ScacchiereDellaPartita() {
  std::uint64_t primo = PrimaSemimossa(), ultimo = ContatoreMosse;
  // A private copy of the moves: whatever else runs through the shared
  // copies (board review, the book builder) is not disturbed, nor disturbs.
  std::vector<std::uint64_t> mosse(ElencoMosse + primo, ElencoMosse + ultimo + 1);
  Scacchiera s = ScacchieraAttuale();
  for (std::uint64_t k = ultimo; k >= primo; --k) Ritira(s, mosse[k - primo], (k - 1) & 1);
  std::string t = "\t\"" + s + "\"";
  for (std::uint64_t k = primo; k <= ultimo; ++k) {
    Gioca(s, mosse[k - primo], (k - 1) & 1);
    t += ",\n\t\"" + s + "\"";
  }
  return t;
}

std::string TestoScriptHtml() {
  std::string sommario = TestoEvento() + "<br />" + TestoGiocatori();
  std::uint64_t primo = PrimaSemimossa(), ultimo = ContatoreMosse;
  std::string t = "\n\n    var InfoPartita = " + StringaJs(sommario) + ";\n";
  t += Formato("\n    var ContatoreMosse = %llu;\n",
               static_cast<unsigned long long>(ultimo + 1 - primo));
  t += Formato("    var lingua = %d;\n", lang());
  t += "    var partita = [\n" + ScacchiereDellaPartita() + "\n\t];\n";
  t += "    var UltimaMossa = [\n\t" + StringaJs(Testo(StrPosizioneIniziale));
  for (std::uint64_t k = primo; k <= ultimo && k < MaxSemimosse; ++k)
    t += ",\n\t" + StringaJs(ElencoStringaMossa[k]);
  t += "\n\t];\n";
  return t;
}

int SalvaPartitaHtml() { return ScriviFileDellaPartita(PercorsoScriptHtml(), TestoScriptHtml()); }
