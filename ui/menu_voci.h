// The menu tree's items, as the drawing and the ENTER commands see them.
#pragma once

#include <string>

// The item's label in the current language as stored (no capital added);
// the empty text for an item the menu does not have.
const char* EtichettaVoce(int menu, int voce);
// Writes the item's line on row y_voci_menu + voce: its label, then its
// shortcut, its current value or the current-value mark.
void StampaVoceMenu(int menu, int voce);
// The submenu an item opens, or -1.
int SottomenuDiVoce(int menu, int voce);
// Column of value entry in a menu (0 for a menu without value entry).
int ColonnaValoreMenu(int menu);
// The text with its first letter in upper case.
std::string ConMaiuscolaIniziale(const char* testo);
// The game-information field of an item of menu 17 (white) or 18 (black).
char* CampoGiocatore(int menu, int voce);
// Number of UTF-8 characters of a text.
int CaratteriUtf8(const char* testo);
