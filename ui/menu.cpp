// Drawing, opening, closing and moving through the menus, and the keys
// while a menu is open.
#include "ui/menu.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_menu.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "speech/annuncio.h"
#include "ui/menu_voci.h"
#include "ui/riga_comando.h"
#include "ui/schermo.h"
#include "ui/stato.h"

namespace {

void Scrivi(const std::string& testo) { platform::current().write(testo); }

void Aggiungi(const char* formato, const char* a, const char* b = "", const char* c = "") {
  std::size_t n = std::strlen(messaggio);
  std::snprintf(messaggio + n, sizeof messaggio - n, formato, a, b, c);
}

// Two list steps around a silent pause: the sound of a menu opening or closing.
void SuonoMenu() {
  Beep(1500, 4);
  Beep(50000, 3);
  Beep(1500, 4);
}

// NVDA cuts off what it is saying; JAWS queues; the dialog-box channel
// would turn every menu into a message box, so it says nothing.
void AnnunciaMenu(const char* testo) {
  switch (ParametroIni[iniAssistanceType].valore) {
    case 2:
      Anuncia(testo, 1);
      return;
    case 1:
      Anuncia(testo, 0);
      return;
    default:
      return;
  }
}

bool MenuValido(int menu) { return menu >= 0 && menu < NumeroMenu; }

// ESC, and Left outside the main menu: back to the parent with the item that
// leads here selected.
void TornaAlMenuPadre() { comando_ApriMenu(MenuPadre[MenuAttivo], VoceMenuChiuso[MenuAttivo]); }

}  // namespace

void StampaTastoRapido(int riga, const char* testo) {
  // Counted in characters: "CTRL+±" takes six columns and seven bytes.
  gotoxy(77 - CaratteriUtf8(testo), riga);
  Scrivi(testo);
}

void ApriMenuAttivo() {
  const int n = NumeroVociMenu[MenuAttivo];
  InpostaDimensioneFinestra(n + 3);
  gotoxy(0, y_titolo_menu);
  Scrivi(std::string("  ") + Testo(str_NomeMenu, NumeroMenu, MenuAttivo) + " " + Testo(StrAperto));
  if (TastoRapidoMenu[MenuAttivo][0]) StampaTastoRapido(y_titolo_menu, TastoRapidoMenu[MenuAttivo]);
  for (VoceSelezionata = 0; VoceSelezionata < n; ++VoceSelezionata)
    StampaVoceMenu(MenuAttivo, VoceSelezionata);
}

void ChiudiMenuAttivo() {
  const std::string vuota(80, ' ');
  for (int riga = y_titolo_menu; riga <= y_titolo_menu + NumeroVociMenu[MenuAttivo] + 1; ++riga) {
    gotoxy(0, riga);
    Scrivi(vuota);
  }
  // The last blank row leaves the cursor below the window; the window shrinks
  // back to the top of the screen, so the cursor must be inside it first.
  gotoxy(0, y_comando);
  InpostaDimensioneFinestra(0);
}

void comando_ApriMenu(int menu, int voce) {
  if (!MenuValido(menu) || voce < 0 || voce > NumeroVociMenu[menu]) {
    FinestraDiDialogo("Errore in comando da menu.", 64);
    return;
  }
  messaggio[0] = 0;
  int precedente = -1;
  if (focus != 2) {
    // What was typed on the command line is given up for the menu.
    SvuotaRigaComando();
    focus = 2;
  } else {
    precedente = MenuAttivo;
    ChiudiMenuAttivo();
  }
  MenuAttivo = menu;
  ApriMenuAttivo();
  VoceSelezionata = voce;
  ImpostaFocus();
  Aggiungi(" %s", Testo(str_NomeMenu, NumeroMenu, menu));
  if (voce < NumeroVociMenu[menu]) {
    if (precedente >= 0 && precedente != menu && MenuPadre[precedente] == menu)
      Aggiungi(", %s %s %s", Testo(str_NomeMenu, NumeroMenu, precedente), Testo(StrChiuso),
               TastoRapidoMenu[precedente]);
  } else {
    Aggiungi(" %s %s", Testo(StrAperto), TastoRapidoMenu[menu]);
  }
  SuonoMenu();
  AnnunciaMenu(messaggio);
}

void ApriMenuSulTitolo(int menu) {
  if (!MenuValido(menu)) {
    FinestraDiDialogo("Errore in comando da menu.", 64);
    return;
  }
  comando_ApriMenu(menu, NumeroVociMenu[menu]);
}

void comando_ChiudiMenu() {
  ChiudiMenuAttivo();
  focus = 0;
  ImpostaFocus();
  SuonoMenu();
  Anuncia(Testo(StrMenuChiuso), 1);
}

void comando_VoceMenuSucessiva() {
  const int n = NumeroVociMenu[MenuAttivo];
  if (VoceSelezionata >= n) {
    VoceSelezionata = 0;
  } else if (++VoceSelezionata == n) {
    Beep(50000, 3);
  }
  ImpostaFocus();
}

void comando_VoceMenuPrecedente() {
  const int n = NumeroVociMenu[MenuAttivo];
  if (VoceSelezionata >= n) {
    VoceSelezionata = n - 1;
    Beep(50000, 3);
  } else if (VoceSelezionata == 0) {
    VoceSelezionata = n;
  } else {
    --VoceSelezionata;
  }
  ImpostaFocus();
}

const char* EtichettaVoceMenu() {
  static std::string etichetta;
  if (!MenuValido(MenuAttivo)) {
    FinestraDiDialogo("errore in etichetta voce menu", 64);
    return "";
  }
  etichetta = ConMaiuscolaIniziale(EtichettaVoce(MenuAttivo, VoceSelezionata));
  return etichetta.c_str();
}

void TastoMenu(const platform::KeyEvent& k) {
  switch (k.virtual_key) {
    case VK_UP:
      comando_VoceMenuPrecedente();
      return;
    case VK_DOWN:
      comando_VoceMenuSucessiva();
      return;
    case VK_ESCAPE:
      if (MenuAttivo == 0)
        comando_ChiudiMenu();
      else
        TornaAlMenuPadre();
      return;
    case VK_RETURN:
      comando_DaMenu();
      return;
    case VK_LEFT:
      Anuncia("", 1);
      if (MenuAttivo == 0)
        Beep(2000, 50);
      else
        TornaAlMenuPadre();
      return;
    case VK_RIGHT: {
      Anuncia("", 1);
      int sottomenu = SottomenuDiVoce(MenuAttivo, VoceSelezionata);
      if (sottomenu >= 0)
        ApriMenuSulTitolo(sottomenu);
      else
        Beep(2000, 50);
      return;
    }
    default:
      return;
  }
}
