#include "speech/annunci.h"

// The spoken texts arrive with the speech work; until then the read commands
// say nothing.
void AnuncioIniziale() {}
void AnunciaTempo(int) {}
void AnunciaAllarmi() {}
void AnunciaCadenza() {}
void AnunciaInfoPartita() {}
void AnunciaUltimaMossa() {}
void LeggiStringaUltimaMossa(char* buffer) { buffer[0] = 0; }
