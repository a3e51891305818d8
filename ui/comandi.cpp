#include "ui/comandi.h"

#include <cstdio>
#include <cstdlib>

#include "clock/cadenza.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fen.h"
#include "data/messages.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "record/salvataggio.h"
#include "speech/annuncio.h"
#include "ui/menu.h"
#include "ui/esploratore_scacchiera.h"
#include "ui/riga_comando.h"
#include "ui/schermo.h"
#include "ui/stato.h"

namespace {

bool ChiedeDiSalvare() { return ParametroIni[iniautosave].valore == 0 && PartitaSalvata == 0; }

}  // namespace

void comando_esci() {
  if (ChiedeDiSalvare()) {
    int r = FinestraDiDialogo(Testo(MsgSalvaInChiusura), MB_YESNOCANCEL);
    if (r == IDCANCEL) return;
    if (r == IDYES) {
      RipetiAvvisiDiScrittura();
      // Closing after a failed save would lose the game: stay, with the refusal tone.
      if (!SalvaPartita()) {
        Beep(2000, 50);
        return;
      }
      Beep(3000, 5);
    }
    ChiudiIlProgramma();
  }
  if (FinestraDiDialogo(Testo(StrVuoiUscire), MB_YESNO) == IDNO) return;
  ChiudiIlProgramma();
}

int PartitaSostituibile() {
  if (!ChiedeDiSalvare()) return 1;
  int r = FinestraDiDialogo(Testo(MsgSalvaPrimaDiNuova), MB_YESNOCANCEL);
  if (r == IDCANCEL) return 0;
  // A game that could not be saved is not thrown away.
  if (r == IDYES) RipetiAvvisiDiScrittura();
  if (r == IDYES && !SalvaPartita()) {
    Beep(2000, 50);
    return 0;
  }
  return 1;
}

void comando_NuovaPartita() {
  if (!PartitaSostituibile()) return;
  NuovaPartita(FenIniziale);
  Beep(3000, 5);
  Anuncia(Testo(StrNuovaPartita), 1);
}

void comandoSalvaPartita() {
  RipetiAvvisiDiScrittura();
  if (!SalvaPartita()) {
    // Nothing was written: no "saved" tone or announcement.
    Beep(2000, 50);
    return;
  }
  Beep(3000, 5);
  Anuncia(Testo(StrPartitaSalvata), 1);
}

void ChiudiIlProgramma() {
  FinestraDiDialogo(nullptr, 0);
  platform::current().exit_process(0);
  std::abort();  // exit_process never returns
}

void NuovaPartita(const char* fen) {
  if (!NuovaPosizione(fen)) {
    // The text was refused and the start position loaded instead.
    std::snprintf(messaggio, sizeof messaggio,
                  "errore in CaricaPosizioneDaStringaFen\nstringa fen: %s\n", fen);
    gotoxy(0, 0);
    platform::current().write(messaggio);
  }
  CaricaTempoDaiParametri();
  AzzeraOrologio();
  SvuotaRigaComando();
  InizializzaInfoPartita();
  PartitaSalvata = 1;
  PartitaCaricataDagliAppunti = 0;
  StampaPosizione();
  fuoco = 0;
  focus = 0;
  CasaSelezionata = 56;  // a1
  ImpostaFocus();
}

void ParametroRapido(int indice, int menu, int voce) {
  if (CharatteriInComando > 0) {
    comando[CharatteriInComando] = 0;
    comando_ImpostaParametro(&ParametroIni[indice]);
    return;
  }
  comando_ApriMenu(menu, voce >= 0 ? voce : NumeroVociMenu[menu]);
}

void Interruttore(int indice) {
  if (CharatteriInComando == 0) {
    int n = std::snprintf(comando, sizeof comando, "%d", ParametroIni[indice].valore ^ 1);
    CharatteriInComando = n;
  } else {
    comando[CharatteriInComando] = 0;
  }
  comando_ImpostaParametro(&ParametroIni[indice]);
}
