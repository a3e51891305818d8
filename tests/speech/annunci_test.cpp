#include "speech/annunci.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "clock/cadenza.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fai_mossa.h"
#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "record/partita.h"
#include "speech/annuncio.h"
#include "tests/speech/canale_finto.h"

namespace {

int casa(const char* s) { return (s[0] - 'a') + 8 * ('8' - s[1]); }

struct AnnunciTest : canale_finto::AmbienteParlato {
  void SetUp() override {
    AmbienteParlato::SetUp();
    InizializzaTavoleScacchi();
    InizializzaInfoPartita();
    ContatoreMosse = 0;  // white to move
    AzzeraOrologio();
    CaricaTempoDaiParametri();
  }
  void TearDown() override {
    FermaOrologio();
    AzzeraOrologio();
    InizializzaInfoPartita();
    AmbienteParlato::TearDown();
  }
  void imposta(int indice, int v) { ParametroIni[indice].valore = v; }
  std::string detto(const std::function<void()>& comando) {
    comando();
    return canale_finto::ultimo();
  }

  // Loads the position, then plays moves written "e7e8q:e8=Q+": from, to,
  // promotion, then the text the game record keeps.
  void gioca(const char* fen, const std::vector<std::string>& mosse) {
    ASSERT_EQ(NuovaPosizione(fen), 1) << fen;
    for (const auto& m : mosse) {
      const auto testo = m.find(':');
      const int promozione = testo == 5 ? (m[4] == 'q' ? 4 : 1) : 255;
      auto cercata = [&](std::uint64_t g) {
        return static_cast<int>(DaCasa(g)) == casa(m.c_str()) &&
               static_cast<int>(ACasa(g)) == casa(m.c_str() + 2) &&
               (promozione == 255 || TipoPromozioneMossa[SpecieMossa(g)] == promozione);
      };
      auto* g = BufferMosseGenerate;
      while (g < FineMosseGenerate && !cercata(*g)) ++g;
      ASSERT_NE(g, FineMosseGenerate) << "no legal move " << m;
      ASSERT_EQ(TavolaFaiMossa()[SpecieMossa(*g)](*g), 1);
      std::snprintf(ElencoStringaMossa[ContatoreMosse], 8, "%s", m.c_str() + testo + 1);
      GeneraMosseLegali();
    }
  }
  // The last move described at a level of detail.
  std::string mossa(const char* fen, const std::vector<std::string>& mosse, int mdv) {
    gioca(fen, mosse);
    imposta(iniMDV, mdv);
    char buffer[1024];
    LeggiStringaUltimaMossa(buffer);
    return buffer;
  }
  std::string cadenza(int modo) {
    imposta(iniClockMode, modo);
    return detto(AnunciaCadenza);
  }
};

const char* const kCattura = "4k3/8/8/4p3/3P4/4K3/8/8 b - - 0 1";
const char* const kEp = "4k3/3p4/8/4P3/8/8/8/4K3 b - - 0 1";
const char* const kScoperto = "4k3/8/8/8/4N3/8/8/4R1K1 w - - 0 1";
const char* const kPromozione = "8/4P3/8/8/k7/8/8/4K3 w - - 0 1";
const char* const kArrocchi = "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1";

// Plurals and the article differ from one language to the next.
TEST_F(AnnunciTest, DurationsInWords) {
  const struct {
    int lingua, secondi;
    const char* atteso;
  } casi[] = {{1, 0, ""},
              {1, 1, "one second"},
              {1, 60, "one minute"},
              {1, 90, "one minute, 30 seconds"},
              {1, 3600, "one hour "},
              {1, 3661, "one hour , one minute, one second"},
              {1, 7322, "2 hours, 2 minutes, 2 seconds"},
              {1, -1, "minus one second"},
              {1, INT_MIN, "minus 596523 hours, 14 minutes, 8 seconds"},
              {0, -3661, "meno un ora , un minuto, un secondo"},
              {0, 7322, "2 ore, 2 minuti, 2 secondi"},
              {2, -3661, "menos una hora , un minuto, un segundo"},
              {2, 7322, "2 horas, 2 minutos, 2 segundos"}};
  for (const auto& c : casi) {
    imposta(inilang, c.lingua);
    EXPECT_STREQ(StrTempo(c.secondi), c.atteso) << c.secondi;
  }
}

TEST_F(AnnunciTest, InitialAnnouncementOnlyOnASpeakingChannel) {
  AnuncioIniziale();
  EXPECT_TRUE(fake.dialogs.empty());
  canale_finto::installa(fake);
  AnuncioIniziale();
  ASSERT_EQ(canale_finto::detti.size(), 1u);
  EXPECT_EQ(canale_finto::ultimo(),
            "Vantorel2.65 - CHESS CLOCK, Software by the Vantorel authors, for blind players.");
  EXPECT_TRUE(canale_finto::detti[0].interrotto);
}

TEST_F(AnnunciTest, AlarmsWithADisabledOneSpokenOrShown) {
  imposta(inia3, 0);
  AnunciaAllarmi();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].caption, "Alarms");
  EXPECT_EQ(fake.dialogs[0].style, MB_OK);
  EXPECT_EQ(fake.dialogs[0].text,
            " First alarm 60 minutes left;\n"
            " second alarm 45 minutes left;\n"
            " third alarm 0 disabled;\n"
            " fourth alarm 15 minutes left;\n"
            " fifth alarm 5 minutes left;\n");

  canale_finto::installa(fake);
  imposta(inilang, 2);
  imposta(inia1, 1);
  AnunciaAllarmi();
  EXPECT_EQ(fake.dialogs.size(), 1u);  // spoken, not shown
  EXPECT_EQ(canale_finto::ultimo(),
            " primera alarma 1 minutos restantes;\n"
            " segunda alarma 45 minutos restantes;\n"
            " tercera alarma 0 desactivado;\n"
            " cuarta alarma 15 minutos restantes;\n"
            " quinta alarma 5 minutos restantes;\n");
  EXPECT_TRUE(canale_finto::detti.back().interrotto);
}

