#include "core/tavole.h"

#include <array>
#include <bit>

#include "core/colore.h"

namespace {

using Tavola = std::array<std::uint64_t, 64>;

constexpr bool SullaScacchiera(int riga, int colonna) {
  return riga >= 0 && riga < 8 && colonna >= 0 && colonna < 8;
}

// Neighbour in direction (dr, dc), rows counted from rank 8.
constexpr Tavola Passo(int dr, int dc) {
  Tavola t{};
  for (int s = 0; s < 64; ++s) {
    const int r = (s >> 3) + dr, c = (s & 7) + dc;
    t[s] = SullaScacchiera(r, c) ? std::uint64_t(r * 8 + c) : 64;
  }
  return t;
}

template <std::size_t N>
constexpr Tavola Salti(const int (&dr)[N], const int (&dc)[N]) {
  Tavola t{};
  for (int s = 0; s < 64; ++s)
    for (std::size_t i = 0; i < N; ++i) {
      const int r = (s >> 3) + dr[i], c = (s & 7) + dc[i];
      if (SullaScacchiera(r, c)) t[s] |= Bitboard{1} << (r * 8 + c);
    }
  return t;
}

constexpr int RigheRe[] = {-1, -1, -1, 0, 0, 1, 1, 1}, ColonneRe[] = {-1, 0, 1, -1, 1, -1, 0, 1};
constexpr int RigheCavallo[] = {-2, -2, -1, -1, 1, 1, 2, 2},
              ColonneCavallo[] = {-1, 1, -2, 2, -2, 2, -1, 1};
constexpr int RigheBianco[] = {-1, -1}, RigheNero[] = {1, 1}, ColonnePedone[] = {-1, 1};

// Directions of the rook (0) and of the bishop (1).
constexpr int RigheLinea[2][4] = {{-1, 1, 0, 0}, {-1, -1, 1, 1}};
constexpr int ColonneLinea[2][4] = {{0, 0, -1, 1}, {-1, 1, -1, 1}};

constexpr Bitboard Maschera(int s, int alfiere) {
  Bitboard m = 0;
  for (int d = 0; d < 4; ++d) {
    const int dr = RigheLinea[alfiere][d], dc = ColonneLinea[alfiere][d];
    int r = (s >> 3) + dr, c = (s & 7) + dc;
    while (SullaScacchiera(r + dr, c + dc)) {
      m |= Bitboard{1} << (r * 8 + c);
      r += dr;
      c += dc;
    }
  }
  return m;
}

constexpr Tavola Maschere(int alfiere) {
  Tavola t{};
  for (int s = 0; s < 64; ++s) t[s] = Maschera(s, alfiere);
  return t;
}

constexpr Tavola MaschereDonna() {
  Tavola t{};
  for (int s = 0; s < 64; ++s) t[s] = Maschera(s, 0) | Maschera(s, 1);
  return t;
}

template <std::size_t N>
constexpr std::array<std::uint32_t, 64> Shift(const std::uint64_t (&)[N], int alfiere) {
  std::array<std::uint32_t, 64> t{};
  for (int s = 0; s < 64; ++s) t[s] = 64 - std::popcount(Maschera(s, alfiere));
  return t;
}

constexpr std::array<std::uint32_t, 64> TavolaBitScan() {
  std::array<std::uint32_t, 64> t{};
  for (int i = 0; i < 64; ++i) t[((Bitboard{1} << i) * 0x07EDD5E59A4E28C2ull) >> 58] = i;
  return t;
}

// Attack set by walking the lines, stopping after the first occupied square.
Bitboard AttacchiLenti(int s, int alfiere, Bitboard occ) {
  Bitboard a = 0;
  for (int d = 0; d < 4; ++d) {
    const int dr = RigheLinea[alfiere][d], dc = ColonneLinea[alfiere][d];
    int r = (s >> 3) + dr, c = (s & 7) + dc;
    while (SullaScacchiera(r, c)) {
      const Bitboard b = Bitboard{1} << (r * 8 + c);
      a |= b;
      if (occ & b) break;
      r += dr;
      c += dc;
    }
  }
  return a;
}

}  // namespace

const TavolaCase AOvestDi = Passo(0, -1), AEstDi = Passo(0, 1), ANordDi = Passo(-1, 0),
                 ASudDi = Passo(1, 0), ANordovestDi = Passo(-1, -1), ANordestDi = Passo(-1, 1),
                 ASudovestDi = Passo(1, -1), ASudestDi = Passo(1, 1);
