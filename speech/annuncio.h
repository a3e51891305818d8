// The announcement channel and the message boxes every part of the program uses.
#pragma once

// Speaks a UTF-8 text on the chosen channel; interrupt 1 cuts off current speech.
int Anuncia(const char* testo, int interrompi);
// Modal message box captioned "Attention!" in the current language.
// tipo: 64 information/OK, 4 Yes/No, 3 Yes/No/Cancel. Result 1, 6, 7 or 2.
// A null text only releases the kept buffers and returns 0.
int FinestraDiDialogo(const char* testo, int tipo);
// Modal box with an OK button and no icon, for the "read" commands.
int FinestraInfo(const char* titolo, const char* testo);
// Loads the channel chosen by the assistance type (0 dialog box, 1 JAWS, 2 NVDA).
void CaricaAssistente(int tipo);
