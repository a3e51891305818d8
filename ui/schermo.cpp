#include "ui/schermo.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "platform/platform.h"
#include "ui/stato.h"

int InMessaggio = 0;

void gotoxy(int x, int y) { platform::current().set_cursor(x, y); }

void InpostaDimensioneFinestra(int extra) { platform::current().set_window_height(44 + extra); }

void StampaMessaggioCentrato(int y) {
  int n = InMessaggio;
  std::string riga(n < 80 ? (80 - n) / 2 : 0, ' ');
  std::string testo(messaggio, static_cast<std::size_t>(std::max(n, 0)));
  if (!testo.empty()) testo[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(testo[0])));
  riga += testo;
  // Pad to column 79 counting characters, not UTF-8 bytes.
  int celle = 0;
  for (unsigned char c : riga) celle += (c & 0xC0) != 0x80;
  if (celle < 80) riga.append(static_cast<std::size_t>(80 - celle), ' ');
  gotoxy(0, y);
  platform::current().write(riga);
}

// The header, the panel, the status lines, the board and the cursor moves are
// drawn by the screen-layout work of the console program; until it lands
// these draw nothing.
void DisegnaIntestazione() {}
void StampaPannelloPrincipale() {}
void StampaRigaComando() {}
void StampaCadenza() {}
void StampaRipetizioni() {}
void StampaDirittiArrocco() {}
void StampaSemimosse() {}
void StampaMossaCorrente() {}
void StampaScacchiera() {}
void StampaPosizione() {}
void RistampaPannelloPrincipale() {}
void ImpostaFocus() {}
void comando_home() {}
void comando_end() {}
void comando_FrecciaSu() {}
void comando_FrecciaGiu() {}
