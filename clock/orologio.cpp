#include "clock/orologio.h"

#include <cstdio>
#include <cstdlib>

#include "clock/aggiudica.h"
#include "config/ini.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_clock.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "record/report.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "ui/esploratore_scacchiera.h"
#include "ui/schermo.h"
#include "ui/stato.h"

std::int32_t TempoRimasto[2];
std::uint32_t InizioTempo;
int InMoto = 0;
int PrimaVoltaInMoto = 0;
int TempoVisualizzato[2];
int AlarmeSuonato[2] = {43260, 43260};

namespace {

// The second at which the periodic update last ran, per colour. It follows
// TempoVisualizzato while the time is drawn every second; with automatic
// refresh off it still moves on, so alarms and the flag fall are handled
// once per second and not on every pass of the loop.
int SecondoAggiornato[2];

int P(int indice) { return ParametroIni[indice].valore; }
// The side to move in the game, also while an earlier position is reviewed.
int Lato() { return static_cast<int>(SemimosseDellaPartita() & 1); }

// Time really left for colore while the clock runs, in ms.
std::int64_t RimastoOra(int colore) {
  std::int32_t trascorso = static_cast<std::int32_t>(Adesso() - InizioTempo);
  return static_cast<std::int64_t>(TempoRimasto[colore]) - trascorso;
}

void Segnale() {
  Beep(3000, 5);
  Beep(1000, 100);
  Beep(3000, 5);
}

}  // namespace

std::uint32_t Adesso() { return platform::current().tick_ms(); }

int SecondiInMillisecondi(std::int64_t ms) {
  // Division truncates toward zero, which is the ceiling for negative counts.
  return static_cast<int>(ms > 0 ? (ms + 999) / 1000 : ms / 1000);
}

void StampaTempo(int colore, int secondi) {
  if (secondi == TempoVisualizzato[colore]) return;
  TempoVisualizzato[colore] = secondi;
  SecondoAggiornato[colore] = secondi;
  auto& p = platform::current();
  gotoxy(43, y_tempo[colore]);
  p.write("           ");
  int a = std::abs(secondi);
  char testo[32];
  std::snprintf(testo, sizeof testo, "%c%02d:%02d:%02d", secondi < 0 ? '-' : ' ', a / 3600,
                a / 60 % 60, a % 60);
  gotoxy(43, y_tempo[colore]);
  p.write(testo);
  ImpostaFocus();
}

void AzzeraOrologio() {
  InMoto = 0;
  PrimaVoltaInMoto = 0;
  AlarmeSuonato[0] = AlarmeSuonato[1] = 43260;
}

void StampaTempoUTC() {
  auto& p = platform::current();
  std::int64_t ora = p.epoch_ms();
  platform::DateTime l = p.local_time(ora), u = p.utc_time(ora);
  std::snprintf(DataLocale, sizeof DataLocale, "%04d.%02d.%02d", l.year, l.month, l.day);
  std::snprintf(OraLocale, sizeof OraLocale, "%02d:%02d:%02d", l.hour, l.minute, l.second);
  std::snprintf(DataUTC, sizeof DataUTC, "%04d.%02d.%02d", u.year, u.month, u.day);
  std::snprintf(OraUTC, sizeof OraUTC, "%02d:%02d:%02d", u.hour, u.minute, u.second);
}

void OrologioInMoto() {
  InizioTempo = Adesso();
  if (PrimaVoltaInMoto == 0) {
    PrimaVoltaInMoto = 1;
    if (!PartitaCaricataDagliAppunti) {
      StampaTempoUTC();
      SalvaOSegnaNonSalvata();
    }
  }
  InMoto = 1;
  StampaMossaCorrente();
  Beep(50000, 3);
  Beep(1000, 100);
}

void FermaOrologio() {
  int lato = Lato();
  TempoRimasto[lato] = static_cast<std::int32_t>(RimastoOra(lato));
  StampaTempo(lato, SecondiInMillisecondi(TempoRimasto[lato]));
  InMoto = 0;
  StampaMossaCorrente();
  Beep(1000, 100);
  Beep(50000, 3);
}

