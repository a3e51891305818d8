// Texts of the game record.
#pragma once

extern const char* const StrArticoloData[3];  // "on" before a date
extern const char* const StrArticoloOra[3];   // "at" before a time
extern const char* const MsgEloFuoriRange[3];
// Labels of the game-information fields, in the order event, round, family
// name, first name, fide elo rating.
extern const char* const StrEtichettaCampoInfo[3 * 5];
