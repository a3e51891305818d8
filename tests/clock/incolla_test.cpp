#include "clock/incolla.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "clock/aggiudica.h"
#include "clock/cadenza.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fen.h"
#include "core/posizione.h"
#include "record/partita.h"
#include "record/pgn.h"
#include "record/report.h"
#include "record/scrittura_atomica.h"
#include "tests/core/verifica.h"
#include "tests/support/ambiente_finto.h"
#include "tests/ui/scenario.h"
#include "ui/comandi.h"
#include "ui/menu.h"
#include "ui/schermo.h"

namespace {

using V = std::vector<std::string>;

std::string Fixture(const char* nome) {
  return LeggiFile(std::filesystem::path(VANTOREL_SOURCE_DIR) / "tests/fixtures/paste" / nome);
}

V MosseGiocate() {
  V v;
  for (std::uint64_t k = 1; k <= ContatoreMosse; ++k) v.emplace_back(ElencoStringaMossa[k]);
  return v;
}

// Everything a paste could change in the current game.
struct StatoPartita {
  Istantanea posizione;
  V mosse;
  std::string intestazione, file, risultato;
  std::int32_t tempo[2];
  int visualizzato[2], salvata, incollata, in_moto;
  RecordEvento* ultimo_record;
  std::string cadenza;
  bool operator==(const StatoPartita&) const = default;
};
StatoPartita Stato() {
  return {Fotografa(),
          MosseGiocate(),
          std::string(StrEvent) + "|" + StrRound + "|" + StrWhiteCognome + "|" + StrWhiteNome +
              "|" + StrBlackCognome + "|" + StrBlackNome + "|" + StrWhiteElo + "|" + StrBlackElo,
          std::string(NomePartita) + "|" + FileReport,
          std::string(Result) + "|" + Termination + "|" + OraUTC + "|" + DataUTC,
          {TempoRimasto[0], TempoRimasto[1]},
          {TempoVisualizzato[0], TempoVisualizzato[1]},
          PartitaSalvata,
          PartitaCaricataDagliAppunti,
          InMoto,
          UltimoRecord,
          Cadenza};
}

struct Incolla : scenario::Scenario {
  // salvata: the current game counts as saved, so no save question comes first.
  void Incolla_(const std::string& testo, bool salvata = true) {
    if (salvata) PartitaSalvata = 1;
    fake.clipboard = testo;
    fake.ctrl('V');
    Esegui();
  }
  // A game in progress, with names, a time edit and the clock started once.
  void PartitaInCorso() {
    std::strcpy(StrWhiteCognome, "Corrente");
    Mosse({"e4", "c5", "Nf3", "d6", "d4", "cxd4", "Nxd4", "Nf6", "Nc3", "a6"});
    PartitaSalvata = 0;
  }
};

// A wrong move offers the game up to it; the tag's result was for the whole game, not the part.
TEST_F(Incolla, MoveTextAndTheGameUpToAWrongMove) {
  Avvia();
  const std::string carica = "\nLoad the game anyway up to this point?";
  const struct {
    const char* testo;
    std::string dialogo;
    V mosse;
    const char *risultato, *termination;
  } casi[] = {
      {"1. e4 e5 2. Nf3 *", "", {"e4", "e5", "Nf3"}, "*", "?"},
      {"1. e4 e5 2. Nf3 Nc6 3. Bc4 Nf6 4. 0-0 Be7 5. d3 O-O", "",
       {"e4", "e5", "Nf3", "Nc6", "Bc4", "Nf6", "O-O", "Be7", "d3", "O-O"}, "*", "?"},
      {"1. e4 e5 2. Qh5 Nc6 3. Bc4 Nf6 4. Qxf7 1/2-1/2", "",
       {"e4", "e5", "Qh5", "Nc6", "Bc4", "Nf6", "Qxf7#"}, "1-0", "Checkmate"},
      {"[Result \"1-0\"]\n[Termination \"normal\"]\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Ba4 Nf6 "
       "5. Ke3 Be7 1-0",
       "5. 'Ke3' - is not a legal move." + carica,
       {"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Ba4", "Nf6"}, "*", "?"},
      {"1. e4 e5 2. Nf3 Zz9", "2... 'Zz9' - is not a correct move record." + carica,
       {"e4", "e5", "Nf3"}, "*", "?"},
      {"1. d4 d5 2. Nf3 Nf6 3. Nd2",
       "3. 'Nd2' - is an ambiguous record.\nDisambiguate with Nbd2 or Nfd2." + carica,
       {"d4", "d5", "Nf3", "Nf6"}, "*", "?"},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.testo);
    fake.dialogs.clear();
    if (!c.dialogo.empty()) fake.answer(IDYES);
    Incolla_(c.testo);
    EXPECT_EQ(UltimoDialogo(), c.dialogo);
    EXPECT_EQ(MosseGiocate(), c.mosse);
    EXPECT_STREQ(Result, c.risultato);
    EXPECT_STREQ(Termination, c.termination);
    EXPECT_EQ(PartitaCaricataDagliAppunti, 1);
    EXPECT_EQ(PartitaSalvata, 0);  // autosave is off
  }
  EXPECT_TRUE(Detto(scenario::parlato.back())) << "the last move is announced";
}

