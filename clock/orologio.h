// The clock: both players' remaining times, start, stop, the press after a
// move, the periodic update with alarms and flag fall, and the clock commands.
#pragma once

#include <cstdint>

extern std::int32_t TempoRimasto[2];  // ms left for white, black at InizioTempo
extern std::uint32_t InizioTempo;     // Adesso() at the last start or press
extern int InMoto;                    // 1 while the clock runs
extern int PrimaVoltaInMoto;          // 1 once the clock has run in this game
extern int TempoVisualizzato[2];      // seconds last drawn per colour
extern int AlarmeSuonato[2];          // seconds at which the alarm test last ran

// A monotonic millisecond stamp, modulo 2^32: only differences mean anything.
// (Calendar time would let a clock change add or steal a player's time.)
std::uint32_t Adesso();
// Whole seconds of a millisecond count, rounded up (-999..-1 give 0).
int SecondiInMillisecondi(std::int64_t ms);
// Draws a colour's time on its clock row when it differs from what is shown.
void StampaTempo(int colore, int secondi);

// New game: the clock stopped and never run, alarms ready.
void AzzeraOrologio();
void OrologioInMoto();
void FermaOrologio();
// The press by colore, who has just completed a move (the ply is already counted).
void PremiOrologio(int colore);
// The periodic update for the side to move; cheap unless its second changed.
void AggiornaTempoVisualizzato(int colore);
// Draws the running time once when automatic refresh is off.
void AggiornaTempoASchermo();
void SuonaAlarme(int colore, int secondi);
// Adds (positive) or removes (negative) whole minutes and logs it.
void ModificaTempo(int colore, int minuti);
// Fills the local and UTC date and time of the first start.
void StampaTempoUTC();
// Milliseconds until the displayed second of the running side changes, so the
// main loop can sleep exactly that long; -1 while the clock is stopped.
int MillisecondiAlProssimoSecondo();

// Commands.
void comando_OrologioInMoto();
void comando_FermaOrologio();
void comando_ModificaTempo(int penalita);
// ENTER in the bonuses-and-penalties menu on entry voce (0 bonus white, 1 penalty
// white, 2 bonus black, 3 penalty black). Gives 1 when the menu should close.
int comando_ModificaTempoDaMenu(int voce);
void comando_RitiraUltimaMossa();