void PremiOrologio(int c) {
  std::uint32_t ora = Adesso();
  TempoRimasto[c] -= static_cast<std::int32_t>(ora - InizioTempo);
  InizioTempo = ora;
  const int n = static_cast<int>((ContatoreMosse - 1) / 2 + 1);
  std::int32_t& t = TempoRimasto[c];
  auto incremento = [&](int i) { t += P(i) * 1000; };
  auto periodo = [&](int i) {
    t += P(i) * 60000;
    Segnale();
  };
  const int fine1 = P(iniP1M), fine2 = fine1 + P(iniP2M), fine3 = fine2 + P(iniP3M);
  switch (P(iniClockMode)) {
    case 0:
      incremento(iniP1I);
      if (n % P(iniP1M) == 0) periodo(iniP1T);
      break;
    case 1:
      incremento(iniP1I);
      break;
    case 2:
      if (n <= fine1) {
        incremento(iniP1I);
        if (n == fine1) periodo(iniP2T);
      } else {
        incremento(iniP2I);
      }
      break;
    case 3:
    case 4:
      if (n <= fine1) {
        incremento(iniP1I);
        if (n == fine1) periodo(iniP2T);
      } else if (n <= fine2) {
        incremento(iniP2I);
        if (n == fine2) periodo(iniP3T);
      } else if (P(iniClockMode) == 3) {
        incremento(iniP3I);
      } else if (n <= fine3) {
        incremento(iniP3I);
        if (n == fine3) periodo(iniP4T);
      } else {
        incremento(iniP4I);
      }
      break;
    case 5:
      TempoRimasto[1 - c] = P(iniP1T) * 120000 - t;
      StampaTempo(1 - c, P(iniP1T) * 120 - SecondiInMillisecondi(t));
      break;
  }
  StampaTempo(c, SecondiInMillisecondi(t));
  // A press that lands exactly on an alarm threshold does not sound it.
  AlarmeSuonato[0] = TempoVisualizzato[0];
  AlarmeSuonato[1] = TempoVisualizzato[1];
}

void AggiornaTempoVisualizzato(int c) {
  int s = SecondiInMillisecondi(RimastoOra(c));
  const int prima = SecondoAggiornato[c];
  if (s == prima) return;
  SecondoAggiornato[c] = s;
  if (P(iniautorefresh) == 1) {
    StampaTempo(c, s);
    if (P(iniClockMode) == 5) StampaTempo(1 - c, P(iniP1T) * 120 - s);
  }
  SuonaAlarme(c, s);
  // A loop held up across zero (a question left open) skips that second: the flag falls
  // on the first second at or below it, and only when coming from above.
  if (s <= 0 && prima > 0) {
    Beep(1000, 100);
    Beep(1000, 100);
    // The arbiter judges the game's own position, not a reviewed one.
    if (focus == 1) comando_DisattivaEsplorazioneScacchiera();
    BandierinaCaduta(c);
  }
}

void AggiornaTempoASchermo() {
  if (!InMoto || P(iniautorefresh) == 1) return;
  int c = Lato();
  ParametroIni[iniautorefresh].valore = 1;
  AggiornaTempoVisualizzato(c);
  // The second may have been handled already without being drawn.
  int s = SecondiInMillisecondi(RimastoOra(c));
  StampaTempo(c, s);
  if (P(iniClockMode) == 5) StampaTempo(1 - c, P(iniP1T) * 120 - s);
  ParametroIni[iniautorefresh].valore = 0;
  fuoco = c == 0 ? 2 : 1;
  ImpostaFocus();
}

void SuonaAlarme(int c, int s) {
  if (AlarmeSuonato[c] == s) return;
  AlarmeSuonato[c] = s;
  if (s >= 1 && s <= 3) {
    Beep(1000, 100);
    return;
  }
  for (int i = inia1; i <= inia5; ++i) {
    if (P(i) * 60 != s) continue;
    Beep(1000, 100);
    Beep(1000, 100);
    char testo[256];
    std::snprintf(testo, sizeof testo, "%s %s: %s.", Testo(StrAttenzione), Testo(StrColore, 2, c),
                  StrTempo(s));
    Anuncia(testo, 1);
    return;
  }
}

void ModificaTempo(int c, int m) {
  TempoRimasto[c] += m * 60000;
  StampaTempo(c, SecondiInMillisecondi(TempoRimasto[c]));
  char testo[256];
  if (m >= 1)
    std::snprintf(testo, sizeof testo, "%s: %s %s", Testo(StrColore, 2, c), Testo(StrPiu),
                  StrTempo(m * 60));
  else
    std::snprintf(testo, sizeof testo, "%s: %s", Testo(StrColore, 2, c), StrTempo(m * 60));
  InserisciNuovoRecord(recTempoModificato, testo);
}

int MillisecondiAlProssimoSecondo() {
  if (!InMoto) return -1;
  std::int64_t r = RimastoOra(Lato());
  // The shown value is the ceiling of r/1000; it changes when r reaches the
  // next lower multiple of 1000.
  return static_cast<int>(r - (SecondiInMillisecondi(r) - 1) * 1000LL);
}
