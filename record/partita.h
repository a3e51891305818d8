// The current game's record: move texts, the game information of the PGN
// tags, the result, the paths of the game's files and the saved flag.
#pragma once

#include <cstdint>

constexpr int MaxSemimosse = 512;  // plies the per-ply arrays hold (the last usable is 511)

// Move text of ply i (1-based) in short algebraic notation, "+" or "#" appended.
extern char ElencoStringaMossa[MaxSemimosse][8];
// Scratch copy of the move words while a routine takes every move back and replays it.
extern std::uint64_t CopiaElencoMosse[520];
extern int UltimaMossaFatta;  // ply count saved before such a replay

constexpr int LunghezzaCampoInfo = 128;
extern char StrEvent[LunghezzaCampoInfo];
extern char StrRound[LunghezzaCampoInfo];
extern char StrWhiteCognome[LunghezzaCampoInfo], StrWhiteNome[LunghezzaCampoInfo];
extern char StrBlackCognome[LunghezzaCampoInfo], StrBlackNome[LunghezzaCampoInfo];
// The typed text is stored whole, so the rating fields are as large as the input line.
extern char StrWhiteElo[LunghezzaCampoInfo], StrBlackElo[LunghezzaCampoInfo];

extern char Result[8];              // "*" while the game runs
extern char Termination[64];        // English, for the PGN tag; "?" while running
extern char CommentoRisultato[64];  // the same verdict in the current language

// Date "%Y.%m.%d" and time "%02d:%02d:%02d" of the first clock start, "?" before.
extern char DataLocale[16], OraLocale[16], DataUTC[16], OraUTC[16];

// Relative paths of the game's PGN and log files.
extern char NomePartita[64];
extern char FileReport[64];

extern int PartitaSalvata;               // 1 when the files on disk reflect the game
extern int PartitaCaricataDagliAppunti;  // 1 while the game is one pasted from the clipboard

// Resets the record for a new game (called by the new-game operation, which
// then marks the game saved).
void InizializzaInfoPartita();

// Sets one of the eight game-information fields to the text on the input line,
// after asking. Gives 1 when stored (the caller then ends value entry), 0 when
// refused or declined (the input line stays open).
int ModificaInfoPartita(char* campo);

// After a change to the game: save it when autosave is on, else mark it unsaved.
void SalvaOSegnaNonSalvata();
