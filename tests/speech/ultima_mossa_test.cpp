#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "config/ini.h"
#include "core/fai_mossa.h"
#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "platform/fake/fake_backend.h"
#include "record/partita.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "tests/speech/canale_finto.h"

namespace {

int casa(const char* s) { return (s[0] - 'a') + 8 * ('8' - s[1]); }

struct UltimaMossaTest : ::testing::Test {
  platform::FakeBackend fake;
  void SetUp() override {
    platform::install(&fake);
    DefaultIni();
    CaricaFinestraDiDialogo();
    InizializzaTavoleScacchi();
  }
  void TearDown() override {
    CaricaFinestraDiDialogo();
    FinestraDiDialogo(nullptr, 0);
    platform::install(nullptr);
  }

  void posizione(const char* fen) { ASSERT_EQ(NuovaPosizione(fen), 1) << fen; }

  // Plays the legal move da-a (promoting to the given type) and stores its
  // text as the game record would.
  void gioca(const char* da, const char* a, const char* testo, int promozione = 255) {
    for (auto* m = BufferMosseGenerate; m < FineMosseGenerate; ++m) {
      if (static_cast<int>(DaCasa(*m)) != casa(da) || static_cast<int>(ACasa(*m)) != casa(a))
        continue;
      int specie = static_cast<int>(SpecieMossa(*m));
      if (promozione != 255 && TipoPromozioneMossa[specie] != promozione) continue;
      ASSERT_EQ(TavolaFaiMossa()[specie](*m), 1);
      std::snprintf(ElencoStringaMossa[ContatoreMosse], 8, "%s", testo);
      GeneraMosseLegali();
      return;
    }
    FAIL() << "no legal move " << da << a;
  }

