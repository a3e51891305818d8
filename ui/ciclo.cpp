#include "ui/ciclo.h"

#include "book/eco.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fen.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "speech/riga_cursore.h"
#include "ui/comandi.h"
#include "ui/schermo.h"
#include "ui/stato.h"

void inizializza() {
  auto& p = platform::current();
  // The platform layer speaks UTF-8 everywhere: no code pages to set.
  p.set_title(TitoloConsole);
  InizializzaTavoleScacchi();
  InpostaDimensioneFinestra(0);
  LeggiIni();
  ScriviIni();
  DisegnaIntestazione();
  StampaPannelloPrincipale();
  CaricaAssistente(ParametroIni[iniAssistanceType].valore);
  CaricaEco();
  // The book builder does not exist yet, so it has no flags to clear.
  NuovaPartita(FenIniziale);
  AnuncioIniziale();
}

void CicloPrincipale() {
  // The book builder's branch (progress announcements, every key refused)
  // joins here when the builder is built.
  if (InMoto) AggiornaTempoVisualizzato(static_cast<int>(ContatoreMosse & 1));
  platform::KeyEvent tasti[128];
  int n = platform::current().read_keys(tasti, 128, MillisecondiAlProssimoSecondo());
  for (int i = 0; i < n; ++i) {
    if (!tasti[i].key_down) continue;
    PrimaDelTasto prima = RicordaPrimaDelTasto();
    GestisciTasto(tasti[i]);
    LeggiRigaSeSpostata(prima);
  }
}
