// Direction-dependent constants of the two colours and the attack test with a given
// occupancy. Internal to core/.
#pragma once

#include "core/accesso.h"
#include "core/tavole.h"

inline constexpr Bitboard Traversa(int riga) { return Bitboard{0xFF} << (8 * riga); }
inline constexpr Bitboard ColonnaA = 0x0101010101010101ull, ColonnaH = 0x8080808080808080ull;

template <int C>
struct Lato {
  static constexpr int N = 1 - C;
  static constexpr int Avanti = C == Bianco ? -8 : 8;  // one pawn step, as a square offset
  static constexpr Bitboard Promozione = Traversa(C == Bianco ? 0 : 7);
  static constexpr Bitboard TerzaTraversa = Traversa(C == Bianco ? 5 : 2);
  static Bitboard Spingi(Bitboard b) { return C == Bianco ? b >> 8 : b << 8; }
  // Squares from which a pawn of this colour attacks s.
  static Bitboard PedoniCheAttaccano(std::uint64_t s) {
    return C == Bianco ? MscBersagliPedone_nero_da[s] : MscBersagliPedone_bianco_da[s];
  }
  // Squares a pawn of this colour on s attacks.
  static Bitboard BersagliPedone(std::uint64_t s) {
    return C == Bianco ? MscBersagliPedone_bianco_da[s] : MscBersagliPedone_nero_da[s];
  }
};

// 1 if colour C attacks s with occupancy occ, ignoring men of C on the squares of togli.
template <int C>
inline bool Attaccata(std::uint64_t s, Bitboard occ, Bitboard togli) {
  const Bitboard vivi = ~togli;
  if (Lato<C>::PedoniCheAttaccano(s) & Pezzi<C, Pedone>() & vivi) return true;
  if (Distanza[CasaRe<C>() * 64 + s] == 1) return true;
  if (MascheraMobilita_cavallo_in[s] & Pezzi<C, Cavallo>() & vivi) return true;
  const Bitboard donne = Pezzi<C, Donna>();
  if (AttacchiAlfiere(s, occ) & (Pezzi<C, Alfiere>() | donne) & vivi) return true;
  if (AttacchiTorre(s, occ) & (Pezzi<C, Torre>() | donne) & vivi) return true;
  return false;
}
