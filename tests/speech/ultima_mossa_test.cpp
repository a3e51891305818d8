#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

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

struct UltimaMossaTest : canale_finto::AmbienteParlato {
  void SetUp() override {
    AmbienteParlato::SetUp();
    InizializzaTavoleScacchi();
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
  // Moves as "e7e8q:e8=Q+": from, to, promotion, then the text recorded.
  void gioca(const std::vector<std::string>& mosse) {
    for (const auto& m : mosse) {
      const auto due_punti = m.find(':');
      const int promozione = due_punti == 5 ? (m[4] == 'q' ? 4 : 1) : 255;
      gioca(m.substr(0, 2).c_str(), m.substr(2, 2).c_str(), m.substr(due_punti + 1).c_str(),
            promozione);
    }
  }
  std::string livello(int mdv) {
    ParametroIni[iniMDV].valore = mdv;
    char buffer[1024];
    LeggiStringaUltimaMossa(buffer);
    return buffer;
  }
};

TEST_F(UltimaMossaTest, DescriptionsAtEachLevelAndLanguage) {
  const char* kEp = "4k3/3p4/8/4P3/8/8/8/4K3 b - - 0 1";
  const char* kScoperto = "4k3/8/8/8/4N3/8/8/4R1K1 w - - 0 1";
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
      {FenIniziale, {"e2e4:e4"}, 1, 1, "white 1:  pawn to Echo 4"},
      {FenIniziale, {"e2e4:e4"}, 1, 2, "white 1:  pawn from Echo 2 to Echo 4"},
      {FenIniziale, {"e2e4:e4"}, 0, 1, "bianco 1:  pedone in Empoli 4"},
      {FenIniziale, {"e2e4:e4"}, 2, 2, "blancas 1:  peon de Eva 2 a Eva 4"},
      {"4k3/8/8/4p3/3P4/4K3/8/8 b - - 0 1", {"e5d4:exd4+"}, 1, 0,
       "black 1:  pawn Echo captures Delta 4 check"},
      {"4k3/8/8/4p3/3P4/4K3/8/8 b - - 0 1", {"e5d4:exd4+"}, 1, 1,
       "black 1:  pawn from Echo captures the pawn on Delta 4 check"},
      {"4k3/8/8/4p3/3P4/4K3/8/8 b - - 0 1", {"e5d4:exd4+"}, 1, 2,
       "black 1:  pawn from Echo 5 captures the pawn on Delta 4 check"},
      {"4k3/8/8/4p3/3P4/4K3/8/8 b - - 0 1", {"e5d4:exd4+"}, 2, 1,
       "negras 1:  peon de Eva captura el peon en David 4 jaque"},
      // Disambiguation as the move text carries it.
      {FenIniziale, con("b1d2:Nbd2"), 1, 0, "white 3:  knight Bravo Delta 2"},
      {FenIniziale, con("b1d2:Nbd2"), 1, 1, "white 3:  knight from Bravo to Delta 2"},
      {FenIniziale, con("b1d2:Nbd2"), 1, 2, "white 3:  knight from Bravo 1 to Delta 2"},
      {FenIniziale, con("b1d2:Nd2"), 1, 0, "white 3:  knight Delta 2"},
      {FenIniziale, con("b1d2:Nd2"), 1, 1, "white 3:  knight to Delta 2"},
      {FenIniziale, con("b1d2:N1d2"), 1, 0, "white 3:  knight 1 Delta 2"},
      {FenIniziale, con("b1d2:N1d2"), 1, 1, "white 3:  knight from 1 to Delta 2"},
      {FenIniziale, con("b1d2:Nb1d2"), 1, 1, "white 3:  knight from Bravo 1 to Delta 2"},
      {"8/4P3/8/8/k7/8/8/4K3 w - - 0 1", {"e7e8q:e8=Q+"}, 1, 0, "white 1:  Echo 8 queen check"},
      {"8/4P3/8/8/k7/8/8/4K3 w - - 0 1", {"e7e8q:e8=Q+"}, 1, 1,
       "white 1:  pawn to Echo 8 promoting to queen check"},
      {"8/4P3/8/8/k7/8/8/4K3 w - - 0 1", {"e7e8q:e8=Q+"}, 1, 2,
       "white 1:  pawn from Echo 7 to Echo 8 promoting to queen check"},
      {"5r1k/4P3/8/8/8/8/8/K7 w - - 0 1", {"e7f8n:exf8=N"}, 1, 0,
       "white 1:  pawn Echo captures Foxtrot 8 knight"},
      {"5r1k/4P3/8/8/8/8/8/K7 w - - 0 1", {"e7f8n:exf8=N"}, 1, 1,
       "white 1:  pawn from Echo captures the rook on Foxtrot 8 promoting to knight"},
      {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", {"e1g1:O-O"}, 1, 0, "white 1:  kingside castling"},
      {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", {"e1g1:O-O"}, 1, 2, "white 1:  kingside castling"},
      {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", {"e1g1:O-O", "e8c8:O-O-O"}, 1, 1,
       "black 1:  queenside castling"},
      // The rook that castling moves is the piece that gives check.
      {"5k2/8/8/8/8/8/8/4K2R w K - 0 1", {"e1g1:O-O+"}, 1, 1, "white 1:  kingside castling check"},
      {kEp, {"d7d5:d5"}, 1, 0, "black 1:  Delta 5"},
      {kEp, {"d7d5:d5", "e5d6:exd6"}, 1, 0, "white 2:  pawn Echo captures en passant Delta 6"},
      {kEp, {"d7d5:d5", "e5d6:exd6"}, 1, 1,
       "white 2:  pawn from Echo captures en passant on Delta 6"},
      {kEp, {"d7d5:d5", "e5d6:exd6"}, 1, 2,
       "white 2:  pawn from Echo 5 captures en passant on Delta 6"},
      {kEp, {"d7d5:d5", "e5d6:exd6"}, 0, 1,
       "bianco 2:  pedone da Empoli cattura al varco in Domodossola 6"},
      {kScoperto, {"e4c3:Nc3+"}, 1, 1, "white 1:  knight to Charlie 3 discovered check"},
      {kScoperto, {"e4f6:Nf6+"}, 1, 1, "white 1:  knight to Foxtrot 6 double check"},
      {kScoperto, {"e4f6:Nf6+"}, 0, 0, "bianco 1:  cavallo Firenze 6 doppio scacco"},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.atteso);
    posizione(c.fen);
    gioca(c.mosse);
    ParametroIni[inilang].valore = c.lingua;
    EXPECT_EQ(livello(c.livello), c.atteso);
  }
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
