#include "clock/cadenza.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "clock/orologio.h"
#include "config/ini.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_config.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "speech/annuncio.h"
#include "ui/schermo.h"

char Cadenza[64];

namespace {

int P(int indice) { return ParametroIni[indice].valore; }

// One period: "[moves/]seconds[+increment]".
void ScriviPeriodo(std::string& s, int mosse, int minuti, int incremento) {
  char pezzo[32];
  if (mosse >= 0) {
    std::snprintf(pezzo, sizeof pezzo, "%d/", mosse);
    s += pezzo;
  }
  std::snprintf(pezzo, sizeof pezzo, "%d", minuti * 60);
  s += pezzo;
  if (incremento != 0) {
    std::snprintf(pezzo, sizeof pezzo, "+%d", incremento);
    s += pezzo;
  }
}

// A run of decimal digits at t[i]; false when there is none. Values too
// large for any period are capped, which the range tests then refuse.
bool LeggiNumero(const std::string& t, std::size_t& i, std::int32_t& valore) {
  std::size_t inizio = i;
  std::int64_t v = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
    if (v < 100000000) v = v * 10 + (t[i] - '0');
    ++i;
  }
  valore = static_cast<std::int32_t>(v);
  return i > inizio;
}

}  // namespace

void ScriviCadenza() {
  std::string s;
  switch (P(iniClockMode)) {
    case 0:
      ScriviPeriodo(s, P(iniP1M), P(iniP1T), P(iniP1I));
      break;
    case 1:
      ScriviPeriodo(s, -1, P(iniP1T), P(iniP1I));
      break;
    case 2:
      ScriviPeriodo(s, P(iniP1M), P(iniP1T), P(iniP1I));
      s += ':';
      ScriviPeriodo(s, -1, P(iniP2T), P(iniP2I));
      break;
    case 3:
      ScriviPeriodo(s, P(iniP1M), P(iniP1T), P(iniP1I));
      s += ':';
      ScriviPeriodo(s, P(iniP2M), P(iniP2T), P(iniP2I));
      s += ':';
      ScriviPeriodo(s, -1, P(iniP3T), P(iniP3I));
      break;
    case 4:
      ScriviPeriodo(s, P(iniP1M), P(iniP1T), P(iniP1I));
      s += ':';
      ScriviPeriodo(s, P(iniP2M), P(iniP2T), P(iniP2I));
      s += ':';
      ScriviPeriodo(s, P(iniP3M), P(iniP3T), P(iniP3I));
      s += ':';
      ScriviPeriodo(s, -1, P(iniP4T), P(iniP4I));
      break;
    case 5:
      s += '*';
      ScriviPeriodo(s, -1, P(iniP1T), 0);
      break;
  }
  std::snprintf(Cadenza, sizeof Cadenza, "%s", s.c_str());
}

void CaricaTempoDaiParametri() {
  for (int c = 0; c < 2; ++c) {
    TempoRimasto[c] = P(iniP1T) * 60000;
    TempoVisualizzato[c] = 0;
    StampaTempo(c, P(iniP1T) * 60);
  }
  ScriviCadenza();
  StampaCadenza();
}

int LeggiDatiPeriodoDaStringa(const char* testo, int lunghezza, DatiPeriodo* periodo) {
  periodo->mosse = periodo->minuti = periodo->incremento = -1;
  std::string t;
  bool stella = false, barra = false, piu = false;
  for (int i = 0; i < lunghezza && testo[i]; ++i) {
    char c = testo[i];
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') continue;
    bool dopo_cifra = !t.empty() && t.back() >= '0' && t.back() <= '9';
    if (c >= '0' && c <= '9') {
    } else if (c == '*') {
      if (!t.empty()) return 0;
      stella = true;
    } else if (c == '/') {
      if (!dopo_cifra || barra || piu || stella) return 0;
      barra = true;
    } else if (c == '+') {
      if (!dopo_cifra || piu || stella) return 0;
      piu = true;
    } else {
      return 0;
    }
    t += c;
  }

  std::size_t i = 0;
  std::int32_t secondi = -1;
  if (stella) {
    ++i;
    if (!LeggiNumero(t, i, secondi)) return 0;
    periodo->tipo = 0;
  } else {
    if (barra) {
      if (!LeggiNumero(t, i, periodo->mosse)) return 0;
      ++i;  // the "/"
    }
    if (!LeggiNumero(t, i, secondi)) return 0;
    if (piu) {
      ++i;  // the "+"
      if (!LeggiNumero(t, i, periodo->incremento)) return 0;
    } else {
      periodo->incremento = 0;
    }
    periodo->tipo = barra ? 1 : 2;
  }
  if (i != t.size()) return 0;  // e.g. "40/7200/" cannot get here, "40/" can
  periodo->minuti = secondi / 60;
  if (periodo->minuti < 1 || periodo->minuti > 720) return 0;
  if (barra && (periodo->mosse < 10 || periodo->mosse > 100)) return 0;
  if (!stella && (periodo->incremento < 0 || periodo->incremento > 600)) return 0;
  return 1;
}

