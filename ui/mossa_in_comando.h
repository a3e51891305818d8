// Move entry: the text on the command line becomes one legal move, which is
// played, timed, recorded, logged, tested for the end of the game, shown and
// announced.
#pragma once

// Plays the move typed in comando (NUL-terminated).
void EseguiMossaInComando();

// The tests after a move: mate, stalemate, insufficient material, the
// reversible-ply count and repetition, with their verdicts or questions.
void TestFinePartita();
