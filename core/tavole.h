// Attack tables: constant step and jump tables, line and in-between tables built at start-up,
// the magic-multiplication database of sliding attacks, the bit scan and the attack tests.
#pragma once

#include <array>
#include <cstdint>

#include "core/posizione.h"

// Neighbouring square in each direction (north = towards rank 8 = s - 8), 64 off the board.
using TavolaCase = std::array<std::uint64_t, 64>;
extern const TavolaCase AOvestDi, AEstDi, ANordDi, ASudDi, ANordovestDi, ANordestDi, ASudovestDi,
    ASudestDi;

extern const TavolaCase MascheraMobilita_cavallo_in;
extern const TavolaCase MascheraMobilita_re_in;
extern const TavolaCase MscBersagliPedone_bianco_da;  // squares a white pawn on s attacks
extern const TavolaCase MscBersagliPedone_nero_da;    // squares a black pawn on s attacks
// Relevant-occupancy masks: the lines from s without the last square of each line.
extern const TavolaCase MascheraMobilita_torre_in;
extern const TavolaCase MascheraMobilita_alfiere_in;
extern const TavolaCase MascheraMobilita_donna_in;

extern const std::uint64_t FattoreMagicoMobilita_torre_in[64];
extern const std::uint64_t FattoreMagicoMobilita_alfiere_in[64];
extern const std::array<std::uint32_t, 64> ShiftIndiceMobilita_torre_in;
extern const std::array<std::uint32_t, 64> ShiftIndiceMobilita_alfiere_in;
extern Bitboard* mobilita_torre_da[64];
extern Bitboard* mobilita_alfiere_da[64];

// Every square index width is the standard one (rook: 12 corners, 11 edges, 10 inside).
inline constexpr int DimensioneDbMobilita = 102400 + 5248;
extern Bitboard DbMobilita[DimensioneDbMobilita];

extern const std::array<std::uint32_t, 64> BitScanDatabase;

extern std::uint8_t Distanza[64 * 64];  // king distance, index a * 64 + b
extern Bitboard BitmapTraiettorieDa[64];
extern Bitboard BitmapTraiettorieDritteDa[64];
extern Bitboard BitmapTraiettorieDiagonaliDa[64];
extern Bitboard btm_InMezzo[64 * 64];  // squares strictly between a and b on a line

// Build the tables, in this order, once at start-up. Both are idempotent.
void InizializzaInfoTraiettorie();
void InizializzaDbMobilita();

// Every table of the core: keys, lines, sliding attacks.
void InizializzaTavoleScacchi();

inline Bitboard AttacchiTorre(std::uint64_t s, Bitboard occ) {
  return mobilita_torre_da[s][((occ & MascheraMobilita_torre_in[s]) *
                               FattoreMagicoMobilita_torre_in[s]) >>
                              ShiftIndiceMobilita_torre_in[s]];
}
inline Bitboard AttacchiAlfiere(std::uint64_t s, Bitboard occ) {
  return mobilita_alfiere_da[s][((occ & MascheraMobilita_alfiere_in[s]) *
                                 FattoreMagicoMobilita_alfiere_in[s]) >>
                                ShiftIndiceMobilita_alfiere_in[s]];
}
inline Bitboard AttacchiDonna(std::uint64_t s, Bitboard occ) {
  return AttacchiTorre(s, occ) | AttacchiAlfiere(s, occ);
}

// Lowest square of a non-zero bitboard (de Bruijn multiplication).
inline std::uint64_t PrimaCasa(Bitboard x) {
  return BitScanDatabase[((x & (0 - x)) * 0x07EDD5E59A4E28C2ull) >> 58];
}

// 1 if a man of that colour attacks square s in the current position, else 0.
int attaccano_pezzi_del_bianco(std::uint64_t s);
int attaccano_pezzi_del_nero(std::uint64_t s);
