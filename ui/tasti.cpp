// The key table: every key press goes to its command according to the input
// state (focus) and the modifier keys held.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "book/costruttore_libro.h"
#include "book/eco.h"
#include "book/esploratore_libro.h"
#include "book/libro.h"
#include "clock/aggiudica.h"
#include "clock/incolla.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/pgn.h"
#include "record/report.h"
#include "record/visualizza.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "ui/ciclo.h"
#include "ui/comandi.h"
#include "ui/esploratore_scacchiera.h"
#include "ui/menu.h"
#include "ui/riga_comando.h"
#include "ui/schermo.h"
#include "ui/stato.h"

namespace {

bool Alt(const platform::KeyEvent& k) {
  return k.control_state & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED);
}
bool Ctrl(const platform::KeyEvent& k) {
  return k.control_state & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED);
}
bool Shift(const platform::KeyEvent& k) { return k.control_state & SHIFT_PRESSED; }

// The digit of a main-row or numeric-keypad digit key, or -1.
int Cifra(int vk) {
  if (vk >= '0' && vk <= '9') return vk - '0';
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return vk - VK_NUMPAD0;
  return -1;
}

void AnnunciaEditazione() {
  Beep(700, 9);
  Anuncia(Testo(StrEditazione), 0);
}

// A value is being typed for a menu item.
void TastoValore(const platform::KeyEvent& k) {
  switch (k.virtual_key) {
    case VK_UP:
    case VK_DOWN:
      AnnunciaEditazione();
      return;
    case VK_ESCAPE:
      DisattivaAttesaInputIntero();
      return;
    case VK_RETURN:
      comando_LeggiValoreInput();
      return;
    default:
      if (InAttesaDiStringa())
        comando_digitazioneCarattere(k.virtual_key, static_cast<unsigned char>(k.ascii));
      else
        comando_digitazioneIntero(k.ascii);
  }
}

// A bonus or penalty of the typed minutes; with nothing typed, the menu
// where both are chosen.
void BonusOPenalita(int penalita) {
  if (CharatteriInComando == 0)
    ApriMenuSulTitolo(7);
  else
    comando_ModificaTempo(penalita);
}

// CTRL and SHIFT held.
void TastoCtrlShift(const platform::KeyEvent& k) {
  if (k.virtual_key == VK_RETURN) {
    comando_FermaOrologio();
    return;
  }
  // Layouts where "+" is a shifted key report it as SHIFT and "=".
  if (k.virtual_key == VK_ADD || k.virtual_key == VK_OEM_PLUS) {
    BonusOPenalita(0);
    return;
  }
  if (k.virtual_key == VK_SUBTRACT) {
    BonusOPenalita(1);
    return;
  }
  const int incremento[4] = {iniP1I, iniP2I, iniP3I, iniP4I};
  int c = Cifra(k.virtual_key);
  if (c >= 1 && c <= 4) ParametroRapido(incremento[c - 1], 5);
}

// CTRL alone.
void TastoCtrl(const platform::KeyEvent& k) {
  const int tempo[4] = {iniP1T, iniP2T, iniP3T, iniP4T};
  int c = Cifra(k.virtual_key);
  if (c >= 1 && c <= 4) {
    ParametroRapido(tempo[c - 1], 5);
    return;
  }
  switch (k.virtual_key) {
    case VK_RETURN:
      comando_OrologioInMoto();
      return;
    case VK_F11:
      MostraInfoApertura();
      return;
    case VK_F2:
      MostraMosseSuggerite();
      return;
    case 'E':
      AttivaEsplorazioneLibro();
      return;
    case VK_F5:
      comando_VisualizzaPartitaLog();
      return;
    case VK_F9:
      comando_VisualizzaPartitaHtml();
      return;
    case 'C':
      comando_CopiaPartitaNegliAppunti();
      return;
    case 'B':
      AvviaCostruzioneLibro();
      return;
    case 'A':
      Interruttore(iniautorefresh);
      return;
    case 'S':
      Interruttore(iniautosave);
      return;
    case 'P':
      ParametroRapido(iniClockMode, 10);
      return;
    case 'V':
      comando_incolla();
      return;
    case VK_DELETE:
      comando_RitiraUltimaMossa();
      return;
    case VK_ADD:
    case VK_OEM_PLUS:
      BonusOPenalita(0);
      return;
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
      BonusOPenalita(1);
      return;
    default:
      return;
  }
}

