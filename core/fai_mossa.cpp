#include "core/fai_mossa.h"

#include <array>
#include <utility>

#include "core/colore.h"
#include "core/mossa.h"

namespace {

inline Bitboard Bit(std::uint64_t s) { return Bitboard{1} << s; }

// The castling rights lost when a man leaves or is taken on a square: the king's home loses
// both rights of its side, a rook's home corner the right on that wing.
constexpr std::array<std::uint64_t, 64> DirittiDellaCasa() {
  std::array<std::uint64_t, 64> t{};
  t[63] = ArroccoCortoBianco;
  t[56] = ArroccoLungoBianco;
  t[60] = ArroccoCortoBianco | ArroccoLungoBianco;
  t[7] = ArroccoCortoNero;
  t[0] = ArroccoLungoNero;
  t[4] = ArroccoCortoNero | ArroccoLungoNero;
  return t;
}
constexpr auto DirittiCasa = DirittiDellaCasa();

// Key of a set of castling rights (bits 7-10).
inline std::uint64_t ChiaveDiritti(std::uint64_t diritti) {
  std::uint64_t k = 0;
  if (diritti & ArroccoCortoBianco) k ^= HashArrocco[0];
  if (diritti & ArroccoLungoBianco) k ^= HashArrocco[1];
  if (diritti & ArroccoCortoNero) k ^= HashArrocco[2];
  if (diritti & ArroccoLungoNero) k ^= HashArrocco[3];
  return k;
}

// Drops the rights bound to the squares touched; returns the key change.
[[gnu::always_inline]] inline std::uint64_t PerdiDiritti(std::uint64_t& info,
                                                         std::uint64_t caselle) {
  const std::uint64_t persi = info & caselle;
  if (!persi) return 0;
  info ^= persi;
  return ChiaveDiritti(persi);
}

// Saturating step of the reversible-ply count, so it never carries into the castling bits.
inline std::uint64_t Conteggio(std::uint64_t info) {
  return info + ((info & MascheraSemimosse) != MascheraSemimosse);
}

// Removes a permission left by the last move; returns the key change.
[[gnu::always_inline]] inline std::uint64_t TogliEnpassant(std::uint64_t& info) {
  if (!(info & PermessoEnpassant)) return 0;
  info &= ~PermessoEnpassant;
  return HashPermessoEnpassantIn[ACasa(ElencoMosse[ContatoreMosse])];
}

// 1 if a man leaving f (occupancy now occ) leaves the own king safe along the line through f.
// Enemy men on the squares of preso are taken and do not count.
template <int C>
[[gnu::always_inline]] inline bool NessunaInchiodatura(std::uint64_t f, Bitboard occ,
                                                       Bitboard preso) {
  constexpr int N = 1 - C;
  const std::uint64_t re = CasaRe<C>();
  if (!(MascheraMobilita_donna_in[re] & Bit(f))) return true;
  const Bitboard donne = Pezzi<N, Donna>();
  if (MascheraMobilita_alfiere_in[re] & Bit(f))
    return !(AttacchiAlfiere(re, occ) & (Pezzi<N, Alfiere>() | donne) & ~preso);
  return !(AttacchiTorre(re, occ) & (Pezzi<N, Torre>() | donne) & ~preso);
}

// Square of an own slider that checks the enemy king through the square f just left, 64 if
// none. The man that moved (on escluso) is a direct checker, not a discovered one.
template <int C>
[[gnu::always_inline]] inline std::uint64_t ScaccoDiScoperta(std::uint64_t f, Bitboard occ,
                                                             Bitboard escluso) {
  constexpr int N = 1 - C;
  const std::uint64_t re = CasaRe<N>();
  if (!(MascheraMobilita_donna_in[re] & Bit(f))) return NessunaCasa;
  const Bitboard donne = Pezzi<C, Donna>();
  const Bitboard a = (MascheraMobilita_torre_in[re] & Bit(f))
                         ? AttacchiTorre(re, occ) & (Pezzi<C, Torre>() | donne)
                         : AttacchiAlfiere(re, occ) & (Pezzi<C, Alfiere>() | donne);
  const Bitboard b = a & ~escluso;
  return b ? PrimaCasa(b) : NessunaCasa;
}

// 1 if a man of type T on t checks the enemy king (occupancy occ after the move).
template <int C, int T>
[[gnu::always_inline]] inline bool ScaccoDiretto(std::uint64_t t, Bitboard occ) {
  const std::uint64_t re = CasaRe<1 - C>();
  if constexpr (T == Pedone)
    return Lato<C>::PedoniCheAttaccano(re) & Bit(t);
  else if constexpr (T == Cavallo)
    return MascheraMobilita_cavallo_in[re] & Bit(t);
  else if constexpr (T == Re)
    return false;
  else {
    const Bitboard linee = T == Alfiere ? BitmapTraiettorieDiagonaliDa[re]
                           : T == Torre ? BitmapTraiettorieDritteDa[re]
                                        : BitmapTraiettorieDa[re];
    return (linee & Bit(t)) && !(btm_InMezzo[t * 64 + re] & occ);
  }
}

inline std::uint64_t Scacchi(std::uint64_t primo, std::uint64_t secondo) {
  return (primo << 12) | (secondo << 19);
}

// Takes the enemy man of type V off t: bitboards, material, list by swap-remove.
template <int N, int V>
[[gnu::always_inline]] inline void TogliPreso(std::uint64_t t) {
  Pezzi<N, V>() ^= Bit(t);
  Colori<N>() ^= Bit(t);
  std::uint64_t& materiale = Materiale<N>();
  materiale -= MaterialeDi[V];
  std::uint64_t* lista = Lista<N, V>();
  const std::uint64_t slot = PezzoIn[t] & 15, ultimo = Conta(materiale, V);
  const std::uint64_t s = lista[ultimo];
  lista[slot] = s;
  PezzoIn[s] = (PezzoIn[s] & 0xF0) | slot;
}

// Puts a man of type V back on t at the end of its list.
template <int N, int V>
[[gnu::always_inline]] inline void RimettiPreso(std::uint64_t t) {
  Pezzi<N, V>() ^= Bit(t);
  Colori<N>() ^= Bit(t);
  std::uint64_t& materiale = Materiale<N>();
  const std::uint64_t slot = Conta(materiale, V);
  Lista<N, V>()[slot] = t;
  PezzoIn[t] = CodicePezzo(V, N) | slot;
  materiale += MaterialeDi[V];
}

[[gnu::always_inline]] inline int Registra(std::uint64_t mossa, std::uint64_t info,
                                           std::uint64_t delta) {
  InfoPosizione = info;
  ChiaveHash ^= delta;
  ElencoMosse[++ContatoreMosse] = mossa;
  return 1;
}

[[gnu::always_inline]] inline void RipristinaChiavi() {
  const std::uint64_t n = --ContatoreMosse;
  ChiaveHash = backup_ChiaveHash[n];
  InfoPosizione = backup_InfoPosizione[n];
}

// Knight, bishop, rook, queen and king moves; V is the type taken, -1 for a quiet move.
template <int C, int T, int V>
int FaiPezzo(std::uint64_t mossa) {
  constexpr int N = 1 - C;
  const std::uint64_t f = DaCasa(mossa), t = ACasa(mossa);
  const Bitboard fb = Bit(f), tb = Bit(t);
  const Bitboard occ = btm_occupazione ^ fb ^ (V < 0 ? tb : 0);
  if constexpr (T == Re) {
    if (Attaccata<N>(t, occ, V < 0 ? 0 : tb)) return 0;
  } else {
    if (!NessunaInchiodatura<C>(f, occ, tb)) return 0;
  }
  std::uint64_t info = InfoPosizione;
  std::uint64_t delta = Chiavi<C, T>()[f] ^ Chiavi<C, T>()[t] ^ TogliEnpassant(info);
  if constexpr (V >= 0) {
    TogliPreso<N, V>(t);
    delta ^= Chiavi<N, V>()[t];
    if constexpr (V == Pedone) HashPedoni ^= Chiavi<N, V>()[t];
    info &= ~(MascheraSemimosse | MascheraScacchi);
  } else {
    info = Conteggio(info) & ~MascheraScacchi;
  }
  if constexpr (T == Re) {
    CasaRe<C>() = t;
  } else {
    Pezzi<C, T>() ^= fb | tb;
    Lista<C, T>()[PezzoIn[f] & 15] = t;
  }
  Colori<C>() ^= fb | tb;
  btm_occupazione = occ;
  PezzoIn[t] = PezzoIn[f];
  PezzoIn[f] = CasaVuota;
  if constexpr (T == Torre || T == Re || V >= 0)
    delta ^= PerdiDiritti(
        info, (T == Torre || T == Re ? DirittiCasa[f] : 0) | (V >= 0 ? DirittiCasa[t] : 0));
  info |= Scacchi(ScaccoDiretto<C, T>(t, occ) ? t : NessunaCasa, ScaccoDiScoperta<C>(f, occ, tb));
  return Registra(mossa, info, delta);
}

template <int C, int T, int V>
void RitiraPezzo(std::uint64_t mossa) {
  constexpr int N = 1 - C;
  const std::uint64_t f = DaCasa(mossa), t = ACasa(mossa);
  const Bitboard fb = Bit(f), tb = Bit(t);
  RipristinaChiavi();
  if constexpr (T == Re) {
    CasaRe<C>() = f;
  } else {
    Pezzi<C, T>() ^= fb | tb;
    Lista<C, T>()[PezzoIn[t] & 15] = f;
  }
  Colori<C>() ^= fb | tb;
  PezzoIn[f] = PezzoIn[t];
  if constexpr (V >= 0) {
    RimettiPreso<N, V>(t);
    if constexpr (V == Pedone) HashPedoni = backup_HashPedoni[ContatoreMosse];
    btm_occupazione ^= fb;
  } else {
    PezzoIn[t] = CasaVuota;
    btm_occupazione ^= fb | tb;
  }
}

// Pawn single step, pawn captures (V >= 0) and promotions (P > 0, V = -1 when nothing is taken).
template <int C, int P, int V>
int FaiPedone(std::uint64_t mossa) {
  constexpr int N = 1 - C;
  const std::uint64_t f = DaCasa(mossa), t = ACasa(mossa);
  const Bitboard fb = Bit(f), tb = Bit(t);
  const Bitboard occ = btm_occupazione ^ fb ^ (V < 0 ? tb : 0);
  if (!NessunaInchiodatura<C>(f, occ, tb)) return 0;
  std::uint64_t info = InfoPosizione;
  std::uint64_t delta = TogliEnpassant(info);
  std::uint64_t pedoni;
  if constexpr (V < 0 && P == 0)
    pedoni = C == Bianco ? HashSpostaPedone_bianco_in[t] : HashSpostaPedone_nero_in[t];
  else if constexpr (P == 0)
    pedoni = Chiavi<C, Pedone>()[f] ^ Chiavi<C, Pedone>()[t];
  else
    pedoni = Chiavi<C, Pedone>()[f];
  delta ^= pedoni;
  if constexpr (V >= 0) {
    TogliPreso<N, V>(t);
    delta ^= Chiavi<N, V>()[t];
    if constexpr (V == Pedone) pedoni ^= Chiavi<N, V>()[t];
  }
  HashPedoni ^= pedoni;
  info &= ~(MascheraSemimosse | MascheraScacchi);
  Colori<C>() ^= fb | tb;
  btm_occupazione = occ;
  if constexpr (P == 0) {
    Pezzi<C, Pedone>() ^= fb | tb;
    Lista<C, Pedone>()[PezzoIn[f] & 15] = t;
    PezzoIn[t] = PezzoIn[f];
  } else {
    // The pawn leaves its list; the new man joins the end of its own.
    TogliPreso<C, Pedone>(f);
    Colori<C>() ^= fb;  // TogliPreso toggled the colour once more
    std::uint64_t& materiale = Materiale<C>();
    const std::uint64_t slot = Conta(materiale, P);
    Lista<C, P>()[slot] = t;
    PezzoIn[t] = CodicePezzo(P, C) | slot;
    Pezzi<C, P>() ^= tb;
    materiale += MaterialeDi[P];
    delta ^= Chiavi<C, P>()[t];
    if constexpr (V >= 0) delta ^= PerdiDiritti(info, DirittiCasa[t]);
  }
  PezzoIn[f] = CasaVuota;
  info |= Scacchi(ScaccoDiretto<C, P>(t, occ) ? t : NessunaCasa, ScaccoDiScoperta<C>(f, occ, tb));
  return Registra(mossa, info, delta);
}

template <int C, int P, int V>
void RitiraPedone(std::uint64_t mossa) {
  constexpr int N = 1 - C;
  const std::uint64_t f = DaCasa(mossa), t = ACasa(mossa);
  const Bitboard fb = Bit(f), tb = Bit(t);
  RipristinaChiavi();
  HashPedoni = backup_HashPedoni[ContatoreMosse];
  Colori<C>() ^= fb | tb;
  if constexpr (P == 0) {
    Pezzi<C, Pedone>() ^= fb | tb;
    Lista<C, Pedone>()[PezzoIn[t] & 15] = f;
    PezzoIn[f] = PezzoIn[t];
  } else {
    TogliPreso<C, P>(t);
    Colori<C>() ^= tb;
    RimettiPreso<C, Pedone>(f);
    Colori<C>() ^= fb;
  }
  if constexpr (V >= 0) {
    RimettiPreso<N, V>(t);
    btm_occupazione ^= fb;
  } else {
    PezzoIn[t] = CasaVuota;
    btm_occupazione ^= fb | tb;
  }
}

template <int C>
int FaiDoppioPasso(std::uint64_t mossa) {
  constexpr int N = 1 - C;
  const std::uint64_t f = DaCasa(mossa), t = ACasa(mossa);
  const Bitboard fb = Bit(f), tb = Bit(t);
  const Bitboard occ = btm_occupazione ^ fb ^ tb;
  if (!NessunaInchiodatura<C>(f, occ, 0)) return 0;
  std::uint64_t info = InfoPosizione;
  std::uint64_t delta = TogliEnpassant(info) ^ HashSpostaPedone2In[t];
  HashPedoni ^= HashSpostaPedone2In[t];
  info &= ~(MascheraSemimosse | MascheraScacchi);
  Pezzi<C, Pedone>() ^= fb | tb;
  Colori<C>() ^= fb | tb;
  btm_occupazione = occ;
  Lista<C, Pedone>()[PezzoIn[f] & 15] = t;
  PezzoIn[t] = PezzoIn[f];
  PezzoIn[f] = CasaVuota;
  if (Lato<C>::BersagliPedone(f + Lato<C>::Avanti) & Pezzi<N, Pedone>()) {
    info |= PermessoEnpassant;
    delta ^= HashPermessoEnpassantIn[t];
  }
  info |=
      Scacchi(ScaccoDiretto<C, Pedone>(t, occ) ? t : NessunaCasa, ScaccoDiScoperta<C>(f, occ, tb));
  return Registra(mossa, info, delta);
}

template <int C>
void RitiraDoppioPasso(std::uint64_t mossa) {
  RitiraPedone<C, 0, -1>(mossa);
}

template <int C>
int FaiEnpassant(std::uint64_t mossa) {
  constexpr int N = 1 - C;
  const std::uint64_t f = DaCasa(mossa), t = ACasa(mossa), x = t - Lato<C>::Avanti;
  const Bitboard fb = Bit(f), tb = Bit(t), xb = Bit(x);
  const Bitboard occ = btm_occupazione ^ fb ^ tb ^ xb;
  // Both squares emptied may open a line to the own king.
  const std::uint64_t re = CasaRe<C>();
  const Bitboard donne = Pezzi<N, Donna>();
  for (std::uint64_t s : {f, x}) {
    if (!(MascheraMobilita_donna_in[re] & Bit(s))) continue;
    const Bitboard a = (MascheraMobilita_alfiere_in[re] & Bit(s))
                           ? AttacchiAlfiere(re, occ) & (Pezzi<N, Alfiere>() | donne)
                           : AttacchiTorre(re, occ) & (Pezzi<N, Torre>() | donne);
    if (a) return 0;
  }
  std::uint64_t info = InfoPosizione;
  const std::uint64_t pedoni = Chiavi<C, Pedone>()[f] ^ HashCatturaEnpassantIn[x];
  HashPedoni ^= pedoni;
  const std::uint64_t delta = pedoni ^ HashPermessoEnpassantIn[x];
  info &= ~(MascheraSemimosse | PermessoEnpassant | MascheraScacchi);
  TogliPreso<N, Pedone>(x);
  Pezzi<C, Pedone>() ^= fb | tb;
  Colori<C>() ^= fb | tb;
  btm_occupazione = occ;
  Lista<C, Pedone>()[PezzoIn[f] & 15] = t;
  PezzoIn[t] = PezzoIn[f];
  PezzoIn[f] = PezzoIn[x] = CasaVuota;
  std::uint64_t diretto = NessunaCasa;
  const std::uint64_t reN = CasaRe<N>();
  if (ScaccoDiretto<C, Pedone>(t, occ)) {
    diretto = t;
  } else if (MascheraMobilita_alfiere_in[reN] & xb) {
    const Bitboard a = AttacchiAlfiere(reN, occ) & (Pezzi<C, Alfiere>() | Pezzi<C, Donna>());
    if (a) diretto = PrimaCasa(a);
  }
  info |= Scacchi(diretto, ScaccoDiScoperta<C>(f, occ, 0));
  return Registra(mossa, info, delta);
}

template <int C>
void RitiraEnpassant(std::uint64_t mossa) {
  constexpr int N = 1 - C;
  const std::uint64_t f = DaCasa(mossa), t = ACasa(mossa), x = t - Lato<C>::Avanti;
  const Bitboard fb = Bit(f), tb = Bit(t);
  RipristinaChiavi();
  HashPedoni = backup_HashPedoni[ContatoreMosse];
  Pezzi<C, Pedone>() ^= fb | tb;
  Colori<C>() ^= fb | tb;
  Lista<C, Pedone>()[PezzoIn[t] & 15] = f;
  PezzoIn[f] = PezzoIn[t];
  PezzoIn[t] = CasaVuota;
  RimettiPreso<N, Pedone>(x);
  btm_occupazione ^= fb | tb | Bit(x);
}

// Castling: the king from e1/e8 to g (corto) or c, the rook from the corner beside it.
template <int C, bool Corto>
struct Arrocco {
  static constexpr std::uint64_t base = C == Bianco ? 56 : 0;
  static constexpr std::uint64_t re_da = base + 4, re_a = base + (Corto ? 6 : 2);
  static constexpr std::uint64_t torre_da = base + (Corto ? 7 : 0),
                                 torre_a = base + (Corto ? 5 : 3);
  static constexpr Bitboard vuote =
      Corto ? (Bitboard{3} << (base + 5)) : (Bitboard{7} << (base + 1));
  static constexpr std::uint64_t diritto = C == Bianco
                                               ? (Corto ? ArroccoCortoBianco : ArroccoLungoBianco)
                                               : (Corto ? ArroccoCortoNero : ArroccoLungoNero);
  static constexpr std::uint64_t diritti_del_lato =
      C == Bianco ? ArroccoCortoBianco | ArroccoLungoBianco : ArroccoCortoNero | ArroccoLungoNero;

