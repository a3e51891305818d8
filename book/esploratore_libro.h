// The book explorer: walking the book to consult move by move on the game
// board, every node spoken and, with EchoExplorer, shown on screen.
#pragma once

#include <cstdint>

#include "book/libro.h"

struct StatoAlberoLibro {
  std::uint32_t numero = 0;           // continuations of the position on the board
  std::uint32_t selezionata[512] = {};  // per ply, the continuation the user selected
  VoceLibro lista[MaxContinuazioni];  // the continuations, largest count first
};
extern StatoAlberoLibro AlberoLibro;

// CTRL+E: enters the explorer (focus 4) before the game's first move.
void AttivaEsplorazioneLibro();
// ESC, ALT+F4: leaves it, taking the explored moves back; the game record stays.
void DisattivaEsplorazioneLibro();
void RaggiungiNodoFiglio();            // Right, ENTER
void RaggiungiNodoPadre();             // Left
void RaggiungiNodoFratelloMinore();    // Down
void RaggiungiNodoFratelloMaggiore();  // Up
// Shows and speaks the current node; 0 when its move is not legal on the board.
int AnunciaMossaSuggerita();

// The line on the board as text for the clipboard: the ECO tags when the
// moves are classified, the moves, "*". Gives 1 when it is on the clipboard.
int CopiaLineaNegliAppunti();
// CTRL+C in the explorer: copies the line up to the selected continuation.
void comando_CopiaLineaNegliAppunti();