int LeggiDatiCadenzaDaStringa(const char* testo, DatiCadenza* cadenza) {
  DatiPeriodo periodi[4];
  int n = 0;
  const char* inizio = testo;
  while (n < 4) {
    const char* fine = std::strchr(inizio, ':');
    int lunghezza = fine ? static_cast<int>(fine - inizio) : static_cast<int>(std::strlen(inizio));
    if (!LeggiDatiPeriodoDaStringa(inizio, lunghezza, &periodi[n])) return 0;
    ++n;
    if (!fine) break;
    inizio = fine + 1;
  }
  int tipi = 0;  // the kinds as decimal digits, e.g. 112 for 1, 1, 2
  for (int k = 0; k < n; ++k) {
    // An hourglass is the whole time control: as a leading 0 digit it would vanish
    // ("*180:60" read as a fixed time with no increment).
    if (periodi[k].tipo == 0 && n > 1) return 0;
    tipi = tipi * 10 + periodi[k].tipo;
  }
  int modo;
  switch (tipi) {
    case 0:
      modo = 5;
      break;
    case 1:
      modo = 0;
      break;
    case 2:
      modo = 1;
      break;
    case 12:
      modo = 2;
      break;
    case 112:
      modo = 3;
      break;
    case 1112:
      modo = 4;
      break;
    default:
      return 0;
  }
  cadenza->modo = modo;
  for (int k = 0; k < 4; ++k)
    cadenza->periodo[k] = k < n ? periodi[k] : DatiPeriodo{-1, -1, -1, -1};
  return 1;
}

int CaricaOrologioDaDatiCadenza(const DatiCadenza* d) {
  // Times left come from a pasted text: refuse what milliseconds cannot hold.
  constexpr std::int32_t limite = MaxSecondiTempoRimasto;
  if (d->tempo_bianco < -limite || d->tempo_bianco > limite || d->tempo_nero < -limite ||
      d->tempo_nero > limite)
    return 0;
  const DatiPeriodo* p = d->periodo;
  int m = d->modo;
  ParametroIni[iniClockMode].valore = m;
  ParametroIni[iniP1T].valore = p[0].minuti;
  if (m != 5) ParametroIni[iniP1I].valore = p[0].incremento;
  if (m != 5 && m != 1) ParametroIni[iniP1M].valore = p[0].mosse;
  if (m >= 2 && m <= 4) {
    ParametroIni[iniP2T].valore = p[1].minuti;
    ParametroIni[iniP2I].valore = p[1].incremento;
  }
  if (m == 3 || m == 4) {
    ParametroIni[iniP2M].valore = p[1].mosse;
    ParametroIni[iniP3T].valore = p[2].minuti;
    ParametroIni[iniP3I].valore = p[2].incremento;
  }
  if (m == 4) {
    ParametroIni[iniP3M].valore = p[2].mosse;
    ParametroIni[iniP4T].valore = p[3].minuti;
    ParametroIni[iniP4I].valore = p[3].incremento;
  }
  const std::int32_t secondi[2] = {d->tempo_bianco, d->tempo_nero};
  for (int c = 0; c < 2; ++c) {
    TempoRimasto[c] = secondi[c] * 1000;
    TempoVisualizzato[c] = secondi[c] + 1;  // so that the redraw always happens
    StampaTempo(c, secondi[c]);
  }
  ScriviIni();
  ScriviCadenza();
  StampaCadenza();
  return 1;
}

int PartitaNonIniziata() { return PrimaVoltaInMoto == 0 && ContatoreMosse == 0; }

void AvvisaCadenzaNonModificabile() {
  char testo[256];
  std::snprintf(testo, sizeof testo, "'%s' %s.", Testo(str_NomeMenu, 22, 5),
                Testo(StrModificaCadenza));
  FinestraDiDialogo(testo, 64);
}

int ImpostaModoOrologioDaMenu(int voce) {
  if (voce < 0 || voce > 5) return 0;
  if (!PartitaNonIniziata()) {
    AvvisaCadenzaNonModificabile();
    return 0;
  }
  char domanda[512];
  std::snprintf(domanda, sizeof domanda, "%s %s %s %s?", Testo(StrImpostare),
                EtichettaParametroIni(iniClockMode), Testo(StrImpostareIn),
                Testo(StrValorePeriodo, 6, voce));
  if (FinestraDiDialogo(domanda, 4) != 6) return 0;
  ParametroIni[iniClockMode].valore = voce;
  ScriviIni();
  CaricaTempoDaiParametri();
  SalvaOSegnaNonSalvata();
  Beep(3000, 5);
  // The menus open the chosen mode's properties (menu 11 + mode) on a 1 result.
  return 1;
}
