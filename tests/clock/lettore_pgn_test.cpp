#include "clock/lettore_pgn.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
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

std::string Campo(const DatiPartita& d, std::string_view nome) {
  const std::pair<const char*, const char*> campi[] = {
      {"event", d.event},    {"round", d.round},      {"wc", d.white_cognome},
      {"wn", d.white_nome},  {"bc", d.black_cognome}, {"bn", d.black_nome},
      {"welo", d.white_elo}, {"belo", d.black_elo},   {"data", d.data_utc},
      {"ora", d.ora_utc},    {"ris", d.risultato},    {"tb", d.tempo_bianco},
      {"tn", d.tempo_nero},  {"tc", d.cadenza},       {"term", d.termination}};
  for (auto [k, v] : campi)
    if (nome == k) return v;
  return "no such field";
}

// A fixture file, or the text itself.
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
      {"nome_utf8.pgn", {"e4", "d5"}, "*"},
      {"bom.pgn", {"c4", "e5"}, "*"},
      {"due_partite.pgn", {"e4", "e5", "Qh5", "Nc6", "Bc4", "Nf6", "Qxf7#"}, "1-0"},
      {"senza_mosse.pgn", {}, "*"},
      {"1. e4 e5 2. Nf3 * 2... Nc6", {"e4", "e5", "Nf3"}, "*"},
      {"1.e4 {best by test} (1.d4 d5) e5 1-0", {"e4", "e5"}, "1-0"},
      {"1. 0-0-0+ 1-0", {"0-0-0"}, "1-0"},
      {"1.e4{c}e5(1...c5)2.Nf3;x\nNc6 0-1", {"e4", "e5", "Nf3", "Nc6"}, "0-1"},
      {"1. exd8=Q+!? e4", {"exd8=Q+", "e4"}, "*"},
      {"1. Nbxd7+!!", {"Nbxd7+!"}, "*"},
      {"{ only a comment }", {}, "*"},
      {"[Event \"x\"", {}, "*"},
      {"[Event \"x\"]\n[White \"a]b\"]\n1. d4", {"d4"}, "*"},
  };
  for (const auto& c : casi) {
    const std::string testo = c.file;
    DatiPartita d = Leggi(testo.ends_with(".pgn") ? Fixture(c.file) : testo);
    EXPECT_EQ(Token(d), c.mosse) << c.file;
    EXPECT_EQ(d.mosse_trovate, d.mosse) << c.file;
    EXPECT_STREQ(d.risultato, c.risultato) << c.file;
  }
  EXPECT_STREQ(Leggi("[White \"a]b\"]").white_cognome, "a]b");
}

// A tag without quotes is ignored, and so is one its line leaves open; names are cut at
// characters, not bytes; a second game is not mixed into the first.
TEST(LettorePgn, HeaderFieldsOfTheFixtures) {
  const struct {
    const char *file, *campo, *atteso;
  } casi[] = {
      {"virgolette_escape.pgn", "event", "The \"Open\" of C:\\Chess"},
      {"virgolette_escape.pgn", "bc", "Back\\slash"},
      {"chiavi_minuscole.pgn", "round", "4"},
      {"chiavi_minuscole.pgn", "tc", "300+2"},
      {"chiavi_minuscole.pgn", "tn", "199"},
      {"tag_senza_virgolette.pgn", "event", ""},
      {"tag_senza_virgolette.pgn", "bc", "Verdi"},
      {"fine_riga_crlf.pgn", "wn", "Mario"},
      {"nome_utf8.pgn", "bn", "José María"},
      {"nome_utf8.pgn", "round", "Überlänge: ÀÈÌÒÙàèìòùÀÈÌÒÙàèìòùÀÈÌÒÙàèìòùÀÈÌÒÙàèìò"},
      {"bom.pgn", "event", "Byte order mark"},
      {"due_partite.pgn", "wc", "Uno"},
  };
  for (const auto& c : casi) EXPECT_EQ(Campo(Leggi(Fixture(c.file)), c.campo), c.atteso) << c.file;
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

// Each tag alone on an empty record: the field it fills, or its initial value when the
// value is refused (the paste tests read the usual values).
TEST(LettorePgn, TagValues) {
  const struct {
    const char *tag, *campo, *atteso;
  } casi[] = {
      {"White \"Rossi\"", "wn", ""},
      {"White \", Mario\"", "wc", ""},
      {"Event \"  padded  \"", "event", "padded"},
      {"Event \"?\"", "event", ""},
      {"Event", "event", ""},
      {"UTCDate \"2024.13.01\"", "data", "?"},
      {"UTCDate \"0999.01.01\"", "data", "?"},
      {"UTCDate \"2024.01.00\"", "data", "?"},
      {"UTCTime \"23:59:59\"", "ora", "23:59:59"},
      {"UTCTime \"24:00:00\"", "ora", "?"},
      {"UTCTime \"12:60:00\"", "ora", "?"},
      {"UTCTime \"1:02:03\"", "ora", "?"},
      {"WhiteElo \"999\"", "welo", ""},
      {"WhiteElo \"4000\"", "welo", "4000"},
      {"WhiteElo \"4001\"", "welo", ""},
      {"BlackElo \"1000\"", "belo", "1000"},
      {"Result \"2-0\"", "ris", "*"},
      {"BlackTimeLeft \"172800\"", "tn", "172800"},
      {"BlackTimeLeft \"2000001\"", "tn", ""},
      {"Site \"Roma\"", "event", ""},
  };
  for (const auto& c : casi) {
    DatiPartita d;
    InizializzaStrutturaDatiPartita(&d);
    LeggiTagDaStringa(c.tag, std::strlen(c.tag), &d);
    EXPECT_EQ(Campo(d, c.campo), c.atteso) << c.tag;
  }
}

TEST(LettorePgn, SecondsTheClockCanHold) {
  struct Caso {
    const char* testo;
    int risultato, secondi;
  } casi[] = {{"0", 1, 0},
              {"-99999", 1, -99999},
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
  const struct {
    const char* da;
    int n;
    const char* atteso;
  } casi[] = {
      {"àèìòù", 3, "àèì"},
      {"àèìòù", 10, "àèì"},  // room for three two-byte characters and the terminator
      {"ab\xFF"
       "cd",
       10, "ab"},
      {"a\xE2\x82", 10, "a"},  // a sequence cut short
      {"\xF0\x9F\x98\x80xyz", 10, "\xF0\x9F\x98\x80xyz"},
  };
  for (const auto& c : casi) {
    char d[8];
    CopiaCaratteriUtf8(d, sizeof d, c.da, c.n);
    EXPECT_STREQ(d, c.atteso) << c.da;
  }
}

}  // namespace
