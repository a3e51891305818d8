// Saving the game's files.
#pragma once

// Writes the move list, the PGN file, the replay script and the log, then marks
// the game saved. Gives 1 when the game was saved, 0 when it was not.
int SalvaPartita();