const TavolaCase MascheraMobilita_cavallo_in = Salti(RigheCavallo, ColonneCavallo);
const TavolaCase MascheraMobilita_re_in = Salti(RigheRe, ColonneRe);
const TavolaCase MscBersagliPedone_bianco_da = Salti(RigheBianco, ColonnePedone);
const TavolaCase MscBersagliPedone_nero_da = Salti(RigheNero, ColonnePedone);
const TavolaCase MascheraMobilita_torre_in = Maschere(0);
const TavolaCase MascheraMobilita_alfiere_in = Maschere(1);
const TavolaCase MascheraMobilita_donna_in = MaschereDonna();

// Found once by a search over sparse random numbers with a fixed seed, for the standard widths.
const std::uint64_t FattoreMagicoMobilita_torre_in[64] = {
    0x1080004008801020ull, 0x0840092002C03000ull, 0x1900200010400900ull, 0x0880100008000480ull,
    0x4200100420080200ull, 0x8100020100080400ull, 0x0200040110886200ull, 0x0200008040220411ull,
    0x0404800084400220ull, 0x0000401000402000ull, 0x0086001081220440ull, 0x0408800800100280ull,
    0x000A001201040820ull, 0x8848800200840080ull, 0x4001000100040200ull, 0x0442000102105084ull,
    0x9080010020804100ull, 0x0040404000201009ull, 0x0000808010002009ull, 0x2200090021D00100ull,
    0x0008008008040080ull, 0x0004004002010040ull, 0x0011040008015042ull, 0x00000A0001768104ull,
    0x0000800080204009ull, 0x2010004140002001ull, 0x9800200280100080ull, 0x1000100080080080ull,
    0x0442000A00049020ull, 0x2100040080020080ull, 0x0800120400900148ull, 0x0010040A00128541ull,
    0x2800804000800030ull, 0x1010002000400041ull, 0x4000200011004100ull, 0x0610008410800800ull,
    0x0400802402800800ull, 0xC100020080800400ull, 0x0002000802000401ull, 0x0182085882000401ull,
    0x0220204000808000ull, 0x2860100040024022ull, 0x0001002004110040ull, 0x99101042000A0020ull,
    0x0004080004008080ull, 0x0010040002008080ull, 0x2012004881020004ull, 0x8300842444820011ull,
    0x0088403882010200ull, 0x0820400080210100ull, 0x0110910040A00300ull, 0x0801100280080480ull,
    0x0242009008200600ull, 0x1002000489500200ull, 0x0040800200010080ull, 0x0091800041000080ull,
    0x0000209300488001ull, 0x04C1002414824001ull, 0x020020000B001041ull, 0x7000100004200901ull,
    0x8002002004100802ull, 0x30010002084C0007ull, 0x0888221800813004ull, 0x4000002840840112ull,
};
const std::uint64_t FattoreMagicoMobilita_alfiere_in[64] = {
    0xA010041108003100ull, 0x006082020A002900ull, 0x6810010619200000ull, 0x08281A0520000408ull,
    0x0001104001000400ull, 0x0018901008048400ull, 0x00040A0210245280ull, 0x000200210808A402ull,
    0x9140048410821200ull, 0x0800091010820041ull, 0x20504804832202C0ull, 0x0100091401081000ull,
    0x8021011140000012ull, 0x0810020804450400ull, 0x208B0542109008A2ull, 0x0080084A08040204ull,
    0x0040E2A80811244Cull, 0x2505022008008108ull, 0x0430220100420040ull, 0x010A040420220040ull,
    0x1105000290400000ull, 0x0093001200822120ull, 0x4000A62048043004ull, 0x280120048A015004ull,
    0x006090002A020814ull, 0x44042000240800D0ull, 0x01102800040A4400ull, 0x1004080080220040ull,
    0x0001001011004024ull, 0x0010044000805040ull, 0x0914041200820100ull, 0x0004821012821480ull,
    0x0024040500C05021ull, 0x0088611002080200ull, 0x0116080A00040020ull, 0x4000020080080080ull,
    0x2450450140840040ull, 0x0000880201484100ull, 0x0222020404020092ull, 0x8081110600002E00ull,
    0x2842101105000801ull, 0x1100809008001025ull, 0x00020202221C0400ull, 0x0422014022009020ull,
    0x0210046102100C00ull, 0xC004008082029102ull, 0x00AA461801101200ull, 0x0404080080201108ull,
    0x020542108C205002ull, 0x0410544804100100ull, 0x0040910841100000ull, 0x0400200042021100ull,
    0x00004204850400C0ull, 0x0200100410A42102ull, 0x1040020801210102ull, 0x0805040410420000ull,
    0x2884804130100200ull, 0x800C262201242000ull, 0x1058000194108800ull, 0x0014221054420204ull,
    0x0104000012A02200ull, 0x0200881003300100ull, 0x0140400202840100ull, 0x0402020801010201ull,
};
const std::array<std::uint32_t, 64> ShiftIndiceMobilita_torre_in =
    Shift(FattoreMagicoMobilita_torre_in, 0);
