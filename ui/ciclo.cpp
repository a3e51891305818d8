#include "ui/ciclo.h"

#include "config/ini.h"
#include "core/tavole.h"
#include "speech/annuncio.h"
#include "ui/comandi.h"
#include "ui/stato.h"

namespace {

bool alt(const platform::KeyEvent& k) {
  return k.control_state & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED);
}

}  // namespace

void inizializza() {
  auto& p = platform::current();
  p.set_title(TitoloConsole);
  InizializzaTavoleScacchi();
  p.set_window_height(44);
  // The settings, then the file rewritten at once so its comments are current.
  LeggiIni();
  ScriviIni();
}

void GestisciTasto(const platform::KeyEvent& k) {
  if (k.virtual_key == VK_F4 && alt(k)) {
    switch (focus) {
      case 0:
        comando_esci();
        return;
      // The explorers and menus do not exist yet, so focus never leaves 0.
      default:
        FinestraDiDialogo("Errore in alt+f4", 64);
        return;
    }
  }
  // Every other command is added with the part of the program it belongs to.
}

void CicloPrincipale() {
  platform::KeyEvent keys[128];
  int n = platform::current().read_keys(keys, 128, -1);
  for (int i = 0; i < n; ++i)
    if (keys[i].key_down) GestisciTasto(keys[i]);
}
