#include "clock/lettore_pgn.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/ambiente_finto.h"

namespace {

using V = std::vector<std::string>;

DatiPartita Leggi(const std::string& testo) {
  DatiPartita d;
  InizializzaStrutturaDatiPartita(&d);
  LeggiDatiPartitaDaStringa(testo.c_str(), &d);
  return d;
}

std::string Fixture(const char* nome) {
  return LeggiFile(std::filesystem::path(VANTOREL_SOURCE_DIR) / "tests/fixtures/paste" / nome);
}

V Token(const DatiPartita& d) {
  V v;
  for (int i = 0; i < d.mosse; ++i) v.emplace_back(d.token[i]);
  return v;
}

TEST(LettorePgn, OneFixturePerQuirk) {
  struct Caso {
    const char* file;
    V mosse;
    const char* risultato;
  } casi[] = {
      {"commento_nel_testo.pgn", {"e4", "e5"}, "1-0"},
      {"varianti_annidate.pgn", {"e4", "e5", "Nf3", "Nc6"}, "*"},
      {"graffa_non_chiusa.pgn", {"e4", "e5", "Nf3"}, "*"},
      {"variante_non_chiusa.pgn", {"e4", "e5", "Nf3"}, "*"},
      {"commento_punto_e_virgola.pgn", {"e4", "e5", "Nf3", "Nc6"}, "*"},
      {"nag_e_punti.pgn", {"e4!", "e5?!", "Nf3!?", "Nc6??", "Bb5!!", "a6!?", "Ba4", "Nf6"}, "*"},
      {"arrocco_zeri_e_o.pgn",
       {"e4", "e5", "Nf3", "Nc6", "Bc4", "Bc5", "0-0", "Nf6", "d3", "O-O", "c3", "d6"},
       "*"},
      {"virgolette_escape.pgn", {"f3", "e5", "g4", "Qh4#"}, "0-1"},
      {"chiavi_minuscole.pgn", {"d4", "d5"}, "1/2-1/2"},
      {"tag_senza_virgolette.pgn", {"e4", "c5"}, "*"},
      {"fine_riga_crlf.pgn", {"e4", "e5", "Nf3", "Nc6", "Bb5", "a6"}, "1-0"},
      {"fine_riga_lf.pgn", {"e4", "e5", "Nf3", "Nc6", "Bb5", "a6"}, "1-0"},
      {"nome_utf8.pgn", {"e4", "d5"}, "*"},
      {"bom.pgn", {"c4", "e5"}, "*"},
      {"due_partite.pgn", {"e4", "e5", "Qh5", "Nc6", "Bc4", "Nf6", "Qxf7#"}, "1-0"},
      {"senza_mosse.pgn", {}, "*"},
  };
  for (const auto& c : casi) {
    DatiPartita d = Leggi(Fixture(c.file));
    EXPECT_EQ(Token(d), c.mosse) << c.file;
    EXPECT_EQ(d.mosse_trovate, d.mosse) << c.file;
    EXPECT_STREQ(d.risultato, c.risultato) << c.file;
  }
}

TEST(LettorePgn, HeaderFieldsOfTheFixtures) {
  DatiPartita d = Leggi(Fixture("virgolette_escape.pgn"));
  EXPECT_STREQ(d.event, "The \"Open\" of C:\\Chess");
  EXPECT_STREQ(d.white_cognome, "O\"Brien");
  EXPECT_STREQ(d.white_nome, "Pat");
  EXPECT_STREQ(d.black_cognome, "Back\\slash");

  d = Leggi(Fixture("chiavi_minuscole.pgn"));
  EXPECT_STREQ(d.event, "Club night");
  EXPECT_STREQ(d.round, "4");
  EXPECT_STREQ(d.black_cognome, "Bianchi");
  EXPECT_STREQ(d.black_nome, "Luca");
  EXPECT_STREQ(d.white_elo, "2105");
  EXPECT_STREQ(d.cadenza, "300+2");
  EXPECT_STREQ(d.tempo_bianco, "250");
  EXPECT_STREQ(d.tempo_nero, "199");

  // A tag without quotes is ignored, and so is one that its line leaves open.
  d = Leggi(Fixture("tag_senza_virgolette.pgn"));
  EXPECT_STREQ(d.event, "");
  EXPECT_STREQ(d.round, "");
  EXPECT_STREQ(d.white_cognome, "Rossi");
  EXPECT_STREQ(d.black_cognome, "Verdi");

  for (const char* f : {"fine_riga_crlf.pgn", "fine_riga_lf.pgn"}) {
    d = Leggi(Fixture(f));
    EXPECT_STREQ(d.event, "Line ends") << f;
    EXPECT_STREQ(d.white_nome, "Mario") << f;
  }

  d = Leggi(Fixture("nome_utf8.pgn"));
  EXPECT_STREQ(d.event, "Torneo di Città – Città");
  EXPECT_STREQ(d.white_cognome, "Müller");
  EXPECT_STREQ(d.white_nome, "Jürgen");
  EXPECT_STREQ(d.black_cognome, "Ñúñez Peña");
  EXPECT_STREQ(d.black_nome, "José María");
  // 50 characters of two bytes each: cut at characters, not bytes.
  EXPECT_EQ(std::string(d.round), "Überlänge: ÀÈÌÒÙàèìòùÀÈÌÒÙàèìòùÀÈÌÒÙàèìòùÀÈÌÒÙàèìò");

  d = Leggi(Fixture("bom.pgn"));
  EXPECT_STREQ(d.event, "Byte order mark");

  // The second game on the clipboard is not mixed into the first.
  d = Leggi(Fixture("due_partite.pgn"));
  EXPECT_STREQ(d.event, "First");
  EXPECT_STREQ(d.white_cognome, "Uno");
}

TEST(LettorePgn, LongGamesStoreNoMoreThanTheRecordHolds) {
  DatiPartita d = Leggi(Fixture("partita_511_semimosse.pgn"));
  EXPECT_EQ(d.mosse, 511);
  EXPECT_EQ(d.mosse_trovate, 511);
  d = Leggi(Fixture("partita_600_semimosse.pgn"));
  EXPECT_EQ(d.mosse, MaxTokenMossa);
  EXPECT_EQ(d.mosse_trovate, 600);
  EXPECT_STREQ(d.token[MaxTokenMossa - 1], "Ng8");  // ply 512
  EXPECT_STREQ(d.risultato, "1/2-1/2");
}

TEST(LettorePgn, MoveTextEdgeCases) {
  struct Caso {
    const char* testo;
    V mosse;
    const char* risultato;
  } casi[] = {
      {"1. e4 e5 2. Nf3 * 2... Nc6", {"e4", "e5", "Nf3"}, "*"},
      {"1.e4 {best by test} (1.d4 d5) e5 1-0", {"e4", "e5"}, "1-0"},
      {"1. 0-0", {"0-0"}, "*"},
      {"1. 0-0-0+ 1-0", {"0-0-0"}, "1-0"},
      {"1. O-O", {"O-O"}, "*"},
      {"1.e4{c}e5(1...c5)2.Nf3;x\nNc6 0-1", {"e4", "e5", "Nf3", "Nc6"}, "0-1"},
      {"1. e4 $1 1... e5 $2 1/2-1/2", {"e4", "e5"}, "1/2-1/2"},
      {"1. exd8=Q+!? e4", {"exd8=Q+", "e4"}, "*"},
      {"1. Nbxd7+!!", {"Nbxd7+!"}, "*"},
      {"hello", {"hello"}, "*"},
      {"", {}, "*"},
      {"{ only a comment }", {}, "*"},
      {"1. e4 (", {"e4"}, "*"},
      {"[Event \"x\"", {}, "*"},
      {"[Event \"x\"]\n[White \"a]b\"]\n1. d4", {"d4"}, "*"},
  };
  for (const auto& c : casi) {
    DatiPartita d = Leggi(c.testo);
    EXPECT_EQ(Token(d), c.mosse) << c.testo;
    EXPECT_STREQ(d.risultato, c.risultato) << c.testo;
  }
  EXPECT_STREQ(Leggi("[White \"a]b\"]").white_cognome, "a]b");
}

// Each tag alone on an empty record: the field it fills, or its initial value
// when the value is refused.
TEST(LettorePgn, TagValues) {
  using D = DatiPartita;
  struct Valore {
    const char* tag;
    std::string (*leggi)(const D&);
    const char* atteso;
  } casi[] = {
      {"White \"Rossi, Mario\"",
       [](const D& d) { return std::string(d.white_cognome) + "|" + d.white_nome; }, "Rossi|Mario"},
      {"White \"Rossi\"",
       [](const D& d) { return std::string(d.white_cognome) + "|" + d.white_nome; }, "Rossi|"},
      {"White \", Mario\"",
       [](const D& d) { return std::string(d.white_cognome) + "|" + d.white_nome; }, "|Mario"},
      {"White \"?\"", [](const D& d) { return std::string(d.white_cognome) + "|" + d.white_nome; },
       "|"},
      {"Event \"  padded  \"", [](const D& d) { return std::string(d.event); }, "padded"},
      {"Event \"?\"", [](const D& d) { return std::string(d.event); }, ""},
      {"Event", [](const D& d) { return std::string(d.event); }, ""},
      {"UTCDate \"2024.02.30\"", [](const D& d) { return std::string(d.data_utc); }, "2024.02.30"},
      {"UTCDate \"2024.13.01\"", [](const D& d) { return std::string(d.data_utc); }, "?"},
      {"UTCDate \"24.01.01\"", [](const D& d) { return std::string(d.data_utc); }, "?"},
      {"UTCDate \"0999.01.01\"", [](const D& d) { return std::string(d.data_utc); }, "?"},
      {"UTCDate \"2024.01.00\"", [](const D& d) { return std::string(d.data_utc); }, "?"},
      {"UTCTime \"23:59:59\"", [](const D& d) { return std::string(d.ora_utc); }, "23:59:59"},
      {"UTCTime \"24:00:00\"", [](const D& d) { return std::string(d.ora_utc); }, "?"},
      {"UTCTime \"12:60:00\"", [](const D& d) { return std::string(d.ora_utc); }, "?"},
      {"UTCTime \"1:02:03\"", [](const D& d) { return std::string(d.ora_utc); }, "?"},
      {"WhiteElo \"999\"", [](const D& d) { return std::string(d.white_elo); }, ""},
      {"WhiteElo \"4000\"", [](const D& d) { return std::string(d.white_elo); }, "4000"},
      {"WhiteElo \"4001\"", [](const D& d) { return std::string(d.white_elo); }, ""},
      {"BlackElo \"1000\"", [](const D& d) { return std::string(d.black_elo); }, "1000"},
      {"Result \"1-0\"", [](const D& d) { return std::string(d.risultato); }, "1-0"},
      {"Result \"2-0\"", [](const D& d) { return std::string(d.risultato); }, "*"},
      {"WhiteTimeLeft \"3550\"", [](const D& d) { return std::string(d.tempo_bianco); }, "3550"},
      {"WhiteTimeLeft \"-12\"", [](const D& d) { return std::string(d.tempo_bianco); }, "-12"},
      {"BlackTimeLeft \"172800\"", [](const D& d) { return std::string(d.tempo_nero); }, "172800"},
      {"BlackTimeLeft \"2000001\"", [](const D& d) { return std::string(d.tempo_nero); }, ""},
      {"BlackTimeLeft \"12a\"", [](const D& d) { return std::string(d.tempo_nero); }, ""},
      {"BlackTimeLeft \"-\"", [](const D& d) { return std::string(d.tempo_nero); }, ""},
      {"TimeControl \"40/7200:3600\"", [](const D& d) { return std::string(d.cadenza); },
       "40/7200:3600"},
      {"Termination \"normal\"", [](const D& d) { return std::string(d.termination); }, "normal"},
      {"Site \"Roma\"", [](const D& d) { return std::string(d.event) + d.round + d.white_cognome; },
       ""},
  };
  for (const auto& c : casi) {
    DatiPartita d;
    InizializzaStrutturaDatiPartita(&d);
    LeggiTagDaStringa(c.tag, std::strlen(c.tag), &d);
    EXPECT_EQ(c.leggi(d), c.atteso) << c.tag;
  }
}

TEST(LettorePgn, SecondsTheClockCanHold) {
  struct Caso {
    const char* testo;
    int risultato, secondi;
  } casi[] = {{"0", 1, 0},
              {"99999", 1, 99999},
              {"-99999", 1, -99999},
              {"172800", 1, 172800},
              {"2000000", 1, 2000000},
              {"-2000000", 1, -2000000},
              {"2000001", 0, 0},
              {"", 0, 0},
              {"-", 0, 0},
              {"12 ", 0, 0},
              {"+5", 0, 0},
              {"99999999", 0, 0}};
  for (const auto& c : casi) {
    int s = 0;
    EXPECT_EQ(CopiaSecondiDaStringa(&s, c.testo), c.risultato) << c.testo;
    EXPECT_EQ(s, c.secondi) << c.testo;
  }
}

TEST(LettorePgn, Utf8CopyStopsAtCharactersAndRoom) {
  char d[8];
  CopiaCaratteriUtf8(d, sizeof d, "àèìòù", 3);
  EXPECT_STREQ(d, "àèì");
  // Room for three two-byte characters and the terminator, not four.
  CopiaCaratteriUtf8(d, sizeof d, "àèìòù", 10);
  EXPECT_STREQ(d, "àèì");
  CopiaCaratteriUtf8(d, sizeof d,
                     "ab\xFF"
                     "cd",
                     10);
  EXPECT_STREQ(d, "ab");
  CopiaCaratteriUtf8(d, sizeof d, "a\xE2\x82", 10);  // a sequence cut short
  EXPECT_STREQ(d, "a");
  CopiaCaratteriUtf8(d, sizeof d, "\xF0\x9F\x98\x80xyz", 10);
  EXPECT_STREQ(d, "\xF0\x9F\x98\x80xyz");
}

}  // namespace
