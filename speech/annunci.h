// The spoken texts: times, the time control, the game information, the last move.
// Each "read" command speaks (interrupting) on a screen-reader channel and shows
// an information box with a title in dialog mode.
#pragma once

// A duration in words ("one hour , 5 minutes"), in a static buffer of 256
// bytes valid until the next call; 0 seconds give the empty text.
const char* StrTempo(int secondi);

void AnuncioIniziale();
void AnunciaTempo(int colore);  // 0 white, 1 black
void AnunciaAllarmi();
void AnunciaCadenza();
void AnunciaInfoPartita();
void AnunciaUltimaMossa();
// Writes the description of the last move into buffer (at least 1024 bytes).
void LeggiStringaUltimaMossa(char* buffer);
