// The time control: six clock modes over twelve parameters, and its text form
// in the PGN TimeControl notation.
#pragma once

#include <cstdint>

// The TimeControl text of the current parameters (at most 51 characters).
extern char Cadenza[64];

// One period as parsed from text.
struct DatiPeriodo {
  std::int32_t mosse;       // moves of the period, -1 when not given
  std::int32_t minuti;      // whole minutes, -1 when not given
  std::int32_t incremento;  // seconds per move; -1 for an hourglass period
  std::int32_t tipo;        // 0 hourglass, 1 moves/seconds[+inc], 2 seconds[+inc] to the end
};

// A whole parsed time control with both players' time left (seconds).
struct DatiCadenza {
  std::int32_t modo;
  DatiPeriodo periodo[4];
  std::int32_t tempo_bianco;
  std::int32_t tempo_nero;
};

void ScriviCadenza();
// A fresh clock from the parameters: both players get P1T minutes.
void CaricaTempoDaiParametri();
// 1 when the first lunghezza characters of testo are a valid period.
int LeggiDatiPeriodoDaStringa(const char* testo, int lunghezza, DatiPeriodo* periodo);
// 1 when testo is a valid TimeControl text; the times left are not touched.
int LeggiDatiCadenzaDaStringa(const char* testo, DatiCadenza* cadenza);
// The largest time left, in seconds either side of zero, that the clock takes
// over from a text (its milliseconds fit in 32 bits).
constexpr std::int32_t MaxSecondiTempoRimasto = 2'000'000;
// Takes over a parsed time control with both times left (a pasted game).
// Gives 0 and changes nothing when a time left cannot be held in milliseconds.
int CaricaOrologioDaDatiCadenza(const DatiCadenza* cadenza);
// ENTER on mode `voce` of the clock-mode menu. Gives 1 when the mode was set.
int ImpostaModoOrologioDaMenu(int voce);
// 1 while the clock has never run in this game and no move has been played.
int PartitaNonIniziata();
// Tells the user that the time control can only change before the game starts.
void AvvisaCadenzaNonModificabile();
