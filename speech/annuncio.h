// The announcement channel and the message boxes every part of the program uses.
#pragma once

// Speaks a UTF-8 text on the chosen channel; interrupt 1 cuts off current speech.
int Anuncia(const char* testo, int interrompi);
// The two speaking channels behind Anuncia.
int AnnuncioNVDA(const char* testo, int interrompi);
int AnnuncioJAWS(const char* testo, int interrompi);

// Modal message box captioned "Attention!" in the current language.
// tipo: 64 information/OK, 4 Yes/No, 3 Yes/No/Cancel. Result 1, 6, 7 or 2.
// A null text only releases the kept buffers and returns 0.
int FinestraDiDialogo(const char* testo, int tipo);
// The same box, its spoken form queued behind what is being said (a verdict
// after the move that caused it).
int FinestraDiDialogoInCoda(const char* testo, int tipo);
// Modal box with an OK button and no icon, for the "read" commands.
// A null title or text only releases the kept buffers.
int FinestraInfo(const char* titolo, const char* testo);
// "The %s file was not found." in an information box.
void MsgFileNonTrovato(const char* nome);

// Loads the channel chosen by the assistance type (0 dialog box, 1 JAWS, 2 NVDA).
void CaricaAssistente(int tipo);
void CaricaFinestraDiDialogo();
void CaricaJaws();
void CaricaNvda();
void ScaricaJaws();
void ScaricaNvda();
extern void (*const carica[3])();

// Entry points of the screen-reader libraries (UTF-16 text for the one, the
// single-byte code page for the other).
using FnTestoNvda = unsigned long (*)(const char16_t* testo);
using FnStopNvda = unsigned long (*)();
using FnDiciJaws = int (*)(const char* testo, int interrompi);

extern void* nvda_dll;
extern void* jaws_dll;
extern FnTestoNvda annuncio_nvda;
extern FnTestoNvda braille_nvda;
extern FnStopNvda stop_NVDA;
extern FnDiciJaws annuncio_jaws;
extern int NvdaDisponibile;  // 1 when the library and all its entry points were found
extern int JawsDisponibile;
