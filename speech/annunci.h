// The spoken texts: times, the time control, the game information, the last move.
#pragma once

void AnuncioIniziale();
void AnunciaTempo(int colore);  // 0 white, 1 black
void AnunciaAllarmi();
void AnunciaCadenza();
void AnunciaInfoPartita();
void AnunciaUltimaMossa();
// Writes the description of the last move into buffer (at least 1024 bytes).
void LeggiStringaUltimaMossa(char* buffer);
