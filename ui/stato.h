// Shared state of the console user interface.
#pragma once

extern int focus;  // 0 command line, 1 board explorer, 2 menu, 3 value entry, 4 book explorer
extern int fuoco;  // panel row under the cursor in the normal state (0 = command line)
extern char messaggio[1024];  // where status lines and announcements are composed

// The typed text: NUL-terminated when handed on; CharatteriInComando counts
// characters, not bytes (an accented letter takes more than one byte).
extern char comando[128];
extern int CharatteriInComando;

// The open menu, its selected item (equal to the item count: the title line),
// and the item count of each of the 22 menus.
extern int MenuAttivo;
extern int VoceSelezionata;
extern const int NumeroVociMenu[22];

constexpr const char* TitoloConsole = "Vantorel2.65";
