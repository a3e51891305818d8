// Reading a game in PGN text: the move tokens and the header tags this program
// writes, into a record kept apart from the current game.
#pragma once

#include <cstddef>

#include "clock/cadenza.h"

// Room for move tokens. A game holds 511 plies; the one slot more keeps the
// first token past that limit, so the user can be told where the game was cut.
constexpr int MaxTokenMossa = 512;
constexpr int LunghezzaTokenMossa = 8;  // 7 characters and the terminator

// The pasted-game record. Texts are UTF-8 and zero-terminated.
struct DatiPartita {
  char event[128];
  char round[128];
  char white_cognome[128];
  char white_nome[128];
  char black_cognome[128];
  char black_nome[128];
  char cadenza[64];       // TimeControl text, "?" when none
  char tempo_bianco[12];  // WhiteTimeLeft in seconds, may be negative; empty when none
  char tempo_nero[12];
  char ora_utc[9];       // "hh:mm:ss" or "?"
  char data_utc[11];     // "yyyy.mm.dd" or "?"
  char risultato[8];     // "*", "1-0", "0-1" or "1/2-1/2"
  char termination[64];  // "?" when none
  char white_elo[5];     // 1000 to 4000, empty when none
  char black_elo[5];
  int mosse;          // tokens stored (at most MaxTokenMossa)
  int mosse_trovate;  // tokens found in the text, stored or not
  char token[MaxTokenMossa][LunghezzaTokenMossa];
  DatiCadenza dati_cadenza;
};

void InizializzaStrutturaDatiPartita(DatiPartita* d);
// Scans a PGN text: tags, move tokens and the result. Only the first game of
// the text is read.
void LeggiDatiPartitaDaStringa(const char* testo, DatiPartita* d);
// One tag pair, the text between "[" and "]" (lunghezza bytes).
void LeggiTagDaStringa(const char* tag, std::size_t lunghezza, DatiPartita* d);

// Copies at most n whole UTF-8 characters of s into d (capacita bytes with the
// terminator); stops at the end of s or at a byte that starts no character.
void CopiaCaratteriUtf8(char* d, std::size_t capacita, const char* s, int n);
// Each copies s into d (a field of the record) only when s is a valid value of
// its kind; otherwise d is left as it was.
void CopiaValore_yyyy_mm_dd(char* d, const char* s);      // d: 11 bytes
void CopiaValore_hh_mm_ss(char* d, const char* s);        // d: 9 bytes
void CopiaEloGiocatore(char* d, const char* s);           // d: 5 bytes
void CopiaRisultatoDaStringa(char* d, const char* s);     // d: 8 bytes
void CopiaTempoRimastoDaStringa(char* d, const char* s);  // d: 12 bytes
// 1 when testo is not empty and is a whole number of seconds the clock can hold.
int CopiaSecondiDaStringa(int* secondi, const char* testo);
