#include "core/fen.h"

#include <cctype>
#include <string_view>

#include "core/fine_partita.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/posizione.h"
#include "core/tavole.h"

const char* const FenIniziale = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

namespace {

bool Spazio(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

struct Piazzamento {
  int re[2] = {0, 0};

  // Places one man through the inserisci operations; 0 when it cannot stand there.
  int Piazza(char c, std::uint64_t s) {
    if (s >= 64) return 0;
    static constexpr std::string_view lettere = "PNBRQKpnbrqk";
    const auto i = lettere.find(c);
    if (i == std::string_view::npos) return 0;
    const int tipo = static_cast<int>(i % 6), colore = static_cast<int>(i / 6);
    // Pawn moves and pawn keys exist only for ranks 2 to 7.
    if (tipo == Pedone && (s < 8 || s >= 56)) return 0;
    static constexpr int capacita[5] = {CapacitaPedoni, CapacitaPezziMinori, CapacitaPezziMinori,
                                        CapacitaTorri, CapacitaDonne};
    if (tipo == Re) {
      // The model keeps a single square per king.
      if (re[colore]++) return 0;
    } else if (Conta(colore == Bianco ? materiale_del_bianco : materiale_del_nero, tipo) >=
               capacita[tipo]) {
      return 0;
    }
    using Inserisci = void (*)(std::uint64_t);
    static constexpr Inserisci inserisci[12] = {
        inserisci_pedone_bianco, inserisci_cavallo_bianco, inserisci_alfiere_bianco,
        inserisci_torre_bianco,  inserisci_donna_bianco,   inserisci_re_bianco,
        inserisci_pedone_nero,   inserisci_cavallo_nero,   inserisci_alfiere_nero,
        inserisci_torre_nero,    inserisci_donna_nero,     inserisci_re_nero};
    inserisci[i](s);
    return 1;
  }
};

// Men beyond a side's original set can only come from promotions, one per missing pawn;
// more would let a promotion overflow a square list.
bool MaterialePossibile(std::uint64_t m) {
  auto oltre = [&](int tipo, int iniziali) {
    return Conta(m, tipo) > iniziali ? Conta(m, tipo) - iniziali : 0;
  };
  return Conta(m, Pedone) + oltre(Cavallo, 2) + oltre(Alfiere, 2) + oltre(Torre, 2) +
             oltre(Donna, 1) <=
         8;
}

bool Pezzo(std::uint64_t s, int tipo, int colore) {
  return PezzoIn[s] != CasaVuota && (PezzoIn[s] >> 4) == std::uint64_t(2 * tipo + colore);
}

// A castling right needs its king and rook at home, or castling would move a missing man.
bool ArroccoPossibile(std::uint64_t diritto) {
  switch (diritto) {
    case ArroccoCortoBianco:
      return casa_re_bianco == 60 && Pezzo(63, Torre, Bianco);
    case ArroccoLungoBianco:
      return casa_re_bianco == 60 && Pezzo(56, Torre, Bianco);
    case ArroccoCortoNero:
      return casa_re_nero == 4 && Pezzo(7, Torre, Nero);
    default:
      return casa_re_nero == 4 && Pezzo(0, Torre, Nero);
  }
}

void ConcediArrocco(std::uint64_t diritto) {
  if ((InfoPosizione & diritto) || !ArroccoPossibile(diritto)) return;
  InfoPosizione |= diritto;
  ChiaveHash ^= HashArrocco[diritto == ArroccoCortoBianco   ? 0
                            : diritto == ArroccoLungoBianco ? 1
                            : diritto == ArroccoCortoNero   ? 2
                                                            : 3];
}

// Men of the side not to move that attack the king of the side to move, as a bitboard.
Bitboard Scacchi(int turno) {
  const std::uint64_t re = turno == Bianco ? casa_re_bianco : casa_re_nero;
  if (turno == Bianco)
    return (MscBersagliPedone_bianco_da[re] & btm_pedone_nero) |
           (MascheraMobilita_cavallo_in[re] & btm_cavallo_nero) |
           (AttacchiAlfiere(re, btm_occupazione) & (btm_alfiere_nero | btm_donna_nero)) |
           (AttacchiTorre(re, btm_occupazione) & (btm_torre_nero | btm_donna_nero));
  return (MscBersagliPedone_nero_da[re] & btm_pedone_bianco) |
         (MascheraMobilita_cavallo_in[re] & btm_cavallo_bianco) |
         (AttacchiAlfiere(re, btm_occupazione) & (btm_alfiere_bianco | btm_donna_bianco)) |
         (AttacchiTorre(re, btm_occupazione) & (btm_torre_bianco | btm_donna_bianco));
}

}  // namespace

int CaricaPosizioneDaStringaFen(const char* testo) {
  if (!testo) return 0;
  const char* p = testo;
  while (*p && (Spazio(*p) || *p == '[')) ++p;
  if (!*p || *p == ']') return 0;

  std::string_view campo[6];
  int campi = 0;
  while (*p && *p != ']' && campi < 6) {
    const char* inizio = p;
    while (*p && *p != ']' && !Spazio(*p)) ++p;
    campo[campi++] = std::string_view(inizio, p - inizio);
    while (*p && Spazio(*p)) ++p;
  }
  if (campi < 2) return 0;

  // Placement; '/' is optional but may stand only at a rank boundary.
  Piazzamento piazzamento;
  std::uint64_t casa = 0;
  int barre = 0;
  for (char c : campo[0]) {
    if (casa == 64) return 0;
    if (c == '/') {
      if (casa % 8) return 0;
      ++barre;
    } else if (c >= '1' && c <= '8') {
      // A run of empty squares ends at the edge of its rank at the latest; extra '/' (an
      // empty rank "//") must not let the counter run past the board.
      if (casa % 8 + (c - '0') > 8) return 0;
      casa += c - '0';
      if (int(casa >> 3) > barre && casa % 8) return 0;
    } else {
      if (!piazzamento.Piazza(c, casa)) return 0;
      ++casa;
    }
  }
  if (casa != 64) return 0;
  if (piazzamento.re[Bianco] != 1 || piazzamento.re[Nero] != 1) return 0;
  if (!MaterialePossibile(materiale_del_bianco) || !MaterialePossibile(materiale_del_nero))
    return 0;
  if (Distanza[casa_re_bianco * 64 + casa_re_nero] < 2) return 0;

  if (campo[1] != "w" && campo[1] != "b") return 0;
  const int turno = campo[1] == "w" ? Bianco : Nero;
  TurnoIniziale = ContatoreMosse = turno;
  ElencoMosse[ContatoreMosse] = 0;

  if (turno == Bianco ? attaccano_pezzi_del_bianco(casa_re_nero)
                      : attaccano_pezzi_del_nero(casa_re_bianco))
    return 0;
  Bitboard scacchi = Scacchi(turno);
  std::uint64_t primo = NessunaCasa, secondo = NessunaCasa;
  if (scacchi) {
    primo = PrimaCasa(scacchi);
    scacchi &= scacchi - 1;
  }
  if (scacchi) {
    secondo = PrimaCasa(scacchi);
    scacchi &= scacchi - 1;
  }
  if (scacchi) return 0;
  InfoPosizione = (primo << 12) | (secondo << 19);

  if (campi == 2) {
    for (std::uint64_t d :
         {ArroccoCortoBianco, ArroccoLungoBianco, ArroccoCortoNero, ArroccoLungoNero})
      ConcediArrocco(d);
    return 1;
  }
  if (campo[2].size() > 4) return 0;
  if (campo[2] != "-") {
    for (char c : campo[2]) {
      switch (c) {
        case 'K':
          ConcediArrocco(ArroccoCortoBianco);
          break;
        case 'Q':
          ConcediArrocco(ArroccoLungoBianco);
          break;
        case 'k':
          ConcediArrocco(ArroccoCortoNero);
          break;
        case 'q':
          ConcediArrocco(ArroccoLungoNero);
          break;
        default:
          return 0;
      }
    }
  }

  if (campi >= 4 && campo[3] != "-") {
    const std::string_view ep = campo[3];
    if (ep.size() < 2 || ep[0] < 'a' || ep[0] > 'h' || ep[1] != (turno == Nero ? '3' : '6'))
      return 0;
    const std::uint64_t colonna = ep[0] - 'a';
    const std::uint64_t bersaglio = turno == Nero ? colonna + 40 : colonna + 16;
    const std::uint64_t pedone = turno == Nero ? bersaglio - 8 : bersaglio + 8;
    const std::uint64_t partenza = turno == Nero ? bersaglio + 8 : bersaglio - 8;
    const Bitboard catturanti = turno == Nero
                                    ? MscBersagliPedone_bianco_da[bersaglio] & btm_pedone_nero
                                    : MscBersagliPedone_nero_da[bersaglio] & btm_pedone_bianco;
    // The permission needs the pawn that double-stepped and the two squares it crossed empty;
    // without them an en-passant capture would take a man that is not there.
    if (catturanti && Pezzo(pedone, Pedone, 1 - turno) && PezzoIn[bersaglio] == CasaVuota &&
        PezzoIn[partenza] == CasaVuota) {
      InfoPosizione |= PermessoEnpassant;
      ChiaveHash ^= HashPermessoEnpassantIn[pedone];
      ElencoMosse[ContatoreMosse] = Mossa(partenza, pedone, SpecieSposta2Pedone);
    }
  }

  if (campi >= 5) {
    const std::string_view n = campo[4];
    if (n.size() > 2) return 0;
    std::uint64_t valore = 0;
    for (char c : n) {
      if (c < '0' || c > '9') return 0;
      valore = valore * 10 + (c - '0');
    }
    InfoPosizione |= valore;
  }
  return 1;
}

int NuovaPosizione(const char* fen) {
  SvuotaScacchiera();
  int caricata = CaricaPosizioneDaStringaFen(fen);
  if (!caricata) {
    SvuotaScacchiera();
    CaricaPosizioneDaStringaFen(FenIniziale);
  }
  Ripetizioni = 0;
  GeneraMosseLegali();
  return caricata;
}
