#include "tests/core/verifica.h"

#include <algorithm>
#include <cstdlib>

#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/perft.h"
#include "core/tavole.h"

bool Carica(const char* fen) {
  InizializzaTavoleScacchi();
  SvuotaScacchiera();
  return CaricaPosizioneDaStringaFen(fen) == 1;
}

std::uint64_t Casa(const char* nome) { return (nome[0] - 'a') + 8 * ('8' - nome[1]); }

namespace {

Bitboard* const Bitboards[10] = {&btm_pedone_bianco, &btm_pedone_nero,    &btm_cavallo_bianco,
                                 &btm_cavallo_nero,  &btm_alfiere_bianco, &btm_alfiere_nero,
                                 &btm_torre_bianco,  &btm_torre_nero,     &btm_donna_bianco,
                                 &btm_donna_nero};
std::uint64_t* const Liste[10] = {casa_pedone_bianco, casa_pedone_nero,    casa_cavallo_bianco,
                                  casa_cavallo_nero,  casa_alfiere_bianco, casa_alfiere_nero,
                                  casa_torre_bianco,  casa_torre_nero,     casa_donna_bianco,
                                  casa_donna_nero};

int Capacita(int i) { return i < 2 ? 8 : i >= 8 ? 9 : 10; }

std::vector<std::uint64_t> ListaOrdinata(int i) {
  const int n = Conta(i % 2 ? materiale_del_nero : materiale_del_bianco, i / 2);
  std::vector<std::uint64_t> v(Liste[i], Liste[i] + std::min(n, 10));
  std::sort(v.begin(), v.end());
  return v;
}

}  // namespace

Istantanea Fotografa() {
  Istantanea f;
  for (int i = 0; i < 10; ++i) f.bitboard[i] = *Bitboards[i];
  f.bitboard[10] = btm_bianco;
  f.bitboard[11] = btm_nero;
  f.bitboard[12] = btm_occupazione;
  // Slots may change when unmake appends a man taken back to the end of its list.
  for (int s = 0; s < 65; ++s) f.pezzi[s] = PezzoIn[s] >> 4;
  for (int i = 0; i < 10; ++i) f.liste[i] = ListaOrdinata(i);
  f.re_bianco = casa_re_bianco;
  f.re_nero = casa_re_nero;
  f.materiale_bianco = materiale_del_bianco;
  f.materiale_nero = materiale_del_nero;
  f.info = InfoPosizione;
  f.chiave = ChiaveHash;
  f.pedoni = HashPedoni;
  f.contatore = ContatoreMosse;
  return f;
}

std::uint64_t AttacchiLenti(std::uint64_t s, bool alfiere, std::uint64_t occ) {
  static const int dr[2][4] = {{-1, 1, 0, 0}, {-1, -1, 1, 1}},
                   dc[2][4] = {{0, 0, -1, 1}, {-1, 1, -1, 1}};
  std::uint64_t a = 0;
  for (int d = 0; d < 4; ++d) {
    int r = int(s >> 3) + dr[alfiere][d], c = int(s & 7) + dc[alfiere][d];
    for (; r >= 0 && r < 8 && c >= 0 && c < 8; r += dr[alfiere][d], c += dc[alfiere][d]) {
      a |= std::uint64_t{1} << (r * 8 + c);
      if (occ >> (r * 8 + c) & 1) break;
    }
  }
  return a;
}

std::uint64_t AttaccantiLenti(std::uint64_t s, int colore) {
  std::uint64_t a = 0;
  const std::uint64_t bit = std::uint64_t{1} << s;
  for (std::uint64_t x = 0; x < 64; ++x) {
    const std::uint64_t codice = PezzoIn[x];
    if (codice == CasaVuota || int((codice >> 4) & 1) != colore) continue;
    const int tipo = int(codice >> 5), dr = int(s >> 3) - int(x >> 3), dc = int(s & 7) - int(x & 7);
    const int adr = std::abs(dr), adc = std::abs(dc);
    const bool colpisce =
        tipo == Pedone    ? adc == 1 && dr == (colore == Bianco ? -1 : 1)
        : tipo == Cavallo ? adr * adc == 2
        : tipo == Re      ? std::max(adr, adc) == 1
                          : (tipo != Torre && (AttacchiLenti(x, true, btm_occupazione) & bit)) ||
                           (tipo != Alfiere && (AttacchiLenti(x, false, btm_occupazione) & bit));
    if (colpisce) a |= std::uint64_t{1} << x;
  }
  return a;
}

