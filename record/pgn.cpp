#include "record/pgn.h"

#include <cstring>

#include "book/eco.h"
#include "clock/cadenza.h"
#include "clock/orologio.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_file.h"
#include "data/msg_record.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "record/salvataggio.h"
#include "record/testi.h"
#include "speech/annuncio.h"

namespace {

// "white - 5 minutes," and "black - 4 minutes." with the times shown.
std::string TempoDelColore(int colore) {
  return Formato("%s - %s", Testo(StrColore, 2, colore),
                 DurataInParole(TempoVisualizzato[colore]).c_str());
}

std::string Tag(const char* nome, const std::string& valore, const char* fine_riga) {
  return Formato("[%s \"%s\"]%s", nome, valore.c_str(), fine_riga);
}

std::string ValoreOInterrogativo(const char* campo) {
  return campo[0] ? ValoreTagPgn(campo) : std::string("?");
}

std::string Giocatore(const char* cognome, const char* nome) {
  if (!cognome[0] && !nome[0]) return "?";
  return ValoreTagPgn(cognome) + ", " + ValoreTagPgn(nome);
}

// The side's names, first name first, or "white?" without any.
std::string NomiGiocatore(int colore, const char* cognome, const char* nome, const char* elo) {
  std::string t;
  if (!cognome[0] && !nome[0]) {
    t = Formato("%s?", Testo(StrColore, 2, colore));
  } else {
    if (nome[0]) t += Formato(" %s", nome);
    if (cognome[0]) t += Formato(" %s", cognome);
  }
  if (elo[0]) t += Formato(" (%s)", elo);
  return t;
}

}  // namespace

std::string ValoreTagPgn(const char* valore) {
  std::string t;
  for (const char* c = valore; *c; ++c) {
    if (*c == '\\' || *c == '"') t += '\\';
    t += *c;
  }
  return t;
}

std::string TestoEvento() {
  std::string t = StrEvent[0] ? std::string(StrEvent)
                              : Formato("%s?", Testo(StrEtichettaCampoInfo, 5, 0));
  if (StrRound[0]) t += Formato(", %s %s", Testo(StrEtichettaCampoInfo, 5, 1), StrRound);
  return t;
}

std::string TestoGiocatori() {
  std::string t = NomiGiocatore(0, StrWhiteCognome, StrWhiteNome, StrWhiteElo);
  t += " vs";
  std::string nero = NomiGiocatore(1, StrBlackCognome, StrBlackNome, StrBlackElo);
  // Black's "black?" takes a blank of its own; names already begin with one.
  if (!StrBlackCognome[0] && !StrBlackNome[0]) t += ' ';
  t += nero;
  t += Formato(" %s", Result);
  return t;
}

std::string TestoPartitaPgn(const char* fine_riga) {
  const char* f = fine_riga;
  std::string t = f;
  t += Tag("Event", ValoreOInterrogativo(StrEvent), f);
  t += Tag("Site", "PC", f);
  t += Tag("Date", ValoreTagPgn(DataLocale), f);
  t += Tag("Round", ValoreOInterrogativo(StrRound), f);
  t += Tag("White", Giocatore(StrWhiteCognome, StrWhiteNome), f);
  t += Tag("Black", Giocatore(StrBlackCognome, StrBlackNome), f);
  t += Tag("Result", Result, f);
  ScriviTagEco(t, f);
  t += Tag("Time", ValoreTagPgn(OraLocale), f);
  t += Tag("UTCTime", ValoreTagPgn(OraUTC), f);
  t += Tag("UTCDate", ValoreTagPgn(DataUTC), f);
  t += Tag("WhiteElo", ValoreOInterrogativo(StrWhiteElo), f);
  t += Tag("BlackElo", ValoreOInterrogativo(StrBlackElo), f);
  t += Tag("PlyCount", std::to_string(ContatoreMosse), f);
  t += Tag("TimeControl", ValoreTagPgn(Cadenza), f);
  t += Tag("WhiteTimeLeft", std::to_string(TempoVisualizzato[0]), f);
  t += Tag("BlackTimeLeft", std::to_string(TempoVisualizzato[1]), f);
  t += Tag("Termination", ValoreTagPgn(Termination), f);
  t += Tag("Mode", "TC", f);
  t += Tag("Annotator", "Vantorel2.65", f);

  for (std::uint64_t i = 1; i <= ContatoreMosse && i < MaxSemimosse; ++i) {
    if (i & 1) {
      std::uint64_t n = i / 2 + 1;
      if (n % 8 == 1) t += f;
      t += Formato(" %llu.", static_cast<unsigned long long>(n));
    }
    t += ' ';
    t += ElencoStringaMossa[i];
  }
  t += f;
  // The time left belongs to the game, so it comes before the result: after
  // the result a reader drops it or gives it to the next game.
  t += Formato("{%s: %s, %s.}", Testo(StrTempoRimasto), TempoDelColore(0).c_str(),
               TempoDelColore(1).c_str());
  t += f;
  if (CommentoRisultato[0]) t += Formato("{%s} ", CommentoRisultato);
  t += Result;
  t += f;
  return t;
}

std::string TestoListaMosse() {
  std::string t = "\n" + TestoEvento() + "\n" + TestoGiocatori() + "\n";
  t += Formato("%s: %s,%s.", Testo(StrTempoRimasto), TempoDelColore(0).c_str(),
               TempoDelColore(1).c_str());
  t += "\n";
  for (std::uint64_t i = 1; i <= ContatoreMosse && i < MaxSemimosse; ++i) {
    if (i & 1) t += Formato("\n %llu.", static_cast<unsigned long long>(i / 2 + 1));
    t += ' ';
    t += ElencoStringaMossa[i];
  }
  t += "\n";
  return t;
}

int SalvaPartitaPgn() { return ScriviFileDellaPartita(NomePartita, TestoPartitaPgn("\n")); }

int SalvaPartitaTxt() { return ScriviFileDellaPartita(PercorsoListaMosse(), TestoListaMosse()); }

int CopiaPartitaNegliAppunti() {
  if (InMoto) AggiornaTempoVisualizzato(static_cast<int>(ContatoreMosse & 1));
  return platform::current().clipboard_set_text(TestoPartitaPgn("\r\n")) ? 1 : 0;
}

void comando_CopiaPartitaNegliAppunti() {
  if (!CopiaPartitaNegliAppunti()) {
    FinestraDiDialogo(Testo(StrNonHoCopiato), 64);
    return;
  }
  Beep(3000, 5);
  Anuncia(Testo(StrHoCopiato), 1);
}
