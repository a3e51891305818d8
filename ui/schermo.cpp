#include "ui/schermo.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "clock/orologio.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "speech/annuncio.h"
#include "ui/menu_voci.h"
#include "ui/stato.h"

int InMessaggio = 0;

namespace {

void Scrivi(const std::string& testo) { platform::current().write(testo); }

// The knight of the header, one text per row from row 2.
const char* const DisegnoCavallo[12] = {
    "    /\\^__",   "   //    \\",   "   |   0  \\_",  "   |    \\__| ",
    "   |     \\",  "   |      |",   "   |     /",     "   |     \\",
    "   |      \\", "   |       \\", "  ============", "  /          \\",
};

// The product name in block capitals, five rows from column 15: each letter
// is drawn in a cell of eight columns with strokes two characters wide.
const char* const Marchio[5] = {
    "||  ||  //////  ||  ||  //////  //////  //////  //////  ||",
    "||  ||  ||  ||  ||\\\\||    ||    ||  ||  ||  ||  ||      ||",
    "||  ||  //////  ||\\\\||    ||    ||  ||  //////  ////    ||",
    "\\\\  //  ||  ||  ||\\\\||    ||    ||  ||  ||\\\\    ||      ||",
    "  \\\\//  ||  ||  ||  ||    ||    //////  ||  \\\\  //////  //////",
};

// Makes the first letter of a UTF-8 text upper case (the texts begin with
// plain letters).
std::string ConMaiuscola(const char* testo) {
  std::string s(testo);
  if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
  return s;
}

void ScriviIntestazioneCentrata(const char* testo, int y) {
  std::snprintf(messaggio, sizeof messaggio, "%s", testo);
  InMessaggio = static_cast<int>(std::strlen(messaggio));
  gotoxy((64 - InMessaggio) / 2 + 15, y);
  Scrivi(messaggio);
}

// Double 1500 Hz beep when the cursor lands on the clock row of the side
// whose clock is running.
void SegnalaOrologioInMoto() {
  int lato = static_cast<int>(ContatoreMosse & 1);
  if (InMoto && ((fuoco == 2 && lato == 0) || (fuoco == 1 && lato == 1))) {
    Beep(1500, 4);
    Beep(1500, 4);
  }
}

void AnnunciaEditazione() {
  Beep(700, 9);
  Anuncia(Testo(StrEditazione), 0);
}

}  // namespace

void gotoxy(int x, int y) { platform::current().set_cursor(x, y); }

void InpostaDimensioneFinestra(int extra) { platform::current().set_window_height(44 + extra); }

void DisegnaIntestazione() {
  InpostaDimensioneFinestra(0);
  gotoxy(0, 2);
  for (const char* riga : DisegnoCavallo) Scrivi(std::string(riga) + "\n");
  Scrivi("  " + std::string(76, '-') + "\n");
  for (int r = 0; r < 5; ++r) {
    gotoxy(15, 4 + r);
    Scrivi(Marchio[r]);
  }
  ScriviIntestazioneCentrata(Testo(StrIntestazione1), 11);
  ScriviIntestazioneCentrata(Testo(StrIntestazione2), 12);
}

void StampaPannelloPrincipale() {
  for (int c = 0; c < 2; ++c) {
    gotoxy(27, y_tempo[c]);
    Scrivi(ConMaiuscola(Testo(StrColore, 2, c)) + ":");
  }
  StampaRigaComando();
  gotoxy(2, 42);
  Scrivi(std::string(76, '-'));
}

void StampaRigaComando() {
  gotoxy(0, y_comando);
  Scrivi(std::string(80, ' '));
  gotoxy(27, y_comando);
  Scrivi(ConMaiuscola(Testo(StrComando)) + " =>");
}

void StampaMessaggioCentrato(int y) {
  int n = InMessaggio;
  std::string riga(n < 80 ? (80 - n) / 2 : 0, ' ');
  std::string testo(messaggio, static_cast<std::size_t>(std::clamp(n, 0, 1023)));
  if (!testo.empty())
    testo[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(testo[0])));
  riga += testo;
  // Pad to column 79 counting characters, not UTF-8 bytes.
  int celle = 0;
  for (unsigned char c : riga) celle += (c & 0xC0) != 0x80;
  if (celle < 80) riga.append(static_cast<std::size_t>(80 - celle), ' ');
  gotoxy(0, y);
  Scrivi(riga);
}

void ImpostaFocus() {
  if (focus == 2) {
    bool titolo =
        MenuAttivo < 0 || MenuAttivo >= 22 || VoceSelezionata >= NumeroVociMenu[MenuAttivo];
    gotoxy(0, titolo ? y_comando + 4 : 46 + VoceSelezionata);
    return;
  }
  if (focus == 3) {
    int scostamento = ColonnaValoreMenu(MenuAttivo);
    if (scostamento == 0) FinestraDiDialogo("Errore in imposta focus attesa input ", 64);
    gotoxy(CharatteriInComando + scostamento, 46 + VoceSelezionata);
    return;
  }
  static const int riga[9] = {y_comando, 38, 37, 21, 20, 19, 18, 17, 15};
  if (fuoco < 0 || fuoco > 8) {
    FinestraDiDialogo("Errore in InpostaFocus!", 64);
    return;
  }
  gotoxy(fuoco == 0 ? CharatteriInComando + x_comando : 0, riga[fuoco]);
}

void comando_FrecciaSu() {
  if (fuoco == 8) {
    Beep(50000, 3);
    return;
  }
  ++fuoco;
  ImpostaFocus();
  if (fuoco == 8) Beep(50000, 3);
  SegnalaOrologioInMoto();
}

void comando_FrecciaGiu() {
  if (fuoco == 0) {
    AnnunciaEditazione();
    return;
  }
  --fuoco;
  ImpostaFocus();
  if (fuoco == 0) AnnunciaEditazione();
  SegnalaOrologioInMoto();
}

void comando_home() {
  Beep(50000, 3);
  if (fuoco < 8) {
    fuoco = 8;
    ImpostaFocus();
  }
}

void comando_end() {
  AnnunciaEditazione();
  if (fuoco != 0) {
    fuoco = 0;
    ImpostaFocus();
  }
}
