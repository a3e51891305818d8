// The move word and its lookup tables, and the move buffer.
//
// Move word (32 bits, kept in a 64-bit slot, upper bits 0):
//   bits 0-5 from-square, 6-11 to-square, 12-17 kind (1-60), 18-31 zero.
// Kinds: 1 castling king-side, 2 queen-side, 3 pawn double step, 4 pawn single step,
// 5-9 quiet knight, bishop, rook, queen, king move, 10 + 5m + v capture by type m of type v,
// 40 en passant, 41 + 5(p - 1) promotion to p (knight 1 ... queen 4), and that kind + v
// for a promotion capturing type v (knight 1 ... queen 4).
// The colour is not in the word: the side to move picks the table.
#pragma once

#include <array>
#include <cstdint>

inline constexpr std::uint64_t Mossa(std::uint64_t da, std::uint64_t a, std::uint64_t specie) {
  return da | (a << 6) | (specie << 12);
}
inline constexpr std::uint64_t DaCasa(std::uint64_t mossa) { return mossa & 63; }
inline constexpr std::uint64_t ACasa(std::uint64_t mossa) { return (mossa >> 6) & 63; }
inline constexpr std::uint64_t SpecieMossa(std::uint64_t mossa) { return mossa >> 12; }

enum SpecieMossaFissa : int {
  SpecieArroccoCorto = 1,
  SpecieArroccoLungo = 2,
  SpecieSposta2Pedone = 3,
  SpecieSpostaPedone = 4,
  SpecieEnpassant = 40,
};
inline constexpr int SpecieSposta(int tipo) { return 4 + tipo; }  // knight ... king
inline constexpr int SpecieCattura(int tipo, int preso) { return 10 + 5 * tipo + preso; }
inline constexpr int SpeciePromozione(int promosso) { return 41 + 5 * (promosso - 1); }
inline constexpr int SpeciePromozioneCattura(int promosso, int preso) {
  return SpeciePromozione(promosso) + preso;
}
inline constexpr int NumeroSpecie = 61;

// The castling words: e1-g1, e1-c1, e8-g8, e8-c8.
inline constexpr std::uint64_t ArroccoCortoDelBianco = 8124, ArroccoLungoDelBianco = 11964,
                               ArroccoCortoDelNero = 4484, ArroccoLungoDelNero = 8324;

// By kind; 255 where not applicable.
extern const std::array<std::uint8_t, 64> TipoPezzoMossa;       // type of the man that moves
extern const std::array<std::uint8_t, 64> TipoPromozioneMossa;  // type promoted to
extern const std::array<std::uint8_t, 61> TipoCatturaMossa;     // type of the man taken

// The one move buffer of the system; every generation overwrites it.
inline constexpr int DimensioneBufferMosse = 256;
extern std::uint64_t BufferMosseGenerate[DimensioneBufferMosse];
extern std::uint64_t* FineMosseGenerate;  // one past the last move
