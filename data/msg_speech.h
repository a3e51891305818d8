// Texts of the announcement channel and of the spoken texts.
#pragma once

// Dialog buttons as spoken: OK, yes, no, cancel.
extern const char* const StrPulsanti[3 * 4];
// "The %s file was not found."
extern const char* const StrFileNonTrovato[3];

// Words of the spoken texts.
extern const char* const StrNomePezzo[3 * 6];               // pawn .. king
extern const char* const StrIlPezzo[3 * 6];                 // the pawn .. the king
extern const char* const StrSpellingLetteraColonna[3 * 8];  // Alfa .. Hotel
extern const char* const StrArrocco[3 * 2];                 // kingside, queenside
extern const char* const StrDa[3];                          // from
extern const char* const StrSu[3];                          // on (target of a capture)
extern const char* const StrVerso[3];                       // to (target of a quiet move)
extern const char* const StrCattura[3];
extern const char* const StrAlVarco[3];  // en passant
extern const char* const StrPromuovendoA[3];
extern const char* const StrScacco[3 * 3];         // check, discovered, double
extern const char* const StrUnaUnitaTempo[3 * 3];  // one hour, minute, second
extern const char* const StrUnitaTempo[3 * 3];     // hours, minutes, seconds
extern const char* const StrMeno[3];
extern const char* const StrPosizioneIniziale[3];

extern const char* const StrAllarmeDisattivo[3];

// a recursive period of, a fixed time of, for the whole game, hourglass,
// with an initial time of, a period of, plus, to complete the rest of the game
extern const char* const StrFrasiCadenza[3 * 8];
extern const char* const StrPer[3];    // for (n moves)
extern const char* const StrMosse[3];  // moves
extern const char* const StrCon[3];    // with
extern const char* const StrDiIncremento[3];