TEST_F(Incolla, HeaderAndClockFromTheTags) {
  Avvia();
  Incolla_(
      "[Event \"Club\"]\n[Round \"3\"]\n[White \"Rossi, Mario\"]\n[Black \"Verdi\"]\n"
      "[WhiteElo \"2100\"]\n[BlackElo \"999\"]\n[UTCDate \"2024.02.30\"]\n[UTCTime \"10:11:12\"]\n"
      "[Date \"2024.01.01\"]\n[Result \"1-0\"]\n[Termination \"normal\"]\n"
      "[TimeControl \"40/7200:3600\"]\n[WhiteTimeLeft \"3550\"]\n[BlackTimeLeft \"4000\"]\n\n"
      "1. d4 Nf6 1-0\n");
  EXPECT_EQ(MosseGiocate(), (V{"d4", "Nf6"}));
  const StatoPartita dopo = Stato();
  EXPECT_EQ(dopo.intestazione, "Club|3|Rossi|Mario|Verdi||2100|");
  EXPECT_EQ(dopo.risultato, "1-0|normal|10:11:12|2024.02.30");
  EXPECT_STREQ(DataLocale, "?");
  EXPECT_EQ(ParametroIni[iniP2T].valore, 60);
  EXPECT_STREQ(Cadenza, "40/7200:3600");
  EXPECT_EQ(TempoRimasto[1], 4000000);
  EXPECT_NE(fake.row(y_tempo[0]).find(" 00:59:10"), std::string::npos) << fake.row(y_tempo[0]);
  EXPECT_NE(fake.row(y_tempo[1]).find(" 01:06:40"), std::string::npos) << fake.row(y_tempo[1]);
  EXPECT_EQ(InMoto, 0);
  EXPECT_EQ(PrimaVoltaInMoto, 0);
  // The configuration file carries the pasted time control.
  EXPECT_NE(LeggiFile("vantorel.ini").find("ClockMode\t2"), std::string::npos);
}

TEST_F(Incolla, ClockKeepsTheNewGameValuesWithoutUsableTags) {
  Avvia();
  const char* testi[] = {
      "[TimeControl \"40/7200:3600\"]\n[WhiteTimeLeft \"3550\"]\n1. e4",  // a time left missing
      "[TimeControl \"30\"]\n[WhiteTimeLeft \"5\"]\n[BlackTimeLeft \"5\"]\n1. e4",  // 0 minutes
      "[TimeControl \"?\"]\n[WhiteTimeLeft \"5\"]\n[BlackTimeLeft \"5\"]\n1. e4",
  };
  for (const char* t : testi) {
    Incolla_(t);
    EXPECT_EQ(ParametroIni[iniClockMode].valore, 1) << t;
    EXPECT_EQ(TempoRimasto[0], 120 * 60000) << t;
    EXPECT_EQ(TempoRimasto[1], 120 * 60000) << t;
  }
}

