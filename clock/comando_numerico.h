// Reading a whole number typed on the command line or in a menu's value entry.
#pragma once

// 1 when at least one character has been typed.
int ComandoDigitato();
// The typed number (0 when the text does not begin with one; values too large
// for a 32-bit integer are capped). The text itself is left as it is.
long LeggiInteroDaComando();
// Erases the typed characters from the screen at (x, y) and empties the count.
void CancellaComandoDigitato(int x, int y);
// The same for the command line, or for the selected menu line during value entry
// (whose row the menus redraw when entry ends).
void CancellaComandoDigitato();
