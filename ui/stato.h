// Shared state of the console user interface.
#pragma once

extern int focus;  // 0 command line, 1 board explorer, 2 menu, 3 value entry, 4 book explorer
extern int fuoco;  // panel row under the cursor in the normal state
extern char messaggio[1024];  // where announcements are composed

constexpr const char* TitoloConsole = "Vantorel2.65";
