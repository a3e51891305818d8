// Start-up and the main loop.
#pragma once

#include "platform/platform.h"

void inizializza();
// Handles one key press according to the input state.
void GestisciTasto(const platform::KeyEvent& k);
// One pass of the main loop: waits for keys (never spinning) and handles them.
void CicloPrincipale();
