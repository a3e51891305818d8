// Rules that end or may end a game: mating material, the reversible-ply count, repetitions.
#pragma once

#include <cstdint>

// 1 if that side still has material to mate with against the other side's material.
int PuoVincereIl_bianco();
int PuoVincereIl_nero();

// The reversible-ply count of the current position. The field in InfoPosizione stops at 127;
// beyond it the count goes on from the backups of the plies played since.
int SemimosseReversibili();

// Result of the last repetition scan: earlier occurrences of the position (0, 1 or 2) and
// their plies, most recent first.
extern int Ripetizioni;
extern std::uint64_t PosizioneRipetuta[2];

// Looks for earlier occurrences of the current position among the plies of the same side to
// move within the reversible-ply count; sets Ripetizioni and PosizioneRipetuta.
int CercaRipetizioni();

// Earlier occurrences of the current position in the same window, counted up to 4 (the position
// then stands for the fifth time). Leaves Ripetizioni and PosizioneRipetuta alone.
int ContaRipetizioni();