TEST_F(Incolla, ARefusedPasteLeavesTheCurrentGameAsItWas) {
  Avvia();
  PartitaInCorso();
  fake.advance(5000);
  fake.ctrl(VK_RETURN);  // the clock runs
  Esegui();
  const StatoPartita prima = Stato();
  ASSERT_EQ(prima.mosse.size(), 10u);
  const std::vector<std::string> legali = TestiLegali();

  struct Caso {
    const char* testo;
    std::vector<int> risposte;
    const char* dialogo;
  } casi[] = {
      {"hello", {}, "1. 'hello' - is not a correct move record."},
      {"[Event \"x\"]\n*", {}, "No moves found on clipboard."},
      {"1. e5", {}, "1. 'e5' - is not a legal move."},
      {"1. e4 e5 2. Ke3",
       {IDNO},
       "2. 'Ke3' - is not a legal move.\nLoad the game anyway up to this point?"},
      {"1. e4 e5", {IDCANCEL}, "Save current game?"},
      // A file where the pgn folder should be: a game that could not be saved
      // is kept.
      {"1. e4 e5", {IDYES}, "Unable to write the file "},
  };
  for (const auto& c : casi) {
    fake.dialogs.clear();
    for (int r : c.risposte) fake.answer(r);
    bool blocca = std::string(c.dialogo).starts_with("Unable to write");
    if (blocca) {
      std::filesystem::remove_all("pgn");
      std::FILE* f = std::fopen("pgn", "w");
      std::fclose(f);
    }
    Incolla_(c.testo, false);
    if (blocca) std::filesystem::remove("pgn");
    EXPECT_EQ(UltimoDialogo().substr(0, std::strlen(c.dialogo)), c.dialogo) << c.testo;
    EXPECT_TRUE(Stato() == prima) << c.testo;
    EXPECT_EQ(Incoerenza(), "") << c.testo;
    EXPECT_EQ(TestiLegali(), legali) << c.testo;
  }
  fake.clipboard.reset();
  fake.ctrl('V');
  Esegui();
  EXPECT_EQ(UltimoDialogo(), "Unable to read the clipboard.");
  EXPECT_TRUE(Stato() == prima);

  // Moves typed afterwards go on from the same position.
  Mossa("e5");
  EXPECT_EQ(MosseGiocate().back(), "e5");
}

TEST_F(Incolla, NoToTheSaveQuestionReplacesTheGame) {
  Avvia();
  PartitaInCorso();
  fake.answer(IDNO);
  Incolla_("1. c4 e5 *", false);
  EXPECT_EQ(UltimoDialogo(), "Save current game?");
  EXPECT_EQ(fake.dialogs.back().style, MB_YESNOCANCEL);
  EXPECT_EQ(MosseGiocate(), (V{"c4", "e5"}));
  EXPECT_STREQ(StrWhiteCognome, "");
  // With autosave on nothing is asked.
  ParametroIni[iniautosave].valore = 1;
  fake.dialogs.clear();
  Incolla_("1. d4 *", false);
  EXPECT_TRUE(fake.dialogs.empty());
  EXPECT_EQ(MosseGiocate(), V{"d4"});
}

TEST_F(Incolla, ThePasteItemOfTheGameMenu) {
  Avvia();
  fake.clipboard = "1. e4 c6 *";
  comando_ApriMenu(2, 4);
  fake.press(VK_RETURN);
  Esegui();
  EXPECT_EQ(MosseGiocate(), (V{"e4", "c6"}));
  EXPECT_EQ(focus, 0);
}

TEST_F(Incolla, APgnFileCopiedInTheFileManager) {
  Avvia();
  const std::string cartella = std::string(VANTOREL_SOURCE_DIR) + "/tests/fixtures/paste/";
  fake.clipboard = "1. d4 *";  // a file copied wins over the text some file managers add
  fake.copied_files = std::vector<std::string>{cartella + "virgolette_escape.pgn"};
  fake.ctrl('V');
  Esegui();
  EXPECT_EQ(MosseGiocate(), (V{"f3", "e5", "g4", "Qh4#"}));
  EXPECT_STREQ(StrWhiteCognome, "O\"Brien");

  PartitaSalvata = 1;  // as Incolla_ leaves it, so that no save question comes first
  const StatoPartita prima = Stato();
  struct Caso {
    std::vector<std::string> file;
    const char* dialogo;
  } casi[] = {
      {{cartella + "bom.pgn", cartella + "nome_utf8.pgn"},
       "The clipboard has more than one file.\nOnly one file can be read at a time."},
      {{cartella + "non_esiste.pgn"}, "The /"},
  };
  for (const auto& c : casi) {
    fake.copied_files = c.file;
    fake.dialogs.clear();
    Incolla_("1. d4 *");
    EXPECT_EQ(UltimoDialogo().substr(0, std::strlen(c.dialogo)), c.dialogo);
    EXPECT_TRUE(Stato() == prima) << c.dialogo;
  }
  // No file copied: the text is read.
  fake.copied_files = std::vector<std::string>{};
  Incolla_("1. d4 *");
  EXPECT_EQ(MosseGiocate(), V{"d4"});
}