// Each row's values on top of the previous row's.
TEST_F(AnnunciTest, EveryClockModeInWords) {
  const struct {
    std::vector<std::pair<int, int>> valori;
    const char* atteso;
  } casi[] = {
      {{{inilang, 0}, {iniClockMode, 2}, {iniP1I, 30}},
       "Cadenza di gioco:  un periodo di 2 ore per 40 mosse con 30 secondi di incremento; più un "
       "periodo di 2 ore per completare il resto della partita."},
      {{{inilang, 1}, {iniClockMode, 0}, {iniP1I, 0}},
       "Time control:  a recursive period of 2 hours for 40 moves."},
      {{{iniClockMode, 1}, {iniP1T, 5}, {iniP1I, 2}},
       "Time control:  a fixed time of 5 minutes with 2 seconds of increment for the whole game."},
      {{{iniClockMode, 3},
        {iniP1T, 90},
        {iniP1I, 30},
        {iniP2T, 60},
        {iniP2M, 20},
        {iniP2I, 0},
        {iniP3T, 15},
        {iniP3I, 30}},
       "Time control:  a period of one hour , 30 minutes for 40 moves with 30 seconds of "
       "increment; plus a period of one hour  for 20 moves; plus a period of 15 minutes with 30 "
       "seconds of increment to complete the rest of the game."},
      {{{iniClockMode, 4}, {iniP3M, 10}, {iniP4T, 1}, {iniP4I, 61}},
       "Time control:  a period of one hour , 30 minutes for 40 moves with 30 seconds of "
       "increment; plus a period of one hour  for 20 moves; plus a period of 15 minutes for 10 "
       "moves with 30 seconds of increment; plus a period of one minute with one minute, one "
       "second of increment to complete the rest of the game."},
      {{{inilang, 2}, {iniClockMode, 5}, {iniP1T, 3}},
       "Ritmo de juego: reloj de arena con un tiempo inicial de 3 minutos."},
  };
  canale_finto::installa(fake);
  for (const auto& c : casi) {
    for (auto [i, v] : c.valori) imposta(i, v);
    EXPECT_EQ(detto(AnunciaCadenza), c.atteso);
  }
  // Shown without a channel: no spoken title, a capital letter.
  CaricaAssistente(0);
  imposta(iniAssistanceType, 0);
  imposta(inilang, 1);
  imposta(iniClockMode, 1);
  imposta(iniP1I, 0);
  canale_finto::detti.clear();
  AnunciaCadenza();
  EXPECT_TRUE(canale_finto::detti.empty());
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].caption, "Time control");
  EXPECT_EQ(fake.dialogs[0].text, " A fixed time of 3 minutes for the whole game.");
}