  static int Fai(std::uint64_t mossa) {
    constexpr int N = 1 - C;
    if (btm_occupazione & vuote) return 0;
    // The squares the king crosses and reaches must not be attacked.
    if (Attaccata<N>(torre_a, btm_occupazione, 0) || Attaccata<N>(re_a, btm_occupazione, 0))
      return 0;
    std::uint64_t info = InfoPosizione;
    std::uint64_t delta = TogliEnpassant(info);
    delta ^= Chiavi<C, Re>()[re_da] ^ Chiavi<C, Re>()[re_a] ^ Chiavi<C, Torre>()[torre_da] ^
             Chiavi<C, Torre>()[torre_a];
    info = Conteggio(info) & ~MascheraScacchi;
    delta ^= PerdiDiritti(info, diritti_del_lato);
    const Bitboard torre = Bit(torre_da) | Bit(torre_a);
    Pezzi<C, Torre>() ^= torre;
    Colori<C>() ^= torre | Bit(re_da) | Bit(re_a);
    btm_occupazione ^= torre | Bit(re_da) | Bit(re_a);
    CasaRe<C>() = re_a;
    PezzoIn[re_a] = PezzoIn[re_da];
    PezzoIn[torre_a] = PezzoIn[torre_da];
    PezzoIn[re_da] = PezzoIn[torre_da] = CasaVuota;
    Lista<C, Torre>()[PezzoIn[torre_a] & 15] = torre_a;
    const std::uint64_t reN = CasaRe<N>();
    const bool scacco = (BitmapTraiettorieDritteDa[reN] & Bit(torre_a)) &&
                        !(btm_InMezzo[torre_a * 64 + reN] & btm_occupazione);
    info |= Scacchi(NessunaCasa, scacco ? torre_a : NessunaCasa);
    return Registra(mossa, info, delta);
  }

