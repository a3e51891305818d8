// Commands of the program as a whole: exit, new game, save, and the keys that
// set one configuration parameter from the command line.
#pragma once

void comando_esci();
void comando_NuovaPartita();
void comandoSalvaPartita();
[[noreturn]] void ChiudiIlProgramma();

// Before the current game is replaced: with autosave off and the game unsaved,
// asks whether to save it. 0 on Cancel or a failed save (the game stays).
int PartitaSostituibile();
// A new game from a FEN text: position, clock, record, command line, focus.
void NuovaPartita(const char* fen);

// A quick-parameter key: with text on the command line the text becomes the
// parameter's value; with none, the menu where it is set opens (with item
// `voce` selected, or on its title when voce is -1).
void ParametroRapido(int indice, int menu, int voce = -1);
// A toggle key: with an empty command line the setting flips.
void Interruttore(int indice);
