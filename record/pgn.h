// The game as PGN text (the file, and the clipboard copy), and the move list.
//
// PGN layout: an empty line; the tag lines Event, Site "PC", Date, Round,
// White, Black, Result, [ECO, Opening, Variation when classified], Time,
// UTCTime, UTCDate, WhiteElo, BlackElo, PlyCount, TimeControl, WhiteTimeLeft,
// BlackTimeLeft, Termination, Mode "TC", Annotator; an empty line; the moves,
// eight full moves per line, each line beginning with a blank; the time-left
// comment; the result comment (when there is one) and the result.
#pragma once

#include <string>

// The PGN text with lines ended by fine_riga ("\n" for the file, "\r\n" for
// the clipboard).
std::string TestoPartitaPgn(const char* fine_riga);
// A PGN tag value with "\" and the double quote escaped.
std::string ValoreTagPgn(const char* valore);
// The move list text of SalvaPartitaTxt.
std::string TestoListaMosse();
// " Anna Rossi (2100) vs black? 1-0": the players part of the move list and
// of the replay script's summary, from white's family and first names.
std::string TestoGiocatori();
// "City Open, round 3", or "event?" without an event.
std::string TestoEvento();

// 1 when the game's PGN text is on the clipboard.
int CopiaPartitaNegliAppunti();
void comando_CopiaPartitaNegliAppunti();
