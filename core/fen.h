// Loading a position from a FEN text.
#pragma once

#include <cstdint>

// The standard start position.
extern const char* const FenIniziale;

// Loads a FEN text onto a cleared board (SvuotaScacchiera). Returns 1 if loaded, 0 if
// rejected; after a rejection the board holds whatever was placed so far.
int CaricaPosizioneDaStringaFen(const char* testo);

// The chess part of a new game: clears the board and loads the FEN text; when the text is
// rejected, loads the start position instead and returns 0. Then clears the repetition
// record and builds the legal-move list. The console, clock and record steps are the caller's.
int NuovaPosizione(const char* fen);