// CTRL and ALT held (AltGr included).
void TastoCtrlAlt(const platform::KeyEvent& k) {
  const int mosse[3] = {iniP1M, iniP2M, iniP3M};
  int c = Cifra(k.virtual_key);
  if (c >= 1 && c <= 3) {
    ParametroRapido(mosse[c - 1], 5);
    return;
  }
  if (k.virtual_key == 'E') Interruttore(iniEchoExplorer);
  if (k.virtual_key == 'P') ApriMenuSulTitolo(11 + ParametroIni[iniClockMode].valore);
  if (k.virtual_key == 'V') comando_VerificaReport();
}

// ALT alone.
void TastoAlt(const platform::KeyEvent& k) {
  const int allarme[5] = {inia1, inia2, inia3, inia4, inia5};
  int c = Cifra(k.virtual_key);
  if (c >= 1 && c <= 5) {
    ParametroRapido(allarme[c - 1], 6, c - 1);
    return;
  }
  switch (k.virtual_key) {
    case 'O':
      ApriMenuSulTitolo(1);
      return;
    case 'P':
      ApriMenuSulTitolo(2);
      return;
    case 'A':
      ApriMenuSulTitolo(3);
      return;
    case 'B':
      ApriMenuSulTitolo(21);
      return;
    case 'C':
      ApriMenuSulTitolo(5);
      return;
    case 'X':
      ApriMenuSulTitolo(8);
      return;
    case 'I':
      ApriMenuSulTitolo(9);
      return;
    case 'L':
      ParametroRapido(inilang, 4);
      return;
    case 'H':
      ParametroRapido(iniAssistanceType, 19);
      return;
    case 'D':
      ParametroRapido(iniMDV, 20);
      return;
    case 'N':
      comando_NuovaPartita();
      return;
    case 'S':
      comandoSalvaPartita();
      return;
    default:
      return;
  }
}

// Neither CTRL nor ALT.
void TastoSemplice(const platform::KeyEvent& k) {
  int vk = k.virtual_key;
  switch (vk) {
    case VK_APPS:
      ApriMenuSulTitolo(0);
      return;
    case VK_SPACE:
      comando_AttivaEsplorazioneScacchiera();
      return;
    case 'T':
      AggiornaTempoASchermo();
      return;
    case VK_F1:
      comando_VisualizzaGuida();
      return;
    case VK_F2:
      AnunciaUltimaMossa();
      return;
    case VK_F3:
      AnunciaCadenza();
      return;
    case VK_F4:
      Abbandona(1);
      return;
    case VK_F5:
      comando_VisualizzaListaMosse();
      return;
    case VK_F6:
      AnunciaTempo(0);
      return;
    case VK_F7:
      AnunciaTempo(1);
      return;
    case VK_F8:
      Abbandona(0);
      return;
    case VK_F9:
      comando_VisualizzaPartitaPgn();
      return;
    case VK_F10:
      AnunciaAllarmi();
      return;
    case VK_F11:
      AnunciaInfoPartita();
      return;
    case VK_F12:
      PattaDaccordo();
      return;
    case VK_HOME:
      comando_home();
      return;
    case VK_END:
      comando_end();
      return;
    case VK_UP:
      comando_FrecciaSu();
      return;
    case VK_DOWN:
      comando_FrecciaGiu();
      return;
    case VK_LEFT:
    case VK_RIGHT:
      // The command line has no cursor to move.
      Anuncia(" ", 1);
      Beep(50000, 3);
      return;
    case VK_BACK:
      comando_backspace();
      return;
    case VK_RETURN:
      comando_invio();
      return;
    default:
      break;
  }
  if ((vk >= 0x30 && vk <= 0x5A) || (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)) {
    comando_digitazione(k.ascii);
    return;
  }
  // On keyboards where "=", "+", "-" or ":" have keys of their own (not a
  // shifted digit), they still reach the command line.
  if (k.ascii && std::strchr(CaratteriExtra, k.ascii)) comando_digitazione(k.ascii);
}