TEST_F(AnnunciTest, TimeOfAPlayerIsTheCurrentOneEvenWithoutRefresh) {
  imposta(iniautorefresh, 0);
  OrologioInMoto();
  fake.advance(65'000);  // white thinks 65 s; nothing redrawn meanwhile
  AnunciaTempo(0);
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].caption, "White");
  EXPECT_EQ(fake.dialogs[0].text, "One hour , 58 minutes, 55 seconds");
  EXPECT_EQ(fake.dialogs[0].style, MB_OK);
  canale_finto::installa(fake);
  imposta(inilang, 0);
  fake.advance(1'000);
  EXPECT_EQ(detto([] { AnunciaTempo(0); }), "bianco: un ora , 58 minuti, 54 secondi.");
  EXPECT_TRUE(canale_finto::detti.back().interrotto);
  EXPECT_EQ(detto([] { AnunciaTempo(1); }), "nero: 2 ore.");
}

TEST_F(AnnunciTest, GameInformationWithMissingValues) {
  std::strcpy(StrEvent, "Torneo di Natale");
  std::strcpy(StrWhiteCognome, "Rossi");
  std::strcpy(StrWhiteNome, "Mario");
  std::strcpy(StrWhiteElo, "1850");
  std::strcpy(StrBlackCognome, "García");
  canale_finto::installa(fake);
  EXPECT_EQ(detto(AnunciaInfoPartita),
            "\nevent\tTorneo di Natale,\nround\t?.\nPlayer of the white pieces:"
            "\nfamily name\tRossi,\nfirst name\tMario,\nfide elo rating\t1850."
            "\nPlayer of the black pieces:"
            "\nfamily name\tGarcía,\nfirst name\t?,\nfide elo rating\t?.");
  CaricaAssistente(0);
  imposta(iniAssistanceType, 0);
  imposta(inilang, 2);
  AnunciaInfoPartita();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].caption, "Información del juego");
  EXPECT_EQ(fake.dialogs[0].text.substr(0, 28), "\nEvento\tTorneo di Natale,\nro");
}

