// What ENTER does on every menu item, and value entry on an item's line.
#include <cstdio>
#include <string>

#include "book/costruttore_libro.h"
#include "book/eco.h"
#include "book/esploratore_libro.h"
#include "book/libro.h"
#include "clock/aggiudica.h"
#include "clock/cadenza.h"
#include "clock/incolla.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_clock.h"
#include "data/msg_config.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "record/pgn.h"
#include "record/report.h"
#include "record/visualizza.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "ui/comandi.h"
#include "ui/menu.h"
#include "ui/menu_voci.h"
#include "ui/riga_comando.h"
#include "ui/schermo.h"
#include "ui/stato.h"

namespace {

// Shown when an item index lies outside its menu: the tables disagree.
const char* const DiagnosticaMenu[NumeroMenu] = {
    "errore in comando da menu principale ",
    "errore in comando da menu orologio ",
    "errore in comando da menu partita ",
    "errore in comando da menu assistente ",
    "errore in comando da menu lingua ",
    "errore in comando da menu cadenza ",
    "errore in comando da menu allarmi ",
    "errore in comando da menu modifica tempo ",
    "errore in comando da menu aggiudicazioni ",
    "errore in comando da menu info partita  ",
    "errore in comando da menu modalità orologio ",
    "errore in comando da menu proprietà periodi ",
    "errore in comando da menu proprietà periodi ",
    "errore in comando da menu proprietà periodi ",
    "errore in comando da menu proprietà periodi ",
    "errore in comando da menu proprietà periodi ",
    "errore in comando da menu proprietà periodi ",
    "errore in comando da menu info bianco ",
    "errore in comando da menu info nero ",
    "errore in comando da menu sintesi vocale ",
    "Errore in comando da menu assistente.",
    "errore in comando da menu libro di aperture ",
};

// The item's command belongs to a part of the program not built yet: the
// refusal tone, and the menu stays as it is.
void NonDisponibile() { Beep(2000, 50); }

// Chooses value v of a list menu as if it had been typed and set.
void ImpostaDaLista(int indice, int v) {
  CharatteriInComando = std::snprintf(comando, sizeof comando, "%d", v);
  comando_ImpostaParametro(&ParametroIni[indice]);
}

// Closes the menus, then flips a switch as its key does on an empty line.
void ChiudiEInterruttore(int indice) {
  comando_ChiudiMenu();
  Interruttore(indice);
}

void ApriSottomenu(int voce) { ApriMenuSulTitolo(SottomenuDiVoce(MenuAttivo, voce)); }

void MenuPrincipale(int voce) {
  if (voce <= 4) {
    ApriSottomenu(voce);
    return;
  }
  if (voce == 7) {
    comando_ChiudiMenu();
    comando_esci();
    return;
  }
  comando_ChiudiMenu();
  if (voce == 5)
    comando_VerificaReport();
  else if (voce == 6)
    comando_VisualizzaGuida();
}

void MenuOrologio(int voce) {
  switch (voce) {
    case 0:
      comando_ChiudiMenu();
      if (InMoto)
        comando_FermaOrologio();
      else
        comando_OrologioInMoto();
      return;
    case 4:
      ChiudiEInterruttore(iniautorefresh);
      return;
    default:
      ApriSottomenu(voce);
      return;
  }
}

void MenuPartita(int voce) {
  switch (voce) {
    case 0:
      comando_ChiudiMenu();
      comando_NuovaPartita();
      return;
    case 1:
      comando_ChiudiMenu();
      comandoSalvaPartita();
      return;
    case 2:
      ChiudiEInterruttore(iniautosave);
      return;
    case 5:
    case 7:
      ApriSottomenu(voce);
      return;
    case 4:
      comando_ChiudiMenu();
      comando_incolla();
      return;
    case 6:
      comando_ChiudiMenu();
      comando_RitiraUltimaMossa();
      return;
    case 3:
      comando_ChiudiMenu();
      comando_CopiaPartitaNegliAppunti();
      return;
    case 8:
      comando_ChiudiMenu();
      comando_VisualizzaListaMosse();
      return;
    case 9:
      comando_ChiudiMenu();
      comando_VisualizzaPartitaPgn();
      return;
    case 10:
      comando_ChiudiMenu();
      comando_VisualizzaPartitaHtml();
      return;
    case 11:
      comando_ChiudiMenu();
      comando_VisualizzaPartitaLog();
      return;
    default:
      NonDisponibile();
      return;
  }
}

// The reading items speak and leave the menu open.
void MenuAssistente(int voce) {
  switch (voce) {
    case 2:
      AnunciaUltimaMossa();
      break;
    case 3:
      AnunciaCadenza();
      break;
    case 4:
      AnunciaTempo(0);
      break;
    case 5:
      AnunciaTempo(1);
      break;
    case 6:
      AnunciaAllarmi();
      break;
    case 7:
      AnunciaInfoPartita();
      break;
    default:
      ApriSottomenu(voce);
      return;
  }
  ImpostaFocus();
}

void MenuAggiudicazioni(int voce) {
  comando_ChiudiMenu();
  if (voce == 2)
    PattaDaccordo();
  else
    Abbandona(voce == 0 ? 1 : 0);
}

void MenuInfoPartita(int voce) {
  if (voce <= 1) {
    AttivaAttesaInputIntero(ColonnaValoreMenu(9));
    return;
  }
  if (voce <= 3) {
    ApriSottomenu(voce);
    return;
  }
  comando_ChiudiMenu();
  MostraInfoApertura();
}

void MenuLibro(int voce) {
  switch (voce) {
    case 1:
      comando_ChiudiMenu();
      MostraMosseSuggerite();
      return;
    case 2:
      comando_ChiudiMenu();
      AttivaEsplorazioneLibro();
      return;
    case 3:
      ChiudiEInterruttore(iniEchoExplorer);
      return;
    case 0:
    case 4:
    case 5:
    case 6:
    case 7:
      AttivaAttesaInputIntero(ColonnaValoreMenu(21));
      return;
    case 8:
      comando_ChiudiMenu();
      AvviaCostruzioneLibro();
      return;
    default:
      NonDisponibile();
  }
}

// The time control is fixed once the game has started.
void VocePeriodo() {
  if (PartitaNonIniziata())
    AttivaAttesaInputIntero(ColonnaValoreMenu(MenuAttivo));
  else
    AvvisaCadenzaNonModificabile();
}

// Ends value entry without redrawing the menu (the caller closes it).
void FineAttesa() {
  focus = 2;
  CharatteriInComando = 0;
  comando[0] = 0;
  AlternativaUltimoCarattere = -1;
}

void InfoPartitaDaValore(char* campo) {
  if (ModificaInfoPartita(campo))
    DisattivaAttesaInputIntero();
  else
    ImpostaFocus();  // declined or refused: the typing goes on
}

}  // namespace