// The board explorer (focus 1).
void TastoEsploratoreScacchiera(const platform::KeyEvent& k) {
  if (Alt(k)) {
    switch (k.virtual_key) {
      case VK_LEFT:
        EsploraIndietro();
        return;
      case VK_RIGHT:
        EsploraAvanti();
        return;
      case VK_HOME:
        EsploraIndietroTutta();
        return;
      case VK_END:
        EsploraAvantiTutta();
        return;
      default:
        return;
    }
  }
  switch (k.virtual_key) {
    case VK_ESCAPE:
      comando_DisattivaEsplorazioneScacchiera();
      return;
    case VK_UP:
      comando_CasaSelezionata(ANordDi);
      return;
    case VK_DOWN:
      comando_CasaSelezionata(ASudDi);
      return;
    case VK_LEFT:
      comando_CasaSelezionata(AOvestDi);
      return;
    case VK_RIGHT:
      comando_CasaSelezionata(AEstDi);
      return;
    default:
      break;
  }
  const unsigned char c = static_cast<unsigned char>(k.ascii);
  if (!std::isalnum(c)) return;
  // A letter or digit leaves the explorer and starts the command line.
  comando_DisattivaEsplorazioneScacchiera();
  comando_digitazione(k.ascii);
  char testo[64];
  std::snprintf(testo, sizeof testo, "%c: %s.", k.ascii, Testo(StrEditazione));
  Anuncia(testo, 0);
}

// The book explorer (focus 4).
void TastoEsploratoreLibro(const platform::KeyEvent& k) {
  if (Ctrl(k)) {
    if (k.virtual_key == 'C') comando_CopiaLineaNegliAppunti();
    return;
  }
  switch (k.virtual_key) {
    case VK_ESCAPE:
      DisattivaEsplorazioneLibro();
      return;
    case VK_UP:
      RaggiungiNodoFratelloMaggiore();
      return;
    case VK_DOWN:
      RaggiungiNodoFratelloMinore();
      return;
    case VK_LEFT:
      RaggiungiNodoPadre();
      return;
    case VK_RIGHT:
    case VK_RETURN:
      RaggiungiNodoFiglio();
      return;
    default:
      return;
  }
}

}  // namespace

int InAttesaDiStringa() {
  if (MenuAttivo == 9) return 1;
  if (MenuAttivo == 21) return VoceSelezionata == 0 || VoceSelezionata == 4;
  if (MenuAttivo == 17 || MenuAttivo == 18) return VoceSelezionata != 2;
  return 0;
}

void GestisciTasto(const platform::KeyEvent& k) {
  if (k.virtual_key == VK_F4 && Alt(k)) {
    switch (focus) {
      case 0:
        comando_esci();
        return;
      case 4:
        DisattivaEsplorazioneLibro();
        return;
      case 2:
        comando_ChiudiMenu();
        return;
      case 3:
        DisattivaAttesaInputIntero();
        return;
      case 1:
        comando_DisattivaEsplorazioneScacchiera();
        return;
      default:
        FinestraDiDialogo("Errore in alt+f4", 64);
        return;
    }
  }
  switch (focus) {
    case 3:
      TastoValore(k);
      return;
    case 2:
      TastoMenu(k);
      return;
    case 4:
      TastoEsploratoreLibro(k);
      return;
    case 1:
      TastoEsploratoreScacchiera(k);
      return;
    case 0:
      break;
    default:
      return;
  }
  bool ctrl = Ctrl(k), alt = Alt(k);
  if (ctrl && alt)
    TastoCtrlAlt(k);
  else if (ctrl && Shift(k))
    TastoCtrlShift(k);
  else if (ctrl)
    TastoCtrl(k);
  else if (alt)
    TastoAlt(k);
  else
    TastoSemplice(k);
}