TEST_F(AnnunciTest, LastMoveAtEachLevelOfDetail) {
  const std::vector<std::string> kCavalli = {"d2d4:d4", "d7d5:d5", "g1f3:Nf3", "g8f6:Nf6"};
  auto con = [&](const char* ultima) {
    auto v = kCavalli;
    v.push_back(ultima);
    return v;
  };
  const struct {
    const char* fen;
    std::vector<std::string> mosse;
    int lingua, livello;
    const char* atteso;
  } casi[] = {
      {FenIniziale, {"e2e4:e4"}, 1, 0, "white 1:  Echo 4"},
      {FenIniziale, {"e2e4:e4"}, 0, 1, "bianco 1:  pedone in Empoli 4"},
      {FenIniziale, {"e2e4:e4"}, 2, 2, "blancas 1:  peon de Eva 2 a Eva 4"},
      {kCattura, {"e5d4:exd4+"}, 1, 0, "black 1:  pawn Echo captures Delta 4 check"},
      {kCattura, {"e5d4:exd4+"}, 2, 1, "negras 1:  peon de Eva captura el peon en David 4 jaque"},
      {kCattura,
       {"e5d4:exd4+"},
       1,
       2,
       "black 1:  pawn from Echo 5 captures the pawn on Delta 4 check"},
      // Disambiguation as the move text carries it.
      {FenIniziale, con("b1d2:Nbd2"), 1, 0, "white 3:  knight Bravo Delta 2"},
      {FenIniziale, con("b1d2:Nbd2"), 1, 1, "white 3:  knight from Bravo to Delta 2"},
      {FenIniziale, con("b1d2:Nd2"), 1, 1, "white 3:  knight to Delta 2"},
      {FenIniziale, con("b1d2:N1d2"), 1, 0, "white 3:  knight 1 Delta 2"},
      {FenIniziale, con("b1d2:N1d2"), 1, 1, "white 3:  knight from 1 to Delta 2"},
      {FenIniziale, con("b1d2:Nb1d2"), 1, 1, "white 3:  knight from Bravo 1 to Delta 2"},
      {kPromozione, {"e7e8q:e8=Q+"}, 1, 0, "white 1:  Echo 8 queen check"},
      {kPromozione,
       {"e7e8q:e8=Q+"},
       1,
       2,
       "white 1:  pawn from Echo 7 to Echo 8 promoting to queen check"},
      {"5r1k/4P3/8/8/8/8/8/K7 w - - 0 1",
       {"e7f8n:exf8=N"},
       1,
       0,
       "white 1:  pawn Echo captures Foxtrot 8 knight"},
      {"5r1k/4P3/8/8/8/8/8/K7 w - - 0 1",
       {"e7f8n:exf8=N"},
       1,
       1,
       "white 1:  pawn from Echo captures the rook on Foxtrot 8 promoting to knight"},
      {kArrocchi, {"e1g1:O-O"}, 1, 2, "white 1:  kingside castling"},
      {kArrocchi, {"e1g1:O-O", "e8c8:O-O-O"}, 1, 1, "black 1:  queenside castling"},
      // The rook that castling moves is the piece that gives check.
      {"5k2/8/8/8/8/8/8/4K2R w K - 0 1", {"e1g1:O-O+"}, 1, 1, "white 1:  kingside castling check"},
      {kEp, {"d7d5:d5", "e5d6:exd6"}, 1, 0, "white 2:  pawn Echo captures en passant Delta 6"},
      {kEp,
       {"d7d5:d5", "e5d6:exd6"},
       0,
       1,
       "bianco 2:  pedone da Empoli cattura al varco in Domodossola 6"},
      {kEp,
       {"d7d5:d5", "e5d6:exd6"},
       1,
       2,
       "white 2:  pawn from Echo 5 captures en passant on Delta 6"},
      {kScoperto, {"e4c3:Nc3+"}, 1, 1, "white 1:  knight to Charlie 3 discovered check"},
      {kScoperto, {"e4f6:Nf6+"}, 1, 1, "white 1:  knight to Foxtrot 6 double check"},
      {kScoperto, {"e4f6:Nf6+"}, 0, 0, "bianco 1:  cavallo Firenze 6 doppio scacco"},
  };
  for (const auto& c : casi) {
    imposta(inilang, c.lingua);
    EXPECT_EQ(mossa(c.fen, c.mosse, c.livello), c.atteso);
  }
}

// Spoken, the command is heard in the board explorer's tests.
TEST_F(AnnunciTest, ReadingTheLastMoveShownWithoutAChannel) {
  gioca(FenIniziale, {"e2e4:e4"});
  AnunciaUltimaMossa();
  // Loaded with black to move, nothing played yet: still the initial position.
  gioca(kEp, {});
  AnunciaUltimaMossa();
  ASSERT_EQ(fake.dialogs.size(), 2u);
  EXPECT_EQ(fake.dialogs[0].caption, "Last move");
  EXPECT_EQ(fake.dialogs[0].text, "White 1:  pawn to Echo 4");
  EXPECT_EQ(fake.dialogs[1].caption, "Attention!");
  EXPECT_EQ(fake.dialogs[1].text, "Initial position");
}

}  // namespace
