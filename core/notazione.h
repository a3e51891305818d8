// Move texts: reading what the operator types, matching it against the legal-move list, and
// writing standard algebraic notation (SAN).
#pragma once

#include <cstdint>

// A typed move as far as the text tells it; 8 in a field means not given.
// Rows count from rank 8 (row 0) as squares do.
struct DettagliMossa {
  std::uint8_t pezzo = 8;       // 0-5
  std::uint8_t promozione = 8;  // 1-4
  std::uint8_t da_colonna = 8, da_riga = 8, a_colonna = 8, a_riga = 8;
};
inline constexpr std::uint8_t NonDato = 8;

// 1 if the text is a move record (e4, E4, e2e4, e2-e4, Nf3, nf3, Ng1f3, N1f3, exd5, ed, e8=Q,
// e8Q, O-O, 0-0-0, o-o ...), filling d; 0 if not.
int LeggiDettagliMossaDaStringa(const char* testo, DettagliMossa* d);

// Room in the move-entry candidate list.
inline constexpr int MaxMosseCompatibili = 8;

// Number of legal moves that match d; writes the first `capacita` of them to out, in list
// order. A pawn record from the b-file that matches nothing is tried once as a bishop move.
int TrovaMosseCompatibili(std::uint64_t* out, const DettagliMossa* d,
                          int capacita = MaxMosseCompatibili);

// 1 if more than one legal move has d's piece and destination and its given from-coordinates.
int DisambiguazioneNeccessaria(const DettagliMossa* d);

// SAN of a move of the current legal list, without check mark; out needs 8 bytes.
void ScriviNotazioneAlgebrica(std::uint64_t mossa, char* out);
