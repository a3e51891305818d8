#include "speech/annunci.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "clock/orologio.h"
#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_config.h"
#include "data/msg_record.h"
#include "data/msg_speech.h"
#include "data/msg_ui.h"
#include "record/partita.h"
#include "speech/annuncio.h"
#include "ui/stato.h"

namespace {

// Indices of the menu names used as titles.
constexpr int kMenuCadenza = 5;
constexpr int kMenuAllarmi = 6;
constexpr int kMenuInfoPartita = 9;
constexpr int kMenuGiocatore[2] = {17, 18};

bool parla() { return ParametroIni[iniAssistanceType].valore != 0; }

// Speaks the text, or shows it under the title in dialog mode.
void leggi(const char* titolo, const std::string& testo) {
  if (parla()) {
    Anuncia(testo.c_str(), 1);
  } else {
    FinestraInfo(titolo, testo.c_str());
  }
}

std::string formato(const char* f, auto... valori) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, f, valori...);
  return buffer;
}

int valore(int indice) { return ParametroIni[indice].valore; }

// " for 40 moves", only when the period has a number of moves.
std::string parte_mosse(int mosse) {
  if (mosse == 0) return {};
  return formato(" %s %d %s", Testo(StrPer), mosse, Testo(StrMosse));
}

// " with 30 seconds of increment", only when there is one.
std::string parte_incremento(int secondi) {
  if (secondi == 0) return {};
  std::string durata = StrTempo(secondi);
  return formato(" %s %s %s", Testo(StrCon), durata.c_str(), Testo(StrDiIncremento));
}

// " a period of 2 hours"
std::string periodo(int frase, int minuti) {
  std::string durata = StrTempo(minuti * 60);
  return formato(" %s %s", Testo(StrFrasiCadenza, 8, frase), durata.c_str());
}

enum FraseCadenza {
  fcRicorsivo,
  fcFisso,
  fcIntera,
  fcClessidra,
  fcIniziale,
  fcPeriodo,
  fcPiu,
  fcResto
};

// The time control in words, without the leading "Time control: ".
std::string testo_cadenza() {
  std::string t;
  int modo = valore(iniClockMode);
  switch (modo) {
    case 0:
      t = periodo(fcRicorsivo, valore(iniP1T)) + parte_mosse(valore(iniP1M)) +
          parte_incremento(valore(iniP1I));
      break;
    case 1:
      t = periodo(fcFisso, valore(iniP1T)) + parte_incremento(valore(iniP1I)) + " " +
          Testo(StrFrasiCadenza, 8, fcIntera);
      break;
    case 5: {
      std::string durata = StrTempo(valore(iniP1T) * 60);
      t = formato("%s %s %s", Testo(StrFrasiCadenza, 8, fcClessidra),
                  Testo(StrFrasiCadenza, 8, fcIniziale), durata.c_str());
      break;
    }
    default: {  // 2, 3, 4: that many periods, then one to finish
      static const int tempo[4] = {iniP1T, iniP2T, iniP3T, iniP4T};
      static const int incremento[4] = {iniP1I, iniP2I, iniP3I, iniP4I};
      static const int mosse[3] = {iniP1M, iniP2M, iniP3M};
      int ultimo = modo - 1;
      t = periodo(fcPeriodo, valore(tempo[0])) + parte_mosse(valore(mosse[0])) +
          parte_incremento(valore(incremento[0]));
      for (int p = 1; p <= ultimo; ++p) {
        t += std::string("; ") + Testo(StrFrasiCadenza, 8, fcPiu);
        t += periodo(fcPeriodo, valore(tempo[p]));
        if (p < ultimo) t += parte_mosse(valore(mosse[p]));
        t += parte_incremento(valore(incremento[p]));
      }
      t += std::string(" ") + Testo(StrFrasiCadenza, 8, fcResto);
      break;
    }
  }
  return t + ".";
}

}  // namespace

const char* StrTempo(int secondi) {
  static char buffer[256];
  long long s = secondi;
  bool negativo = s < 0;
  if (negativo) s = -s;
  long long h = s / 3600, m = s % 3600 / 60, r = s % 60;
  std::string t;
  if (negativo) t = std::string(Testo(StrMeno)) + " ";
  if (h > 0) {
    if (h == 1) {
      t += std::string(Testo(StrUnaUnitaTempo, 3, 0)) + " ";
    } else {
      t += std::to_string(h) + " " + Testo(StrUnitaTempo, 3, 0);
    }
  }
  if (m > 0) {
    if (h > 0) t += ", ";
    t += m == 1 ? std::string(Testo(StrUnaUnitaTempo, 3, 1))
                : std::to_string(m) + " " + Testo(StrUnitaTempo, 3, 1);
  }
  if (r > 0) {
    if (h > 0 || m > 0) t += ", ";
    t += r == 1 ? std::string(Testo(StrUnaUnitaTempo, 3, 2))
                : std::to_string(r) + " " + Testo(StrUnitaTempo, 3, 2);
  }
  std::snprintf(buffer, sizeof buffer, "%s", t.c_str());
  return buffer;
}

void AnuncioIniziale() {
  if (!parla()) return;
  std::string t =
      formato("%s - %s, %s.", TitoloConsole, Testo(StrIntestazione1), Testo(StrIntestazione2));
  Anuncia(t.c_str(), 1);
}

void AnunciaAllarmi() {
  std::string t;
  for (int i = 0; i < 5; ++i) {
    int minuti = valore(inia1 + i);
    t += formato(" %s", Testo(StrNomeAllarme, 5, i));
    t += minuti ? formato(" %d %s;", minuti, Testo(StrUnitaAllarme))
                : formato(" 0 %s;", Testo(StrAllarmeDisattivo));
    t += "\n";
  }
  leggi(Testo(str_NomeMenu, 22, kMenuAllarmi), t);
}

void AnunciaCadenza() {
  const char* titolo = Testo(str_NomeMenu, 22, kMenuCadenza);
  std::string t = testo_cadenza();
  if (parla()) t = formato("%s: ", titolo) + t;
  leggi(titolo, t);
}

void AnunciaTempo(int colore) {
  if (colore != 0 && colore != 1) return;
  // With automatic refresh off the clock rows may be old: draw the time first.
  AggiornaTempoASchermo();
  std::string durata = StrTempo(TempoVisualizzato[colore]);
  const char* nome = Testo(StrColore, 2, colore);
  if (parla()) {
    leggi(nome, formato("%s: %s.", nome, durata.c_str()));
  } else {
    leggi(nome, durata);
  }
}

void AnunciaInfoPartita() {
  auto campo = [](const char* v) { return *v ? v : "?"; };
  auto riga = [&](int etichetta, const char* v, char fine) {
    return formato("\n%s\t%s%c", Testo(StrEtichettaCampoInfo, 5, etichetta), campo(v), fine);
  };
  std::string t = riga(0, StrEvent, ',') + riga(1, StrRound, '.');
  const char* cognome[2] = {StrWhiteCognome, StrBlackCognome};
  const char* nome[2] = {StrWhiteNome, StrBlackNome};
  const char* elo[2] = {StrWhiteElo, StrBlackElo};
  for (int c = 0; c < 2; ++c) {
    t += formato("\n%s:", Testo(str_NomeMenu, 22, kMenuGiocatore[c]));
    t += riga(2, cognome[c], ',') + riga(3, nome[c], ',') + riga(4, elo[c], '.');
  }
  leggi(Testo(str_NomeMenu, 22, kMenuInfoPartita), t);
}
