// Pasting a game from the clipboard: the moves checked against the rules, then
// the game, its header and its clock taken over.
#pragma once

#include <string>

#include "clock/lettore_pgn.h"

// The paste command (CTRL+V). A game that is refused, a Cancel at the save
// question or a failed save leave the current game exactly as it was.
void comando_incolla();

// Reads the one PGN file copied in the file manager into d: 1 when read, 0
// when refused (the reason shown), -1 when no file was copied.
int CaricaPartitaDaFileCopiato(DatiPartita* d);
// Reads the clipboard's text into d. 0 when the clipboard holds no text.
int CaricaPartitaDagliAppunti(DatiPartita* d);

// The legality pass, played from the start position that is on the board and
// taken back afterwards. 1 when the moves may be loaded; after a Yes to
// loading a game only up to a wrong move, d->mosse counts the moves kept.
int MosseRegolariInDatiPartita(DatiPartita* d);
// The same with the current game set aside: its moves are taken back first
// and played again afterwards, so it is left as it was.
int MosseRegolariSenzaToccareLaPartita(DatiPartita* d);

// Plays the accepted moves into the new game, with their notation and the
// verdict of a final mate or stalemate; redraws and announces the last move.
void CaricaMosseDaDatiPartita(const DatiPartita* d);
// Copies the header into the game record. A game cut short has no result.
void CaricaInfoDaDatiPartita(const DatiPartita* d);
// The summary of the pasted game that the log keeps.
std::string TestoLogPartitaIncollata();
