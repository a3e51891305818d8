// The menus: a tree of 22 menus drawn from row 44, below the command line.
// The cursor sits on the selected line so that a screen reader reads it;
// items open a submenu, carry out a command, choose a value from a list or
// take a value typed on the item's own line (value entry, focus 3).
#pragma once

#include "platform/platform.h"

constexpr int NumeroMenu = 22;
constexpr int y_titolo_menu = 44;  // the open menu's title row
constexpr int y_voci_menu = 46;    // row of item 0

// Parent of each menu and the item of the parent that leads to it (the main
// menu is its own parent).
extern const int MenuPadre[NumeroMenu];
extern const int VoceMenuChiuso[NumeroMenu];

// Opens (or switches to) a menu with `voce` selected; voce equal to the
// menu's item count selects the title line.
void comando_ApriMenu(int menu, int voce);
// Opens a menu with its title line selected.
void ApriMenuSulTitolo(int menu);
// Closes the menus and returns to the command line.
void comando_ChiudiMenu();
void comando_VoceMenuSucessiva();
void comando_VoceMenuPrecedente();
// ENTER on the selected item.
void comando_DaMenu();
// Label of the selected item of the open menu, first letter in upper case
// (a static buffer rewritten at each call).
const char* EtichettaVoceMenu();
// Writes a shortcut on a row so that it ends at column 76.
void StampaTastoRapido(int riga, const char* testo);
// Draw and erase the open menu; drawing grows the window to show it.
void ApriMenuAttivo();
void ChiudiMenuAttivo();

// Value entry on the selected item's line from `colonna`.
void AttivaAttesaInputIntero(int colonna);
// Abandons (ESC, ALT+F4) or ends value entry and redraws the menu.
void DisattivaAttesaInputIntero();
// ENTER during value entry.
void comando_LeggiValoreInput();

// A key while a menu is open (focus 2).
void TastoMenu(const platform::KeyEvent& k);