  // The description at verbosity 0, 1 and 2.
  std::string livello(int mdv) {
    ParametroIni[iniMDV].valore = mdv;
    char buffer[1024];
    LeggiStringaUltimaMossa(buffer);
    return buffer;
  }
};

TEST_F(UltimaMossaTest, FirstPawnMoveAtTheThreeLevelsAndLanguages) {
  posizione(FenIniziale);
  gioca("e2", "e4", "e4");
  EXPECT_EQ(livello(0), "white 1:  Echo 4");
  EXPECT_EQ(livello(1), "white 1:  pawn to Echo 4");
  EXPECT_EQ(livello(2), "white 1:  pawn from Echo 2 to Echo 4");
  ParametroIni[inilang].valore = 0;
  EXPECT_EQ(livello(1), "bianco 1:  pedone in Empoli 4");
  ParametroIni[inilang].valore = 2;
  EXPECT_EQ(livello(2), "blancas 1:  peon de Eva 2 a Eva 4");
}

TEST_F(UltimaMossaTest, PawnCaptureWithCheck) {
  posizione("4k3/8/8/4p3/3P4/4K3/8/8 b - - 0 1");
  gioca("e5", "d4", "exd4+");
  EXPECT_EQ(livello(0), "black 1:  pawn Echo captures Delta 4 check");
  EXPECT_EQ(livello(1), "black 1:  pawn from Echo captures the pawn on Delta 4 check");
  EXPECT_EQ(livello(2), "black 1:  pawn from Echo 5 captures the pawn on Delta 4 check");
  ParametroIni[inilang].valore = 2;
  EXPECT_EQ(livello(1), "negras 1:  peon de Eva captura el peon en David 4 jaque");
}

TEST_F(UltimaMossaTest, DisambiguationAsTheMoveTextCarriesIt) {
  posizione(FenIniziale);
  gioca("d2", "d4", "d4");
  gioca("d7", "d5", "d5");
  gioca("g1", "f3", "Nf3");
  gioca("g8", "f6", "Nf6");
  gioca("b1", "d2", "Nbd2");
  EXPECT_EQ(livello(0), "white 3:  knight Bravo Delta 2");
  EXPECT_EQ(livello(1), "white 3:  knight from Bravo to Delta 2");
  EXPECT_EQ(livello(2), "white 3:  knight from Bravo 1 to Delta 2");
  std::snprintf(ElencoStringaMossa[ContatoreMosse], 8, "%s", "Nd2");
  EXPECT_EQ(livello(0), "white 3:  knight Delta 2");
  EXPECT_EQ(livello(1), "white 3:  knight to Delta 2");
  std::snprintf(ElencoStringaMossa[ContatoreMosse], 8, "%s", "N1d2");
  EXPECT_EQ(livello(0), "white 3:  knight 1 Delta 2");
  EXPECT_EQ(livello(1), "white 3:  knight from 1 to Delta 2");
  std::snprintf(ElencoStringaMossa[ContatoreMosse], 8, "%s", "Nb1d2");
  EXPECT_EQ(livello(1), "white 3:  knight from Bravo 1 to Delta 2");
  gioca("e7", "e6", "e6");
  EXPECT_EQ(livello(0), "black 3:  Echo 6");
}

TEST_F(UltimaMossaTest, PromotionWithCheck) {
  posizione("8/4P3/8/8/k7/8/8/4K3 w - - 0 1");
  gioca("e7", "e8", "e8=Q+", 4);
  EXPECT_EQ(livello(0), "white 1:  Echo 8 queen check");
  EXPECT_EQ(livello(1), "white 1:  pawn to Echo 8 promoting to queen check");
  EXPECT_EQ(livello(2), "white 1:  pawn from Echo 7 to Echo 8 promoting to queen check");
}

TEST_F(UltimaMossaTest, PromotionCapturingAPiece) {
  posizione("5r1k/4P3/8/8/8/8/8/K7 w - - 0 1");
  gioca("e7", "f8", "exf8=N", 1);
  EXPECT_EQ(livello(0), "white 1:  pawn Echo captures Foxtrot 8 knight");
  EXPECT_EQ(livello(1),
            "white 1:  pawn from Echo captures the rook on Foxtrot 8 promoting to knight");
}

TEST_F(UltimaMossaTest, CastlingAtEveryLevel) {
  posizione("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
  gioca("e1", "g1", "O-O");
  for (int mdv = 0; mdv < 3; ++mdv) EXPECT_EQ(livello(mdv), "white 1:  kingside castling");
  gioca("e8", "c8", "O-O-O");
  EXPECT_EQ(livello(1), "black 1:  queenside castling");
  // The rook that castling moves is the piece that gives check.
  posizione("5k2/8/8/8/8/8/8/4K2R w K - 0 1");
  gioca("e1", "g1", "O-O+");
  EXPECT_EQ(livello(1), "white 1:  kingside castling check");
}

TEST_F(UltimaMossaTest, EnPassantAndMoveNumbersAfterABlackStart) {
  posizione("4k3/3p4/8/4P3/8/8/8/4K3 b - - 0 1");
  gioca("d7", "d5", "d5");
  EXPECT_EQ(livello(0), "black 1:  Delta 5");
  gioca("e5", "d6", "exd6");
  EXPECT_EQ(livello(0), "white 2:  pawn Echo captures en passant Delta 6");
  EXPECT_EQ(livello(1), "white 2:  pawn from Echo captures en passant on Delta 6");
  EXPECT_EQ(livello(2), "white 2:  pawn from Echo 5 captures en passant on Delta 6");
  ParametroIni[inilang].valore = 0;
  EXPECT_EQ(livello(1), "bianco 2:  pedone da Empoli cattura al varco in Domodossola 6");
}

TEST_F(UltimaMossaTest, DiscoveredAndDoubleCheck) {
  posizione("4k3/8/8/8/4N3/8/8/4R1K1 w - - 0 1");
  gioca("e4", "c3", "Nc3+");
  EXPECT_EQ(livello(1), "white 1:  knight to Charlie 3 discovered check");
  posizione("4k3/8/8/8/4N3/8/8/4R1K1 w - - 0 1");
  gioca("e4", "f6", "Nf6+");
  EXPECT_EQ(livello(1), "white 1:  knight to Foxtrot 6 double check");
  ParametroIni[inilang].valore = 0;
  EXPECT_EQ(livello(0), "bianco 1:  cavallo Firenze 6 doppio scacco");
}

TEST_F(UltimaMossaTest, ReadCommandSpeaksOrShows) {
  posizione(FenIniziale);
  AnunciaUltimaMossa();
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(fake.dialogs[0].caption, "Attention!");
  EXPECT_EQ(fake.dialogs[0].text, "Initial position");

  gioca("e2", "e4", "e4");
  AnunciaUltimaMossa();
  ASSERT_EQ(fake.dialogs.size(), 2u);
  EXPECT_EQ(fake.dialogs[1].caption, "Last move");
  EXPECT_EQ(fake.dialogs[1].text, "White 1:  pawn to Echo 4");

  canale_finto::installa(fake);
  AnunciaUltimaMossa();
  EXPECT_EQ(fake.dialogs.size(), 2u);
  EXPECT_EQ(canale_finto::ultimo(), "white 1:  pawn to Echo 4");
  EXPECT_TRUE(canale_finto::detti.back().interrotto);

  // Loaded with black to move, nothing played yet: still the initial position.
  posizione("4k3/3p4/8/4P3/8/8/8/4K3 b - - 0 1");
  AnunciaUltimaMossa();
  EXPECT_EQ(canale_finto::ultimo(), "initial position");
}

}  // namespace
