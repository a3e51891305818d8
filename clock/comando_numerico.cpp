#include "clock/comando_numerico.h"

#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "ui/schermo.h"
#include "ui/stato.h"

int ComandoDigitato() { return CharatteriInComando > 0; }

long LeggiInteroDaComando() {
  // Numbers are typed as plain digits, one byte per character.
  int n = CharatteriInComando;
  if (n < 0) n = 0;
  if (n > static_cast<int>(sizeof comando) - 1) n = sizeof comando - 1;
  std::string testo(comando, static_cast<std::size_t>(n));
  long v = std::strtol(testo.c_str(), nullptr, 10);
  if (v > 2147483647L) v = 2147483647L;
  if (v < -2147483647L) v = -2147483647L;
  return v;
}

void CancellaComandoDigitato(int x, int y) {
  if (CharatteriInComando > 0) {
    gotoxy(x, y);
    platform::current().write(std::string(static_cast<std::size_t>(CharatteriInComando), ' '));
  }
  CharatteriInComando = 0;
  ImpostaFocus();
}

void CancellaComandoDigitato() {
  if (focus == 3) {
    CharatteriInComando = 0;
    return;
  }
  CancellaComandoDigitato(x_comando, y_comando);
}
