// The clock commands: start, stop, bonuses and penalties, taking back a move.
#include <cstdio>

#include "clock/aggiudica.h"
#include "clock/comando_numerico.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fai_mossa.h"
#include "core/fine_partita.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_clock.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "record/report.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "ui/schermo.h"
#include "ui/stato.h"

namespace {

// "Add to white 5 minutes?"
int ConfermaModifica(int colore, int penalita, int minuti) {
  char testo[256];
  std::snprintf(testo, sizeof testo, "%s %s %d %s?", Testo(penalita ? StrSottraiA : StrAggiungiA),
                Testo(StrColore, 2, colore), minuti, Testo(StrMinuti));
  return FinestraDiDialogo(testo, 4);
}

void ApplicaModifica(int colore, int penalita, int minuti) {
  int m = penalita ? -minuti : minuti;
  ModificaTempo(colore, m);
  // The hourglass keeps the sum of the two clocks.
  if (ParametroIni[iniClockMode].valore == 5) ModificaTempo(1 - colore, -m);
}

void TornaAllEditazione() {
  Beep(700, 9);
  Anuncia(Testo(StrEditazione), 0);
}

}  // namespace

void comando_OrologioInMoto() {
  if (InMoto) {
    FinestraDiDialogo(Testo(MsgOrologioGiaInMoto), 64);
    return;
  }
  if (PartitaAggiudicata()) {
    if (dom_AggiudicataInMotoCMQ() != 6) return;
    RevocaAggiudicazione();
  }
  OrologioInMoto();
  InserisciNuovoRecord(recOrologioInMoto, nullptr);
  Anuncia(Testo(StrOrologioAnnuncioInMoto), 1);
}

void comando_FermaOrologio() {
  if (!InMoto) {
    FinestraDiDialogo(Testo(MsgOrologioGiaFermo), 64);
    return;
  }
  InserisciNuovoRecord(recOrologioFermato, nullptr);
  FermaOrologio();
  Anuncia(Testo(StrOrologioAnnuncioFermo), 1);
}

void comando_ModificaTempo(int penalita) {
  // With nothing typed the key table opens the bonuses-and-penalties menu instead.
  if (!ComandoDigitato()) return;
  if (InMoto) {
    FinestraDiDialogo(Testo(MsgModificaTempoInMoto), 64);
    return;
  }
  long minuti = LeggiInteroDaComando();
  CancellaComandoDigitato();
  if (minuti < 1 || minuti > 30) {
    FinestraDiDialogo(Testo(MsgMinutiFuoriRange), 64);
    return;
  }
  int colore;
  if (fuoco == 2)
    colore = 0;
  else if (fuoco == 1)
    colore = 1;
  else {
    FinestraDiDialogo(Testo(MsgScegliColore), 64);
    return;
  }
  if (ConfermaModifica(colore, penalita, static_cast<int>(minuti)) != 6) return;
  ApplicaModifica(colore, penalita, static_cast<int>(minuti));
}

int comando_ModificaTempoDaMenu(int voce) {
  if (voce < 0 || voce > 3) return 1;
  if (InMoto) {
    FinestraDiDialogo(Testo(MsgModificaTempoInMoto), 64);
    return 1;
  }
  if (!ComandoDigitato()) {
    FinestraDiDialogo(Testo(MsgNessunValoreMinuti), 64);
    TornaAllEditazione();
    return 0;
  }
  long minuti = LeggiInteroDaComando();
  CancellaComandoDigitato(72, 46 + voce);
  if (minuti < 1 || minuti > 30) {
    FinestraDiDialogo(Testo(MsgMinutiFuoriRange), 64);
    TornaAllEditazione();
    return 0;
  }
  const int colore = voce >> 1, penalita = voce & 1;
  if (ConfermaModifica(colore, penalita, static_cast<int>(minuti)) != 6) {
    TornaAllEditazione();
    return 0;
  }
  ApplicaModifica(colore, penalita, static_cast<int>(minuti));
  return 1;
}

void comando_RitiraUltimaMossa() {
  if (ContatoreMosse == 0) {
    FinestraDiDialogo(Testo(MsgNessunaMossaDaRitirare), 64);
    return;
  }
  if (InMoto) {
    FinestraDiDialogo(Testo(MsgRitiraConOrologioInMoto), 64);
    return;
  }
  if (PartitaAggiudicata() && dom_AggiudicataModificaCMQ() != 6) return;
  InserisciNuovoRecord(recMossaRitirata, ElencoStringaMossa[ContatoreMosse]);
  const std::uint64_t mossa = ElencoMosse[ContatoreMosse];
  TavolaRitiraMossa()[SpecieMossa(mossa) & 63](mossa);
  RevocaAggiudicazione();
  GeneraMosseLegali();
  CercaRipetizioni();  // the repetition line describes the position now shown
  StampaPosizione();
  Beep(3000, 5);
  Beep(50000, 3);
  Beep(3000, 5);
  if (ParametroIni[iniAssistanceType].valore != 0) AnunciaUltimaMossa();
}
