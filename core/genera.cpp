#include "core/genera.h"

#include "core/colore.h"
#include "core/mossa.h"

namespace {

inline int TipoIn(std::uint64_t s) { return static_cast<int>(PezzoIn[s] >> 5); }

// The four promotions of one pawn move, queen first; preso is the type taken, 0 for none.
inline std::uint64_t* Promozioni(std::uint64_t* m, std::uint64_t da, std::uint64_t a, int preso) {
  *m++ = Mossa(da, a, SpeciePromozioneCattura(Donna, preso));
  *m++ = Mossa(da, a, SpeciePromozioneCattura(Torre, preso));
  *m++ = Mossa(da, a, SpeciePromozioneCattura(Alfiere, preso));
  *m++ = Mossa(da, a, SpeciePromozioneCattura(Cavallo, preso));
  return m;
}

// Pushes to the squares of spinte (already shifted one step): promotions first, then the rest.
template <int C>
inline std::uint64_t* Spinte(std::uint64_t* m, Bitboard spinte) {
  constexpr int d = Lato<C>::Avanti;
  for (Bitboard b = spinte & Lato<C>::Promozione; b; b &= b - 1) {
    const std::uint64_t a = PrimaCasa(b);
    m = Promozioni(m, a - d, a, 0);
  }
  for (Bitboard b = spinte & ~Lato<C>::Promozione; b; b &= b - 1) {
    const std::uint64_t a = PrimaCasa(b);
    *m++ = Mossa(a - d, a, SpecieSpostaPedone);
  }
  return m;
}

template <int C>
inline std::uint64_t* Doppi(std::uint64_t* m, Bitboard doppi) {
  for (; doppi; doppi &= doppi - 1) {
    const std::uint64_t a = PrimaCasa(doppi);
    *m++ = Mossa(a - 2 * Lato<C>::Avanti, a, SpecieSposta2Pedone);
  }
  return m;
}

template <int C>
inline std::uint64_t* Enpassant(std::uint64_t* m) {
  // The square the enemy pawn passed over on its double step.
  const std::uint64_t bersaglio = DaCasa(ElencoMosse[ContatoreMosse]) - Lato<C>::Avanti;
  for (Bitboard b = Lato<C>::PedoniCheAttaccano(bersaglio) & Pezzi<C, Pedone>(); b; b &= b - 1)
    *m++ = Mossa(PrimaCasa(b), bersaglio, SpecieEnpassant);
  return m;
}

// Pawn captures onto the squares of bersagli, each from the square a - passo.
template <int C>
inline std::uint64_t* CatturePedone(std::uint64_t* m, Bitboard bersagli, int passo) {
  for (Bitboard b = bersagli & Lato<C>::Promozione; b; b &= b - 1) {
    const std::uint64_t a = PrimaCasa(b);
    m = Promozioni(m, a - passo, a, TipoIn(a));
  }
  for (Bitboard b = bersagli & ~Lato<C>::Promozione; b; b &= b - 1) {
    const std::uint64_t a = PrimaCasa(b);
    *m++ = Mossa(a - passo, a, SpecieCattura(Pedone, TipoIn(a)));
  }
  return m;
}

template <int T>
inline Bitboard Attacchi(std::uint64_t s, Bitboard occ) {
  if constexpr (T == Cavallo)
    return MascheraMobilita_cavallo_in[s];
  else if constexpr (T == Alfiere)
    return AttacchiAlfiere(s, occ);
  else if constexpr (T == Torre)
    return AttacchiTorre(s, occ);
  else if constexpr (T == Donna)
    return AttacchiDonna(s, occ);
  else
    return MascheraMobilita_re_in[s];
}

inline std::uint64_t* Catture(std::uint64_t* m, std::uint64_t da, Bitboard bersagli, int tipo) {
  for (; bersagli; bersagli &= bersagli - 1) {
    const std::uint64_t a = PrimaCasa(bersagli);
    *m++ = Mossa(da, a, SpecieCattura(tipo, TipoIn(a)));
  }
  return m;
}

inline std::uint64_t* Quiete(std::uint64_t* m, std::uint64_t da, Bitboard bersagli, int tipo) {
  for (; bersagli; bersagli &= bersagli - 1)
    *m++ = Mossa(da, PrimaCasa(bersagli), SpecieSposta(tipo));
  return m;
}

// Each man of type T in list order: its captures of nemici, then its moves to the squares of
// liberi.
template <int C, int T>
inline std::uint64_t* Pezzo(std::uint64_t* m, Bitboard nemici, Bitboard liberi) {
  const std::uint64_t* lista = Lista<C, T>();
  const int n = Conta(Materiale<C>(), T);
  for (int i = 0; i < n; ++i) {
    const std::uint64_t da = lista[i];
    const Bitboard a = Attacchi<T>(da, btm_occupazione);
    m = Catture(m, da, a & nemici, T);
    m = Quiete(m, da, a & liberi, T);
  }
  return m;
}

template <int C>
inline std::uint64_t* MosseRe(std::uint64_t* m, Bitboard nemici, Bitboard liberi) {
  const std::uint64_t da = CasaRe<C>();
  const Bitboard a = MascheraMobilita_re_in[da];
  m = Catture(m, da, a & nemici, Re);
  return Quiete(m, da, a & liberi, Re);
}

template <int C>
std::uint64_t* TutteLeMosse(std::uint64_t* m) {
  using L = Lato<C>;
  constexpr int N = L::N;
  const std::uint64_t info = InfoPosizione;
  // The enemy king is never a target: the side not to move is never in check.
  const Bitboard nemici = Colori<N>() & ~(Bitboard{1} << CasaRe<N>());
  const Bitboard liberi = ~btm_occupazione;
  const Bitboard pedoni = Pezzi<C, Pedone>();

  if (info >= NessunoScacco) {
    const Bitboard spinte = L::Spingi(pedoni) & liberi;
    m = Spinte<C>(m, spinte);
    m = Doppi<C>(m, L::Spingi(spinte & L::TerzaTraversa) & liberi);
    if (info & PermessoEnpassant) m = Enpassant<C>(m);
    // Towards the a-file first, then towards the h-file.
    constexpr int ovest = L::Avanti - 1, est = L::Avanti + 1;
    const Bitboard verso_a = (C == Bianco ? (pedoni & ~ColonnaA) >> 9 : (pedoni & ~ColonnaA) << 7);
    const Bitboard verso_h = (C == Bianco ? (pedoni & ~ColonnaH) >> 7 : (pedoni & ~ColonnaH) << 9);
    m = CatturePedone<C>(m, verso_a & nemici, ovest);
    m = CatturePedone<C>(m, verso_h & nemici, est);
    m = Pezzo<C, Cavallo>(m, nemici, liberi);
    m = Pezzo<C, Alfiere>(m, nemici, liberi);
    m = Pezzo<C, Torre>(m, nemici, liberi);
    m = Pezzo<C, Donna>(m, nemici, liberi);
    if constexpr (C == Bianco) {
      if (info & ArroccoCortoBianco) *m++ = ArroccoCortoDelBianco;
      if (info & ArroccoLungoBianco) *m++ = ArroccoLungoDelBianco;
    } else {
      if (info & ArroccoCortoNero) *m++ = ArroccoCortoDelNero;
      if (info & ArroccoLungoNero) *m++ = ArroccoLungoDelNero;
    }
    return MosseRe<C>(m, nemici, liberi);
  }

  const std::uint64_t primo = PrimoScaccoDa(info), secondo = SecondoScaccoDa(info);
  if (primo < 64 && secondo < 64) return MosseRe<C>(m, nemici, liberi);

  const std::uint64_t k = primo < 64 ? primo : secondo;
  const Bitboard kb = Bitboard{1} << k;
  const int tk = TipoIn(k);
  const Bitboard blocchi = btm_InMezzo[CasaRe<C>() * 64 + k];
  const bool enpassant = (info & PermessoEnpassant) && ACasa(ElencoMosse[ContatoreMosse]) == primo;
  // Pawn captures of the checker, pawns ascending.
  auto cattura_pedone = [&](std::uint64_t* m) {
    for (Bitboard b = L::PedoniCheAttaccano(k) & pedoni; b; b &= b - 1) {
      const std::uint64_t da = PrimaCasa(b);
      if (kb & L::Promozione)
        m = Promozioni(m, da, k, tk);
      else
        *m++ = Mossa(da, k, SpecieCattura(Pedone, tk));
    }
    return m;
  };

  if (blocchi) {
    const Bitboard spinte = L::Spingi(pedoni) & liberi;
    m = Doppi<C>(m, L::Spingi(spinte & L::TerzaTraversa) & liberi & blocchi);
    m = Spinte<C>(m, spinte & blocchi);
    if (enpassant) m = Enpassant<C>(m);
    m = cattura_pedone(m);
    m = Pezzo<C, Cavallo>(m, kb, blocchi);
    m = Pezzo<C, Alfiere>(m, kb, blocchi);
    m = Pezzo<C, Torre>(m, kb, blocchi);
    m = Pezzo<C, Donna>(m, kb, blocchi);
  } else {
    if (enpassant) m = Enpassant<C>(m);
    m = cattura_pedone(m);
    for (Bitboard b = MascheraMobilita_cavallo_in[k] & Pezzi<C, Cavallo>(); b; b &= b - 1)
      *m++ = Mossa(PrimaCasa(b), k, SpecieCattura(Cavallo, tk));
    for (Bitboard b = AttacchiAlfiere(k, btm_occupazione) & Pezzi<C, Alfiere>(); b; b &= b - 1)
      *m++ = Mossa(PrimaCasa(b), k, SpecieCattura(Alfiere, tk));
    for (Bitboard b = AttacchiTorre(k, btm_occupazione) & Pezzi<C, Torre>(); b; b &= b - 1)
      *m++ = Mossa(PrimaCasa(b), k, SpecieCattura(Torre, tk));
    for (Bitboard b = AttacchiDonna(k, btm_occupazione) & Pezzi<C, Donna>(); b; b &= b - 1)
      *m++ = Mossa(PrimaCasa(b), k, SpecieCattura(Donna, tk));
  }
  return MosseRe<C>(m, nemici, liberi);
}

}  // namespace

std::uint64_t* genera_TutteLeMosse_del_bianco(std::uint64_t* dest) {
  return TutteLeMosse<Bianco>(dest);
}
std::uint64_t* genera_TutteLeMosse_del_nero(std::uint64_t* dest) {
  return TutteLeMosse<Nero>(dest);
}