  static void Ritira(std::uint64_t) {
    RipristinaChiavi();
    const Bitboard torre = Bit(torre_da) | Bit(torre_a);
    Pezzi<C, Torre>() ^= torre;
    Colori<C>() ^= torre | Bit(re_da) | Bit(re_a);
    btm_occupazione ^= torre | Bit(re_da) | Bit(re_a);
    CasaRe<C>() = re_da;
    PezzoIn[re_da] = PezzoIn[re_a];
    PezzoIn[torre_da] = PezzoIn[torre_a];
    PezzoIn[re_a] = PezzoIn[torre_a] = CasaVuota;
    Lista<C, Torre>()[PezzoIn[torre_da] & 15] = torre_da;
  }
};

// No kind: refused, and nothing to take back.
int FaiNulla(std::uint64_t) { return 0; }
void RitiraNulla(std::uint64_t) {}

template <int C, int K>
constexpr FaiMossa FaiDiSpecie() {
  if constexpr (K == SpecieArroccoCorto)
    return &Arrocco<C, true>::Fai;
  else if constexpr (K == SpecieArroccoLungo)
    return &Arrocco<C, false>::Fai;
  else if constexpr (K == SpecieSposta2Pedone)
    return &FaiDoppioPasso<C>;
  else if constexpr (K == SpecieSpostaPedone)
    return &FaiPedone<C, 0, -1>;
  else if constexpr (K >= 5 && K <= 9)
    return &FaiPezzo<C, K - 4, -1>;
  else if constexpr (K >= 10 && K < 15)
    return &FaiPedone<C, 0, K - 10>;
  else if constexpr (K >= 15 && K < 40)
    return &FaiPezzo<C, (K - 10) / 5, (K - 10) % 5>;
  else if constexpr (K == SpecieEnpassant)
    return &FaiEnpassant<C>;
  else if constexpr (K >= 41 && K <= 60)
    return &FaiPedone < C, (K - 41) / 5 + 1, (K - 41) % 5 == 0 ? -1 : (K - 41) % 5 > ;
  else
    return &FaiNulla;
}

template <int C, int K>
constexpr RitiraMossa RitiraDiSpecie() {
  if constexpr (K == SpecieArroccoCorto)
    return &Arrocco<C, true>::Ritira;
  else if constexpr (K == SpecieArroccoLungo)
    return &Arrocco<C, false>::Ritira;
  else if constexpr (K == SpecieSposta2Pedone)
    return &RitiraDoppioPasso<C>;
  else if constexpr (K == SpecieSpostaPedone)
    return &RitiraPedone<C, 0, -1>;
  else if constexpr (K >= 5 && K <= 9)
    return &RitiraPezzo<C, K - 4, -1>;
  else if constexpr (K >= 10 && K < 15)
    return &RitiraPedone<C, 0, K - 10>;
  else if constexpr (K >= 15 && K < 40)
    return &RitiraPezzo<C, (K - 10) / 5, (K - 10) % 5>;
  else if constexpr (K == SpecieEnpassant)
    return &RitiraEnpassant<C>;
  else if constexpr (K >= 41 && K <= 60)
    return &RitiraPedone < C, (K - 41) / 5 + 1, (K - 41) % 5 == 0 ? -1 : (K - 41) % 5 > ;
  else
    return &RitiraNulla;
}

using Specie = std::make_index_sequence<64>;

template <int C, std::size_t... K>
constexpr std::array<FaiMossa, 64> TavolaFai(std::index_sequence<K...>) {
  return {FaiDiSpecie<C, int(K)>()...};
}
template <int C, std::size_t... K>
constexpr std::array<RitiraMossa, 64> TavolaRitira(std::index_sequence<K...>) {
  return {RitiraDiSpecie<C, int(K)>()...};
}

}  // namespace

const std::array<FaiMossa, 64> fai_mossa_del_bianco = TavolaFai<Bianco>(Specie{});
const std::array<FaiMossa, 64> fai_mossa_del_nero = TavolaFai<Nero>(Specie{});
const std::array<RitiraMossa, 64> ritira_mossa_del_bianco = TavolaRitira<Bianco>(Specie{});
const std::array<RitiraMossa, 64> ritira_mossa_del_nero = TavolaRitira<Nero>(Specie{});

const std::array<FaiMossa, 64>& TavolaFaiMossa() {
  return (ContatoreMosse & 1) ? fai_mossa_del_nero : fai_mossa_del_bianco;
}
const std::array<RitiraMossa, 64>& TavolaRitiraMossa() {
  return (ContatoreMosse & 1) ? ritira_mossa_del_bianco : ritira_mossa_del_nero;
}