void comando_DaMenu() {
  if (MenuAttivo < 0 || MenuAttivo >= NumeroMenu) {
    FinestraDiDialogo("Errore in comando da menu.", 64);
    return;
  }
  const int voce = VoceSelezionata, n = NumeroVociMenu[MenuAttivo];
  if (voce == n) return;  // the title line
  if (voce < 0 || voce > n) {
    FinestraDiDialogo(DiagnosticaMenu[MenuAttivo], 64);
    return;
  }
  switch (MenuAttivo) {
    case 0:
      MenuPrincipale(voce);
      return;
    case 1:
      MenuOrologio(voce);
      return;
    case 2:
      MenuPartita(voce);
      return;
    case 3:
      MenuAssistente(voce);
      return;
    case 4:
      comando_ChiudiMenu();
      ImpostaDaLista(inilang, voce);
      return;
    case 5:
      ApriSottomenu(voce);
      return;
    case 6:
      AttivaAttesaInputIntero(ColonnaValoreMenu(6));
      return;
    case 7:
      if (InMoto)
        FinestraDiDialogo(Testo(MsgModificaTempoInMoto), 64);
      else
        AttivaAttesaInputIntero(ColonnaValoreMenu(7));
      return;
    case 8:
      MenuAggiudicazioni(voce);
      return;
    case 9:
      MenuInfoPartita(voce);
      return;
    case 10:
      if (ImpostaModoOrologioDaMenu(voce)) ApriMenuSulTitolo(11 + voce);
      return;
    case 17:
    case 18:
      AttivaAttesaInputIntero(ColonnaValoreMenu(MenuAttivo));
      return;
    case 19:
      ImpostaDaLista(iniAssistanceType, voce);
      comando_ApriMenu(3, 1);
      return;
    case 20:
      if (voce < ParametroIni[iniMDV].minimo || voce > ParametroIni[iniMDV].massimo) {
        FinestraDiDialogo(DiagnosticaMenu[20], 64);
        return;
      }
      ImpostaDaLista(iniMDV, voce);
      comando_ApriMenu(3, 2);
      return;
    case 21:
      MenuLibro(voce);
      return;
    default:  // 11 to 16
      VocePeriodo();
      return;
  }
}

void AttivaAttesaInputIntero(int colonna) {
  focus = 3;
  const int riga = y_voci_menu + VoceSelezionata;
  gotoxy(colonna, riga);
  platform::current().write(std::string(static_cast<std::size_t>(80 - colonna), ' '));
  CharatteriInComando = 0;
  comando[0] = 0;
  gotoxy(colonna, riga);
  AlternativaUltimoCarattere = -1;
  Beep(700, 9);
  Anuncia(Testo(StrEditazione), 0);
}

void DisattivaAttesaInputIntero() {
  FineAttesa();
  comando_ApriMenu(MenuAttivo, VoceSelezionata);
}

void comando_LeggiValoreInput() {
  const int voce = VoceSelezionata;
  if (MenuAttivo < 0 || MenuAttivo >= NumeroMenu || voce < 0 ||
      voce >= NumeroVociMenu[MenuAttivo]) {
    FinestraDiDialogo("Errore in comando da menu.", 64);
    return;
  }
  if (CharatteriInComando == 0) {
    std::snprintf(messaggio, sizeof messaggio, "%s %s.", Testo(StrNoValoreParametro),
                  EtichettaVoceMenu());
    FinestraDiDialogo(messaggio, 64);
    ImpostaFocus();
    return;
  }
  // Alarms and periods are settings: the value is stored (or refused with
  // its message) and the menu comes back either way.
  if (MenuAttivo == 6 || (MenuAttivo >= 11 && MenuAttivo <= 16)) {
    comando_ImpostaParametro(&ParametroIni[MenuAttivo == 6 ? voce + inia1 : voce + 1]);
    DisattivaAttesaInputIntero();
    return;
  }
  // So are the book names and the builder's limits.
  if (MenuAttivo == 21) {
    ImpostaParametroLibro(voce);
    DisattivaAttesaInputIntero();
    return;
  }
  switch (MenuAttivo) {
    case 7:
      if (comando_ModificaTempoDaMenu(voce)) {
        FineAttesa();
        comando_ChiudiMenu();
      }
      return;
    case 9:
      InfoPartitaDaValore(voce == 0 ? StrEvent : StrRound);
      return;
    case 17:
    case 18:
      InfoPartitaDaValore(CampoGiocatore(MenuAttivo, voce));
      return;
    default:
      // No other menu starts value entry.
      FinestraDiDialogo(DiagnosticaMenu[MenuAttivo], 64);
      return;
  }
}