const std::array<std::uint32_t, 64> ShiftIndiceMobilita_alfiere_in =
    Shift(FattoreMagicoMobilita_alfiere_in, 1);
const std::array<std::uint32_t, 64> BitScanDatabase = TavolaBitScan();

Bitboard* mobilita_torre_da[64];
Bitboard* mobilita_alfiere_da[64];
Bitboard DbMobilita[DimensioneDbMobilita];

std::uint8_t Distanza[64 * 64];
Bitboard BitmapTraiettorieDa[64];
Bitboard BitmapTraiettorieDritteDa[64];
Bitboard BitmapTraiettorieDiagonaliDa[64];
Bitboard btm_InMezzo[64 * 64];

void InizializzaInfoTraiettorie() {
  for (int a = 0; a < 64; ++a) {
    BitmapTraiettorieDa[a] = BitmapTraiettorieDritteDa[a] = BitmapTraiettorieDiagonaliDa[a] = 0;
    for (int b = 0; b < 64; ++b) btm_InMezzo[a * 64 + b] = 0;
  }
  for (int a = 0; a < 64; ++a) {
    const int ra = a >> 3, ca = a & 7;
    for (int b = 0; b < 64; ++b) {
      const int rb = b >> 3, cb = b & 7;
      const int dr = rb > ra ? rb - ra : ra - rb, dc = cb > ca ? cb - ca : ca - cb;
      Distanza[a * 64 + b] = static_cast<std::uint8_t>(dr > dc ? dr : dc);
      if (a == b) continue;
      const Bitboard bit = Bitboard{1} << b;
      const TavolaCase* passo;
      if (ra == rb) {
        BitmapTraiettorieDritteDa[a] |= bit;
        passo = a > b ? &AOvestDi : &AEstDi;
      } else if (ca == cb) {
        BitmapTraiettorieDritteDa[a] |= bit;
        passo = a > b ? &ANordDi : &ASudDi;
      } else if (ca + ra == cb + rb) {
        BitmapTraiettorieDiagonaliDa[a] |= bit;
        passo = a > b ? &ANordestDi : &ASudovestDi;
      } else if ((7 - ca) + ra == (7 - cb) + rb) {
        BitmapTraiettorieDiagonaliDa[a] |= bit;
        passo = a > b ? &ANordovestDi : &ASudestDi;
      } else {
        continue;
      }
      BitmapTraiettorieDa[a] |= bit;
      for (std::uint64_t s = (*passo)[a]; s != std::uint64_t(b); s = (*passo)[s])
        btm_InMezzo[a * 64 + b] |= Bitboard{1} << s;
    }
  }
}

void InizializzaDbMobilita() {
  Bitboard* blocco = DbMobilita;
  for (int alfiere = 0; alfiere < 2; ++alfiere) {
    const TavolaCase& maschere = alfiere ? MascheraMobilita_alfiere_in : MascheraMobilita_torre_in;
    const std::uint64_t* fattori =
        alfiere ? FattoreMagicoMobilita_alfiere_in : FattoreMagicoMobilita_torre_in;
    const auto& shift = alfiere ? ShiftIndiceMobilita_alfiere_in : ShiftIndiceMobilita_torre_in;
    for (int s = 0; s < 64; ++s) {
      (alfiere ? mobilita_alfiere_da : mobilita_torre_da)[s] = blocco;
      // Every subset of the relevant squares, by the carry-rippler walk.
      const Bitboard m = maschere[s];
      Bitboard occ = 0;
      do {
        blocco[(occ * fattori[s]) >> shift[s]] = AttacchiLenti(s, alfiere, occ);
        occ = (occ - m) & m;
      } while (occ);
      blocco += std::size_t{1} << (64 - shift[s]);
    }
  }
}

void InizializzaTavoleScacchi() {
  InizializzaChiaviHash();
  InizializzaInfoTraiettorie();
  InizializzaDbMobilita();
}

int attaccano_pezzi_del_bianco(std::uint64_t s) { return Attaccata<Bianco>(s, btm_occupazione, 0); }
int attaccano_pezzi_del_nero(std::uint64_t s) { return Attaccata<Nero>(s, btm_occupazione, 0); }
