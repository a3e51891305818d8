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
#include "tests/support/testo_ripetuto.h"
#include "tests/ui/scenario.h"
#include "ui/comandi.h"
#include "ui/menu.h"
#include "ui/schermo.h"

namespace {

using V = std::vector<std::string>;
constexpr std::size_t kDieciMega = 10u << 20;

const std::filesystem::path kFixture =
    std::filesystem::path(VANTOREL_SOURCE_DIR) / "tests/fixtures";

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
  std::string intestazione;
  for (const char* campo : {StrEvent, StrRound, StrWhiteCognome, StrWhiteNome, StrBlackCognome,
                            StrBlackNome, StrWhiteElo, StrBlackElo})
    intestazione += std::string(campo) + "|";
  return {Fotografa(),
          MosseGiocate(),
          intestazione,
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
// What a copy of the game carries: not its files, its log, whether it is saved, nor the
// milliseconds of the times.
StatoPartita Copiato() {
  StatoPartita s = Stato();
  s.file.clear();
  s.tempo[0] = s.tempo[1] = s.salvata = s.incollata = 0;
  s.ultimo_record = nullptr;
  return s;
}

struct Incolla : scenario::Scenario {
  // salvata: the current game counts as saved, so no save question comes first.
  void Incolla_(const std::string& testo, bool salvata = true) {
    if (salvata) PartitaSalvata = 1;
    fake.clipboard = testo;
    fake.ctrl('V');
    Esegui();
  }
  // A game in progress, with a name, not saved.
  void PartitaInCorso() {
    std::strcpy(StrWhiteCognome, "Corrente");
    Mosse({"e4", "c5", "Nf3", "d6", "d4", "cxd4", "Nxd4", "Nf6", "Nc3", "a6"});
    PartitaSalvata = 0;
  }
  // Copies the game, starts a fresh one with the default time control, pastes.
  void CopiaEIncolla() {
    const StatoPartita prima = Copiato();
    ASSERT_EQ(CopiaPartitaNegliAppunti(), 1);
    fake.clipboard = fake.clipboard_writes.back();
    PartitaSalvata = 1;
    DefaultIni();
    NuovaPartita(FenIniziale);
    fake.dialogs.clear();
    fake.ctrl('V');
    Esegui();
    EXPECT_EQ(UltimoDialogo(), "");
    EXPECT_TRUE(Copiato() == prima) << *fake.clipboard;
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
      {"1. e4 e5 2. Nf3 Nc6 3. Bc4 Nf6 4. 0-0 Be7 5. d3 O-O",
       "",
       {"e4", "e5", "Nf3", "Nc6", "Bc4", "Nf6", "O-O", "Be7", "d3", "O-O"},
       "*",
       "?"},
      {"1. e4 e5 2. Qh5 Nc6 3. Bc4 Nf6 4. Qxf7 1/2-1/2",
       "",
       {"e4", "e5", "Qh5", "Nc6", "Bc4", "Nf6", "Qxf7#"},
       "1-0",
       "Checkmate"},
      {"[Result \"1-0\"]\n[Termination \"normal\"]\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Ba4 Nf6 "
       "5. Ke3 Be7 1-0",
       "5. 'Ke3' - is not a legal move." + carica,
       {"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Ba4", "Nf6"},
       "*",
       "?"},
      {"1. e4 e5 2. Nf3 Zz9",
       "2... 'Zz9' - is not a correct move record." + carica,
       {"e4", "e5", "Nf3"},
       "*",
       "?"},
      {"1. d4 d5 2. Nf3 Nf6 3. Nd2",
       "3. 'Nd2' - is an ambiguous record.\nDisambiguate with Nbd2 or Nfd2." + carica,
       {"d4", "d5", "Nf3", "Nf6"},
       "*",
       "?"},
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
  const StatoPartita dopo = Stato();
  EXPECT_EQ(dopo.mosse, (V{"d4", "Nf6"}));
  EXPECT_EQ(dopo.intestazione, "Club|3|Rossi|Mario|Verdi||2100||");
  EXPECT_EQ(dopo.risultato, "1-0|normal|10:11:12|2024.02.30");
  EXPECT_STREQ(DataLocale, "?");
  EXPECT_EQ(ParametroIni[iniP2T].valore, 60);
  EXPECT_STREQ(Cadenza, "40/7200:3600");
  EXPECT_EQ(TempoRimasto[1], 4000000);
  EXPECT_NE(fake.row(y_tempo[0]).find(" 00:59:10"), std::string::npos) << fake.row(y_tempo[0]);
  EXPECT_EQ(InMoto + PrimaVoltaInMoto, 0);
  // The configuration file carries the pasted time control.
  EXPECT_NE(LeggiFile("vantorel.ini").find("ClockMode\t2"), std::string::npos);
}

TEST_F(Incolla, ClockKeepsTheNewGameValuesWithoutUsableTags) {
  Avvia();
  for (const char* t : {
           "[TimeControl \"40/7200:3600\"]\n[WhiteTimeLeft \"3550\"]\n1. e4",  // one missing
           "[TimeControl \"40/7200:3600\"]\n[BlackTimeLeft \"3550\"]\n1. e4",
           "[TimeControl \"30\"]\n[WhiteTimeLeft \"5\"]\n[BlackTimeLeft \"5\"]\n1. e4",  // 0
                                                                                         // minutes
           "[TimeControl \"?\"]\n[WhiteTimeLeft \"5\"]\n[BlackTimeLeft \"5\"]\n1. e4",
       }) {
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
  const V legali = TestiLegali();
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
      // A file where the pgn folder should be: a game that could not be saved is kept.
      {"1. e4 e5", {IDYES}, "Unable to write the file "},
      {nullptr, {}, "Unable to read the clipboard."},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.dialogo);
    fake.dialogs.clear();
    for (int r : c.risposte) fake.answer(r);
    const bool blocca = std::string(c.dialogo).starts_with("Unable to write");
    if (blocca) {
      std::filesystem::remove_all("pgn");
      std::fclose(std::fopen("pgn", "w"));
    }
    if (c.testo) {
      Incolla_(c.testo, false);
    } else {
      fake.clipboard.reset();
      fake.ctrl('V');
      Esegui();
    }
    if (blocca) std::filesystem::remove("pgn");
    EXPECT_EQ(UltimoDialogo().substr(0, std::strlen(c.dialogo)), c.dialogo);
    EXPECT_TRUE(Stato() == prima);
    EXPECT_EQ(Incoerenza(), "");
    EXPECT_EQ(TestiLegali(), legali);
  }
  // Moves typed afterwards go on from the same position.
  Mossa("e5");
  EXPECT_EQ(MosseGiocate().back(), "e5");
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
  const std::string cartella = (kFixture / "paste").string() + "/";
  fake.copied_files = V{cartella + "virgolette_escape.pgn"};
  Incolla_("1. d4 *");  // a file copied wins over the text some file managers add
  EXPECT_EQ(MosseGiocate(), (V{"f3", "e5", "g4", "Qh4#"}));
  EXPECT_STREQ(StrWhiteCognome, "O\"Brien");
  PartitaSalvata = 1;  // as Incolla_ leaves it
  const StatoPartita prima = Stato();
  struct Caso {
    V file;
    const char* dialogo;
  } casi[] = {
      {{cartella + "bom.pgn", cartella + "nome_utf8.pgn"},
       "The clipboard has more than one file.\nOnly one file can be read at a time."},
      {{cartella + "non_esiste.pgn"}, "The /"},
  };
  for (const auto& c : casi) {
    fake.copied_files = c.file;
    Incolla_("1. d4 *");
    EXPECT_EQ(UltimoDialogo().substr(0, std::strlen(c.dialogo)), c.dialogo);
    EXPECT_TRUE(Stato() == prima) << c.dialogo;
  }
  fake.copied_files = V{};  // no file copied: the text is read
  Incolla_("1. d4 *");
  EXPECT_EQ(MosseGiocate(), V{"d4"});
}

TEST_F(Incolla, TheLogRecordSummarisesTheGame) {
  Avvia();
  std::string testo = "[TimeControl \"300\"]\n[WhiteTimeLeft \"3661\"]\n[BlackTimeLeft \"59\"]\n";
  for (int i = 0; i < 9; ++i) testo += "Nf3 Nf6 Ng1 Ng8 ";
  Incolla_(testo + "e4");
  ASSERT_EQ(UltimoRecord->tipo, recPartitaIncollata);
  EXPECT_EQ(std::string(UltimoRecord->testo),
            "(37 plies)\n\t 1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1 Ng8 5. Nf3 Nf6 6. Ng1 Ng8 "
            "7. Nf3 Nf6 8. Ng1 Ng8\n\t 9. Nf3 Nf6 10. Ng1 Ng8 11. Nf3 Nf6 12. Ng1 Ng8 13. Nf3 Nf6 "
            "14. Ng1 Ng8 15. Nf3 Nf6 16. Ng1 Ng8\n\t 17. Nf3 Nf6 18. Ng1 Ng8 19. e4"
            "\n\twhite: one hour , one minute, one second\n\tblack: 59 seconds");
}

// Each game pasted plays the move texts its file gives (annotation marks aside) and its result.
TEST_F(Incolla, EveryGameOfTheCorpusPastesWithTheSameSan) {
  Avvia(1, false);
  SincronizzaSuDisco = 0;  // thousands of games' files: no flush to disk for each
  struct Ripristina {
    ~Ripristina() { SincronizzaSuDisco = 1; }
  } ripristina;
  const std::string corpus = LeggiFile(kFixture / "corpus-2k.pgn");
  int partite = 0;
  for (std::size_t p = corpus.find("[Event "); p != std::string::npos; ++partite) {
    const std::size_t q = corpus.find("\n[Event ", p);
    const std::string partita = corpus.substr(p, q == std::string::npos ? q : q + 1 - p);
    p = q == std::string::npos ? q : q + 1;
    DatiPartita d;
    InizializzaStrutturaDatiPartita(&d);
    LeggiDatiPartitaDaStringa(partita.c_str(), &d);
    V attese;
    for (int i = 0; i < d.mosse; ++i) {
      std::string t = d.token[i];
      while (t.back() == '!' || t.back() == '?') t.pop_back();
      attese.push_back(t);
    }
    attese.push_back(d.risultato);
    fake.dialogs.clear();
    Incolla_(partita);
    V caricata = MosseGiocate();
    caricata.push_back(Result);
    ASSERT_TRUE(fake.dialogs.empty() && caricata == attese) << partita.substr(0, 200) << "\n"
                                                            << UltimoDialogo();
  }
  EXPECT_EQ(partite, 2000);
}

// A game copied out of the program and pasted back is the same game.
TEST_F(Incolla, CopiedAndPastedBackInEveryClockMode) {
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
    std::strcpy(StrEvent, "Open \"B\" of C:\\chess");
    std::strcpy(StrWhiteNome, "Pat \\ Jr.");
    std::strcpy(StrBlackCognome, "Müller");
    std::strcpy(StrBlackElo, "1000");
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

TEST_F(Incolla, CopiedAndPastedBackWithADrawOrTimesOutOfTheUsualRange) {
  Avvia();
  Mosse({"e4", "e5", "Nf3", "Nc6"});
  PattaDaccordo();
  ASSERT_STREQ(Result, "1/2-1/2");
  CopiaEIncolla();
  // Below zero, and above five digits.
  NuovaPartita(FenIniziale);
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

// Only the first game is read, a long comment, variation or tag is passed over, a run of moves
// is cut at the plies a game holds, and a text with no move is refused in the user's language.
using IncollaGrande = Incolla;

std::string Ripeti(const std::string& testo) { return TestoRipetuto(testo, kDieciMega); }

TEST_F(IncollaGrande, TenMegabytesOfClipboardText) {
  const std::string corpus = LeggiFile(kFixture / "corpus-2k.pgn");
  ASSERT_GT(corpus.size(), 1000000u);
  struct Caso {
    const char* nome;
    int lingua;
    std::string testo;
    std::string dialogo;  // empty: none; a question is answered Yes
    std::uint64_t semimosse;
    const char* ultima;
  };
  const Caso casi[] = {
      // The corpus's first game ends 23. Rc1 1-0.
      {"five copies of two thousand games", 1, Ripeti(corpus), "", 45, "Rc1"},
      {"a comment of ten megabytes", 0, "1. e4 {" + Ripeti("commento ") + "} e5 2. Nf3 *", "", 3,
       "Nf3"},
      {"a variation that never closes", 1, "1. d4 (" + Ripeti("(1. e4 {x} ") + "*", "", 1, "d4"},
      {"a tag value of ten megabytes", 1, "[Event \"" + Ripeti("Torneo ") + "\"]\n1. c4 *", "", 1,
       "c4"},
      {"moves past the plies a game holds", 2, Ripeti("Nf3 Nf6 Ng1 Ng8 "),
       "256... 'Ng8' - supera las 511 semijugadas que puede contener una partida.\n"
       "¿Cargar la partida de todos modos hasta este punto?",
       511, "Ng1"},
      {"one word of ten megabytes", 1, std::string(kDieciMega, 'x'),
       "1. 'xxxxxxx' - is not a correct move record.", 0, nullptr},
      {"no move at all", 0, Ripeti("% nothing but escaped lines\n"),
       "Nessuna mossa trovata negli appunti.", 0, nullptr},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    Avvia(c.lingua);
    const std::string evento = StrEvent;
    if (c.dialogo.find('?') != std::string::npos) fake.answer(IDYES);
    Incolla_(c.testo);
    EXPECT_EQ(UltimoDialogo(), c.dialogo);
    ASSERT_EQ(ContatoreMosse, c.semimosse);
    if (c.ultima) {
      EXPECT_STREQ(ElencoStringaMossa[ContatoreMosse], c.ultima);
      // The log's summary of so long a game is kept whole.
      EXPECT_NE(std::string(UltimoRecord->testo).find(c.semimosse == 511 ? " 256. Ng1" : c.ultima),
                std::string::npos);
    }
    // The header keeps fields of their size: the huge value is not taken, cut or not.
    EXPECT_LT(std::string(StrEvent).size(), 128u);
    if (c.semimosse == 0) {
      EXPECT_EQ(StrEvent, evento);
    }
    TearDown();
  }
}

}  // namespace
