// Texts of the board explorer and of the piece-disposition query.
#pragma once

extern const char* const StrEsplorazioneScacchieraAttiva[3];
extern const char* const StrEsplorazioneScacchieraDisattiva[3];
// White pawns, black pawns, white knights ... black queens: ten per language.
extern const char* const StrPezzoEColorePlurale[3 * 10];
extern const char* const StrNonCiSono[3];
extern const char* const StrSituatoIn[3];
