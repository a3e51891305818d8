#include "ui/ciclo.h"

#include "book/costruttore_libro.h"
#include "book/eco.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fen.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "record/salvataggio.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "speech/riga_cursore.h"
#include "ui/comandi.h"
#include "ui/esploratore_scacchiera.h"
#include "ui/schermo.h"
#include "ui/stato.h"

void inizializza() {
  auto& p = platform::current();
  // The platform layer speaks UTF-8 everywhere: no code pages to set.
  p.set_title(TitoloConsole);
  InizializzaTavoleScacchi();
  InpostaDimensioneFinestra(0);
  // The speech channel comes first, so that what the reading of the settings
  // has to say is heard.
  LeggiIniInSilenzio();
  CaricaAssistente(ParametroIni[iniAssistanceType].valore);
  LeggiIni();
  ScriviIni();
  DisegnaIntestazione();
  StampaPannelloPrincipale();
  CaricaEco();
  CostruttoreLibro.attivo.store(0);
  CostruttoreLibro.fatto.store(0);
  // A closed window or a logout must not lose the game.
  platform::set_session_end_hook(SalvaAllaChiusura);
  NuovaPartita(FenIniziale);
  AnuncioIniziale();
}

namespace {

// While the book builder runs it owns the board: the loop speaks the
// percentage, refuses every key, and finishes the build on this thread.
// (A build never starts while the clock runs, so there is no clock to show.)
void CicloCostruzione() {
  if (CostruttoreLibro.fatto.load(std::memory_order_acquire)) {
    FineCostruzioneLibro();
    return;
  }
  AnnunciaProgressoCostruzione();
  platform::KeyEvent tasti[128];
  int n = platform::current().read_keys(tasti, 128, 50);
  for (int i = 0; i < n; ++i)
    if (tasti[i].key_down) Beep(2000, 50);
}

}  // namespace

void CicloPrincipale() {
  if (CostruttoreLibro.attivo.load(std::memory_order_acquire)) {
    CicloCostruzione();
    return;
  }
  if (InMoto) AggiornaTempoVisualizzato(static_cast<int>(SemimosseDellaPartita() & 1));
  platform::KeyEvent tasti[128];
  int n = platform::current().read_keys(tasti, 128, MillisecondiAlProssimoSecondo());
  for (int i = 0; i < n; ++i) {
    if (!tasti[i].key_down) continue;
    PrimaDelTasto prima = RicordaPrimaDelTasto();
    GestisciTasto(tasti[i]);
    LeggiRigaSeSpostata(prima);
  }
}
