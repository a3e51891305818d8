#include "record/partita.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_config.h"
#include "data/msg_record.h"
#include "platform/platform.h"
#include "record/report.h"
#include "record/salvataggio.h"
#include "speech/annuncio.h"
#include "ui/stato.h"

char ElencoStringaMossa[MaxSemimosse][8];
std::uint64_t CopiaElencoMosse[520];
int UltimaMossaFatta = 0;

char StrEvent[LunghezzaCampoInfo];
char StrRound[LunghezzaCampoInfo];
char StrWhiteCognome[LunghezzaCampoInfo], StrWhiteNome[LunghezzaCampoInfo];
char StrBlackCognome[LunghezzaCampoInfo], StrBlackNome[LunghezzaCampoInfo];
char StrWhiteElo[LunghezzaCampoInfo], StrBlackElo[LunghezzaCampoInfo];

char Result[8] = "*";
char Termination[64] = "?";
char CommentoRisultato[64];
char DataLocale[16] = "?", OraLocale[16] = "?", DataUTC[16] = "?", OraUTC[16] = "?";
char NomePartita[64];
char FileReport[64];
int PartitaSalvata = 1;
int PartitaCaricataDagliAppunti = 0;

namespace {

// The date and time part of the last game's file names, so that a second game
// created in the same second gets names of its own.
std::string ultima_base;
int ultimo_suffisso = 1;

std::string Percorso(const char* cartella, const std::string& base, const char* estensione) {
  return std::string(cartella) + platform::kPathSeparator + base + estensione;
}

bool NomeLibero(const std::string& base) {
  std::error_code e;
  return !std::filesystem::exists(Percorso("pgn", base, ".pgn"), e) &&
         !std::filesystem::exists(Percorso("log", base, ".txt"), e);
}

}  // namespace

void InizializzaInfoPartita() {
  auto& p = platform::current();
  platform::DateTime t = p.utc_time(p.epoch_ms());
  char data[16], ora[16];
  std::snprintf(data, sizeof data, "%04d.%02d.%02d", t.year, t.month, t.day);
  std::snprintf(ora, sizeof ora, "%02d:%02d:%02d", t.hour, t.minute, t.second);

  SvuotaListaRecord();
  char testo[128];
  std::snprintf(testo, sizeof testo, "%s %s %s %s", Testo(StrArticoloData), data,
                Testo(StrArticoloOra), ora);
  // Not written yet: the file name of the new game is chosen below.
  AggiungiRecord(recNuovaPartita, testo);

  // Names are "<date>-<time>"; a game created in the same second as another
  // (or whose names are already taken on disk) gets "-2", "-3"... added.
  char base[32];
  std::snprintf(base, sizeof base, "%s-%02d.%02d.%02d", data, t.hour, t.minute, t.second);
  std::string nome = base;
  int suffisso = 1;
  if (nome == ultima_base) suffisso = ultimo_suffisso + 1;
  while (true) {
    nome = suffisso == 1 ? std::string(base) : std::string(base) + "-" + std::to_string(suffisso);
    if (NomeLibero(nome)) break;
    ++suffisso;
  }
  ultima_base = base;
  ultimo_suffisso = suffisso;
  std::snprintf(NomePartita, sizeof NomePartita, "%s", Percorso("pgn", nome, ".pgn").c_str());
  std::snprintf(FileReport, sizeof FileReport, "%s", Percorso("log", nome, ".txt").c_str());
  // Every game has its log file from its first second.
  SalvaReport();
  SegnalaFileNonScritti();

  std::strcpy(OraLocale, "?");
  std::strcpy(DataLocale, "?");
  std::strcpy(OraUTC, "?");
  std::strcpy(DataUTC, "?");
  std::strcpy(Termination, "?");
  std::strcpy(Result, "*");
  for (char* campo : {StrEvent, StrRound, StrWhiteCognome, StrWhiteNome, StrWhiteElo,
                      StrBlackCognome, StrBlackNome, StrBlackElo, CommentoRisultato})
    campo[0] = 0;
}

void SalvaOSegnaNonSalvata() {
  // An automatic save that did not happen must not leave the game marked saved.
  if (ParametroIni[iniautosave].valore == 1 && SalvaPartita()) return;
  PartitaSalvata = 0;
}

static int IndiceCampo(const char* campo) {
  const char* campi[] = {StrEvent,    StrRound,        StrWhiteCognome, StrWhiteNome,
                         StrWhiteElo, StrBlackCognome, StrBlackNome,    StrBlackElo};
  for (int i = 0; i < 8; ++i)
    if (campo == campi[i]) return i;
  return -1;
}

int ModificaInfoPartita(char* campo) {
  int i = IndiceCampo(campo);
  if (i < 0) return 0;
  // Labels: event, round, then family name, first name, rating for each player.
  int etichetta = i < 2 ? i : 2 + (i - 2) % 3;
  bool elo = etichetta == 4;
  comando[sizeof comando - 1] = 0;
  if (elo) {
    char* fine;
    long v = std::strtol(comando, &fine, 10);
    // Text that does not begin with a number counts as out of range.
    if (fine == comando || v < 0 || v > 4000) {
      FinestraDiDialogo(Testo(MsgEloFuoriRange), 64);
      return 0;
    }
  }
  char domanda[512];
  std::snprintf(domanda, sizeof domanda, "%s %s %s %s?", Testo(StrImpostare),
                Testo(StrEtichettaCampoInfo, 5, etichetta), Testo(StrImpostareIn), comando);
  if (FinestraDiDialogo(domanda, 4) != 6) return 0;
  std::snprintf(campo, LunghezzaCampoInfo, "%s", comando);
  Beep(3000, 5);
  SalvaOSegnaNonSalvata();
  return 1;
}
