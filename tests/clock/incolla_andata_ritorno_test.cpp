// A game copied out of the program and pasted back is the same game: moves,
// move texts, header, result, time control and remaining times.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "clock/aggiudica.h"
#include "clock/cadenza.h"
#include "clock/incolla.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fen.h"
#include "core/posizione.h"
#include "record/partita.h"
#include "record/pgn.h"
#include "tests/support/ambiente_finto.h"
#include "tests/ui/scenario.h"
#include "ui/comandi.h"

namespace {

// Everything of the game that the copy carries.
struct Copia {
  std::vector<std::string> mosse;
  std::vector<std::uint64_t> parole;
  std::string intestazione, risultato, cadenza;
  int secondi[2];
  int modo;
  bool operator==(const Copia&) const = default;
};

Copia Partita() {
  Copia c;
  for (std::uint64_t k = 1; k <= ContatoreMosse; ++k) {
    c.mosse.emplace_back(ElencoStringaMossa[k]);
    c.parole.push_back(ElencoMosse[k]);
  }
  for (const char* campo : {StrEvent, StrRound, StrWhiteCognome, StrWhiteNome, StrBlackCognome,
                            StrBlackNome, StrWhiteElo, StrBlackElo, OraUTC, DataUTC})
    c.intestazione += std::string(campo) + "|";
  c.risultato = std::string(Result) + "|" + Termination;
  c.cadenza = Cadenza;
  c.secondi[0] = TempoVisualizzato[0];
  c.secondi[1] = TempoVisualizzato[1];
  c.modo = ParametroIni[iniClockMode].valore;
  return c;
}

std::ostream& operator<<(std::ostream& o, const Copia& c) {
  o << c.intestazione << " " << c.risultato << " " << c.cadenza << " " << c.secondi[0] << "/"
    << c.secondi[1] << " mode " << c.modo << " :";
  for (const auto& m : c.mosse) o << " " << m;
  return o;
}

struct AndataRitorno : scenario::Scenario {
  // Copies the game, starts a fresh one with the default time control, pastes.
  void CopiaEIncolla() {
    const Copia prima = Partita();
    ASSERT_EQ(CopiaPartitaNegliAppunti(), 1);
    fake.clipboard = fake.clipboard_writes.back();
    PartitaSalvata = 1;
    DefaultIni();
    NuovaPartita(FenIniziale);
    fake.dialogs.clear();
    fake.ctrl('V');
    Esegui();
    EXPECT_TRUE(fake.dialogs.empty()) << UltimoDialogo();
    EXPECT_EQ(Partita(), prima) << *fake.clipboard;
  }
  void Intestazione() {
    std::strcpy(StrEvent, "Open \"B\" of C:\\chess");
    std::strcpy(StrRound, "3.1");
    std::strcpy(StrWhiteCognome, "O\"Brien");
    std::strcpy(StrWhiteNome, "Pat \\ Jr.");
    std::strcpy(StrBlackCognome, "Müller");
    std::strcpy(StrBlackNome, "");
    std::strcpy(StrWhiteElo, "2105");
    std::strcpy(StrBlackElo, "1000");
  }
};

TEST_F(AndataRitorno, EveryClockMode) {
  Avvia();
  const int incremento[6] = {5, 0, 30, 10, 600, 0};
  for (int modo = 0; modo < 6; ++modo) {
    DefaultIni();
    NuovaPartita(FenIniziale);
    ParametroIni[iniClockMode].valore = modo;
    ParametroIni[iniP1T].valore = 90;
    ParametroIni[iniP1I].valore = incremento[modo];
    ParametroIni[iniP2M].valore = 20;
    ParametroIni[iniP3T].valore = 15;
    ParametroIni[iniP4I].valore = 7;
    CaricaTempoDaiParametri();
    Intestazione();
    fake.ctrl(VK_RETURN);  // the first start fills the UTC date and time
    Esegui();
    Mosse({"d4", "Nf6", "c4", "e6"});
    fake.advance(61'500);
    Mosse({"Nc3", "Bb4"});
    fake.press(VK_RETURN, LEFT_CTRL_PRESSED | SHIFT_PRESSED);  // the clock stops
    Esegui();
    SCOPED_TRACE(Cadenza);
    CopiaEIncolla();
  }
}

TEST_F(AndataRitorno, TimesBelowZeroAndAboveFiveDigits) {
  Avvia();
  ParametroIni[iniClockMode].valore = 4;
  for (int p : {iniP1T, iniP2T, iniP3T, iniP4T}) ParametroIni[p].valore = 720;
  CaricaTempoDaiParametri();
  Mosse({"e4", "e5"});
  TempoRimasto[0] = -7000;
  StampaTempo(0, -7);
  TempoRimasto[1] = 172'800'000;
  StampaTempo(1, 172'800);
  CopiaEIncolla();
  EXPECT_EQ(TempoRimasto[0], -7000);
  EXPECT_EQ(TempoRimasto[1], 172'800'000);
}

TEST_F(AndataRitorno, AMateAndADraw) {
  Avvia();
  Intestazione();
  Mosse({"f3", "e5", "g4", "Qh4"});
  ASSERT_STREQ(Result, "0-1");
  CopiaEIncolla();
  EXPECT_STREQ(Termination, "Checkmate");

  NuovaPartita(FenIniziale);
  Mosse({"e4", "e5", "Nf3", "Nc6"});
  fake.answer(IDYES);
  PattaDaccordo();
  ASSERT_STREQ(Result, "1/2-1/2");
  CopiaEIncolla();
}

}  // namespace
