// Start-up, the main loop and the key table.
#pragma once

#include "platform/platform.h"

// The start-up sequence, up to and including the first new game and the
// initial announcement.
void inizializza();
// Handles one key press according to the input state.
void GestisciTasto(const platform::KeyEvent& k);
// One pass of the main loop: updates the running clock, waits for keys until
// its displayed second changes (never spinning) and handles them.
void CicloPrincipale();
// 1 when the value being typed for the selected menu item is free text, 0
// when it is a whole number.
int InAttesaDiStringa();