std::string Incoerenza() {
  std::uint64_t bitboard[10] = {}, colori[2] = {}, chiave = 0, pedoni = 0, materiale[2] = {};
  int re[2] = {0, 0};
  if (PezzoIn[64] != CasaVuota) return "PezzoIn[64] not empty";
  for (std::uint64_t s = 0; s < 64; ++s) {
    const std::uint64_t codice = PezzoIn[s];
    if (codice == CasaVuota) continue;
    if (codice > 0xB0) return "bad code on " + std::string(StringaCasa[s]);
    const int tipo = int(codice >> 5), colore = int((codice >> 4) & 1);
    colori[colore] |= std::uint64_t{1} << s;
    chiave ^= HashPezzo[tipo][colore][s];
    if (tipo == Re) {
      ++re[colore];
      if ((colore ? casa_re_nero : casa_re_bianco) != s) return "king square";
      continue;
    }
    bitboard[2 * tipo + colore] |= std::uint64_t{1} << s;
    materiale[colore] += MaterialeDi[tipo];
    if (tipo == Pedone) pedoni ^= HashPezzo[tipo][colore][s];
    if (Liste[2 * tipo + colore][codice & 15] != s)
      return "list slot of " + std::string(StringaCasa[s]);
  }
  if (re[0] != 1 || re[1] != 1) return "king count";
  for (int i = 0; i < 10; ++i)
    if (bitboard[i] != *Bitboards[i]) return "piece bitboard " + std::to_string(i);
  if (colori[0] != btm_bianco || colori[1] != btm_nero) return "colour bitboards";
  if ((colori[0] | colori[1]) != btm_occupazione) return "occupancy";
  if (materiale[0] != materiale_del_bianco || materiale[1] != materiale_del_nero) return "material";
  const std::uint64_t info = InfoPosizione;
  if (info >> 26) return "high bits of InfoPosizione";
  for (int i = 0; i < 4; ++i)
    if (info & (std::uint64_t{0x80} << i)) chiave ^= HashArrocco[i];
  if (info & PermessoEnpassant)
    chiave ^= HashPermessoEnpassantIn[ACasa(ElencoMosse[ContatoreMosse])];
  if (chiave != ChiaveHash) return "ChiaveHash";
  if (pedoni != HashPedoni) return "HashPedoni";
  // The checker fields name exactly the men attacking the king of the side to move.
  const int turno = int(ContatoreMosse & 1);
  const std::uint64_t attaccanti =
      AttaccantiLenti(turno ? casa_re_nero : casa_re_bianco, 1 - turno);
  std::uint64_t campi = 0;
  for (std::uint64_t c : {std::uint64_t(PrimoScaccoDa(info)), std::uint64_t(SecondoScaccoDa(info))})
    if (c < 64) campi |= std::uint64_t{1} << c;
  if (campi != attaccanti) return "checker fields";
  if (PrimoScaccoDa(info) < 64 && PrimoScaccoDa(info) == SecondoScaccoDa(info))
    return "same checker twice";
  // The side that has just moved must not stand in check.
  if (AttaccantiLenti(turno ? casa_re_bianco : casa_re_nero, turno)) return "king left in check";
  return "";
}

std::vector<std::uint64_t> MosseLegali() {
  GeneraMosseLegali();
  return std::vector<std::uint64_t>(BufferMosseGenerate, FineMosseGenerate);
}

std::vector<std::string> Testi(const std::uint64_t* da, const std::uint64_t* a) {
  std::vector<std::string> v;
  for (; da < a; ++da) {
    char t[6];
    ScriviMossaUci(*da, t);
    v.emplace_back(t);
  }
  return v;
}

std::vector<std::string> TestiLegali() {
  GeneraMosseLegali();
  return Testi(BufferMosseGenerate, FineMosseGenerate);
}

std::uint64_t Parola(const char* uci, bool legali) {
  legali ? GeneraMosseLegali() : GeneraMossePseudolegali();
  const auto testi = Testi(BufferMosseGenerate, FineMosseGenerate);
  const auto i = std::find(testi.begin(), testi.end(), uci) - testi.begin();
  return i < FineMosseGenerate - BufferMosseGenerate ? BufferMosseGenerate[i] : 0;
}

std::vector<std::uint64_t> ListeGrezze() {
  std::vector<std::uint64_t> v(PezzoIn, PezzoIn + 65);
  for (int i = 0; i < 10; ++i) v.insert(v.end(), Liste[i], Liste[i] + Capacita(i));
  return v;
}

void RipristinaListe(const std::vector<std::uint64_t>& v) {
  std::size_t k = 0;
  for (int s = 0; s < 65; ++s) PezzoIn[s] = v[k++];
  for (int i = 0; i < 10; ++i)
    for (int j = 0; j < Capacita(i); ++j) Liste[i][j] = v[k++];
}