// The tag's draw was for all 600 plies; the log's summary of so long a game is kept whole.
TEST_F(Incolla, AGamePastTheLimitOfPlies) {
  Avvia();
  fake.answer(IDYES);
  Incolla_(Fixture("partita_600_semimosse.pgn"));
  EXPECT_EQ(UltimoDialogo(),
            "256... 'Ng8' - is past the 511 plies a game can hold.\n"
            "Load the game anyway up to this point?");
  EXPECT_EQ(ContatoreMosse, 511u);
  EXPECT_STREQ(Result, "*");
  ASSERT_EQ(UltimoRecord->tipo, recPartitaIncollata);
  EXPECT_NE(std::string(UltimoRecord->testo).find(" 256. Ng1"), std::string::npos);
}

TEST_F(Incolla, TheLogRecordSummarisesTheGame) {
  Avvia();
  std::string testo = "[TimeControl \"300\"]\n[WhiteTimeLeft \"3661\"]\n[BlackTimeLeft \"59\"]\n";
  for (int i = 0; i < 9; ++i) testo += "Nf3 Nf6 Ng1 Ng8 ";
  testo += "e4";
  Incolla_(testo);
  ASSERT_EQ(UltimoRecord->tipo, recPartitaIncollata);
  EXPECT_EQ(std::string(UltimoRecord->testo),
            "(37 plies)\n\t 1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1 Ng8 5. Nf3 Nf6 6. Ng1 Ng8 "
            "7. Nf3 Nf6 8. Ng1 Ng8\n\t 9. Nf3 Nf6 10. Ng1 Ng8 11. Nf3 Nf6 12. Ng1 Ng8 13. Nf3 Nf6 "
            "14. Ng1 Ng8 15. Nf3 Nf6 16. Ng1 Ng8\n\t 17. Nf3 Nf6 18. Ng1 Ng8 19. e4"
            "\n\twhite: one hour , one minute, one second\n\tblack: 59 seconds");
}


// The move text of a PGN game as the file writes it, annotation marks dropped,
// and its result last.
V SanDelFile(const std::string& partita) {
  DatiPartita d;
  InizializzaStrutturaDatiPartita(&d);
  LeggiDatiPartitaDaStringa(partita.c_str(), &d);
  V v;
  for (int i = 0; i < d.mosse; ++i) {
    std::string t = d.token[i];
    while (!t.empty() && (t.back() == '!' || t.back() == '?')) t.pop_back();
    v.push_back(t);
  }
  v.push_back(d.risultato);
  return v;
}

TEST_F(Incolla, EveryGameOfTheCorpusPastesWithTheSameSan) {
  Avvia(1, false);
  // Thousands of games' files: no flush to disk for each.
  SincronizzaSuDisco = 0;
  struct Ripristina {
    ~Ripristina() { SincronizzaSuDisco = 1; }
  } ripristina;
  const std::string corpus =
      LeggiFile(std::filesystem::path(VANTOREL_SOURCE_DIR) / "tests/fixtures/corpus-2k.pgn");
  std::vector<std::string> partite;
  for (std::size_t p = corpus.find("[Event "); p != std::string::npos;) {
    std::size_t q = corpus.find("\n[Event ", p);
    partite.push_back(corpus.substr(p, q == std::string::npos ? q : q + 1 - p));
    p = q == std::string::npos ? q : q + 1;
  }
  ASSERT_EQ(partite.size(), 2000u);
  int caricate = 0;
  for (const auto& partita : partite) {
    fake.dialogs.clear();
    Incolla_(partita);
    const V attese = SanDelFile(partita);
    V caricata = MosseGiocate();
    caricata.push_back(Result);
    if (fake.dialogs.empty() && caricata == attese) {
      ++caricate;
      continue;
    }
    ADD_FAILURE() << partita.substr(0, 200) << "\n" << UltimoDialogo();
  }
  EXPECT_EQ(caricate, 2000);
}


// A game copied out of the program and pasted back is the same game: moves,
// move texts, header, result, time control and remaining times.

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
