#include "tests/clock/ambiente_orologio.h"
#include "tests/core/verifica.h"

namespace orologio_test {
namespace {

using AggiudicaTest = AmbienteOrologio;

// Each question or report of a verdict (answered Yes), then the log's record of it.
TEST_F(AggiudicaTest, VerdictTextsInEachLanguage) {
  const struct {
    void (*azione)();
    const char* termination;  // the same in every language
    const char* testi[3];
  } casi[] = {
      {[] { Abbandona(0); },
       "Abandoned",
       {"Il bianco abbandona, aggiudicare la partita (0-1)? | 0-1 (il bianco abbandona)",
        "White resins, adjudicate the game (0-1)? | 0-1 (white resins)",
        "¿Las blancas abandonan, adjudicar el juego (0-1)? | 0-1 (las blancas abandonan)"}},
      {[] { Abbandona(1); },
       "Abandoned",
       {"Il nero abbandona, aggiudicare la partita (1-0)? | 1-0 (il nero abbandona)",
        "Black resins, adjudicate the game (1-0)? | 1-0 (black resins)",
        "¿Las negras abandonan, adjudicar el juego (1-0)? | 1-0 (las negras abandonan)"}},
      {[] { PattaDaccordo(); },
       "By agreement",
       {"Patta d'accordo, aggiudicare la partita (1/2-1/2)? | 1/2-1/2 (Patta d'accordo)",
        "Draw by agreement, adjudicate the game (1/2-1/2)? | 1/2-1/2 (Draw by agreement)",
        "¿Tablas de mutuo acuerdo, adjudicar el juego (1/2-1/2)? | 1/2-1/2 (Tablas de mutuo "
        "acuerdo)"}},
      {[] { AggiudicaDopoMossa(verdettoScaccoMatto); },
       "Checkmate",
       {"Scaccomatto, partita aggiudicata ( 1-0 ). | 1-0 (scaccomatto)",
        "Checkmate, game adjudicated ( 1-0 ). | 1-0 (checkmate)",
        "Jaque Mate, partida adjudicada ( 1-0 ). | 1-0 (jaque Mate)"}},
      {[] { AggiudicaDopoMossa(verdettoStallo); },
       "stalemate",
       {"Stallo, partita aggiudicata ( 1/2-1/2 ). | 1/2-1/2 (stallo)",
        "Stalemate, game adjudicated ( 1/2-1/2 ). | 1/2-1/2 (stalemate)",
        "Rey Ahogado, partida adjudicada ( 1/2-1/2 ). | 1/2-1/2 (rey Ahogado)"}},
      {[] { AggiudicaDopoMossa(verdettoMaterialeInsufficiente); },
       "insufficient material",
       {"Materiale insufficente, partita aggiudicata ( 1/2-1/2 ). | 1/2-1/2 (materiale "
        "insufficente)",
        "Insufficent material, game adjudicated ( 1/2-1/2 ). | 1/2-1/2 (insufficent material)",
        "Material insuficiente, partida adjudicada ( 1/2-1/2 ). | 1/2-1/2 (material "
        "insuficiente)"}},
      {[] { AggiudicaDopoMossa(verdetto50Mosse); },
       "Fifty-move rule",
       {"Aggiudicare la patta per la regola delle 50 mosse? | 1/2-1/2 (regola delle 50 mosse)",
        "Adjudicate draw according with 50 moves rule?? | 1/2-1/2 (50 moves rule)",
        "¿Adjudicar tablas de acuerdo a la regla de las 50 movidas? | 1/2-1/2 (regla de las 50 "
        "movidas)"}},
      {[] { AggiudicaDopoMossa(verdettoTripliceRipetizione); },
       "threefold repetition",
       {"Triplice ripetizione: aggiudicare la patta? | 1/2-1/2 (triplice ripetizione)",
        "Threefold repetition: adjudicate a draw? | 1/2-1/2 (threefold repetition)",
        "¿Triple repetición: adjudicar tablas? | 1/2-1/2 (triple repetición)"}},
      {[] { AggiudicaDopoMossa(verdettoQuintuplaRipetizione); },
       "fivefold repetition",
       {"Quintupla ripetizione, partita aggiudicata ( 1/2-1/2 ). | 1/2-1/2 (quintupla "
        "ripetizione)",
        "Fivefold repetition, game adjudicated ( 1/2-1/2 ). | 1/2-1/2 (fivefold repetition)",
        "Quíntuple repetición, partida adjudicada ( 1/2-1/2 ). | 1/2-1/2 (quíntuple "
        "repetición)"}},
      {[] { BandierinaCaduta(0); },
       "time forfeit",
       {"Cade la bandierina del bianco: aggiudicare la partita ( 0-1 )? | 0-1 (cade la "
        "bandierina del bianco)",
        "White's flag falls: adjudicate the game ( 0-1 )? | 0-1 (white's flag falls)",
        "Cae la bandera de las blancas: adjudicar el juego ( 0-1 )? | 0-1 (cae la bandera de "
        "las blancas)"}},
      {[] {
         NuovaPosizione("4k3/8/8/8/8/8/8/4K2Q w - - 0 1");  // a lone king cannot win
         BandierinaCaduta(0);
       },
       "time forfeit",
       {"Cade la bandierina del bianco, il nero non può vincere.\naggiudicare la partita ( "
        "1/2-1/2 )? | 1/2-1/2 (cade la bandierina del bianco)",
        "White's flag falls, black can not win.\nadjudicate the game ( 1/2-1/2 )? | 1/2-1/2 "
        "(white's flag falls)",
        "Cae la bandera de las blancas, las negras no pueden ganar.\n¿adjudicar el juego ( "
        "1/2-1/2 )? | 1/2-1/2 (cae la bandera de las blancas)"}},
      {[] {
         TempoRimasto[1] = 0;
         BandierinaCaduta(0);
       },
       "both flags fallen",
       {"Entrambe le bandierine cadute. \n aggiudicare la patta? | 1/2-1/2 (entrambe le "
        "bandierine cadute)",
        "Both flags fallen. \n adjudicate a draw? | 1/2-1/2 (both flags fallen)",
        "Ambas banderas caídas. \n ¿adjudicar tablas? | 1/2-1/2 (ambas banderas caídas)"}},
      // Without a comment the text starts at the words.
      {[] {
         Aggiudica("x", "", "0-1");
         dom_AggiudicataInMotoCMQ();
         dom_AggiudicataModificaCMQ();
       },
       "x",
       {"Partita aggiudicata ( 0-1 ).\nAnnullare l'aggiudicazione e avviare comunque "
        "l'orologio? | Partita aggiudicata ( 0-1 ).\nAnnullare l'aggiudicazione e modificare "
        "comunque la partita? | 0-1 ()",
        "Game adjudicated ( 0-1 ).\nReset the adjudgement and start the clock anyway? | Game "
        "adjudicated ( 0-1 ).\nReset the adjudgement and edit the game anyway? | 0-1 ()",
        "Partida adjudicada ( 0-1 ).\n¿Anular la adjudicación y poner en marcha el relój de "
        "todos modos? | Partida adjudicada ( 0-1 ).\n¿Anular la adjudicación y editar el juego "
        "de todos modos? | 0-1 ()"}},
  };
  for (const auto& c : casi) {
    for (int l = 0; l < 3; ++l) {
      ParametroIni[inilang].valore = l;
      ASSERT_EQ(NuovaPosizione(FenIniziale), 1);
      ContatoreMosse = 3;  // black to move: mated, white wins
      TempoRimasto[1] = 1000;
      RevocaAggiudicazione();
      fake.dialogs.clear();
      c.azione();
      std::string testo;
      for (const auto& d : Domande()) testo += d + " | ";
      EXPECT_EQ(testo + UltimoRecord->testo, c.testi[l]);
      EXPECT_STREQ(Termination, c.termination);
    }
  }
}

// A No leaves everything as it was; a Yes stops the clock and logs the verdict.
TEST_F(AggiudicaTest, ResignationAndAgreementAskFirst) {
  OrologioInMoto();
  for (int i = 0; i < 3; ++i) {
    fake.answer(IDNO);
    i < 2 ? Abbandona(i) : PattaDaccordo();
  }
  EXPECT_EQ(Domande().size(), 3u);
  EXPECT_STREQ(Result, "*");
  EXPECT_EQ(InMoto, 1);
  EXPECT_EQ(UltimoRecord->tipo, recNuovaPartita);
  PartitaSalvata = 1;
  Abbandona(1);
  EXPECT_STREQ(Result, "1-0");
  EXPECT_STREQ(Termination, "Abandoned");
  EXPECT_EQ(InMoto, 0);
  EXPECT_EQ(PartitaSalvata, 0);
  PattaDaccordo();  // replaces the earlier verdict
  EXPECT_STREQ(Termination, "By agreement");
  RevocaAggiudicazione();  // clears it and logs nothing
  EXPECT_STREQ(Result, "*");
  EXPECT_STREQ(Termination, "?");
  EXPECT_STREQ(CommentoRisultato, "");
  EXPECT_EQ(UltimoRecord->tipo, recPartitaAggiudicata);
}

// The rule verdicts are asked first, and a No records nothing; the others are reported in a box.
TEST_F(AggiudicaTest, VerdictsAfterAMove) {
  for (Verdetto v : {verdetto50Mosse, verdettoTripliceRipetizione}) {
    for (int risposta : {IDNO, IDYES}) {
      RevocaAggiudicazione();
      fake.answer(risposta);
      EXPECT_EQ(AggiudicaDopoMossa(v), risposta == IDYES);
      EXPECT_EQ(fake.dialogs.back().style, MB_YESNO);
      EXPECT_STREQ(Result, risposta == IDYES ? "1/2-1/2" : "*");
    }
  }
  ContatoreMosse = 4;  // white mated
  EXPECT_EQ(AggiudicaDopoMossa(verdettoScaccoMatto), 1);
  EXPECT_EQ(fake.dialogs.back().style, 64);
  EXPECT_STREQ(Result, "0-1");
}

struct BandierinaTest : AmbienteOrologio {
  // White to move with one second left; black with plenty.
  void Posizione(const char* fen) {
    ASSERT_EQ(NuovaPosizione(fen), 1);  // clears what an earlier test left
    ContatoreMosse = 0;
    TempoRimasto[0] = 1000;
    OrologioInMoto();
    fake.dialogs.clear();
  }
};

// A flag falls while the clock runs: the arbiter is asked once.
TEST_F(BandierinaTest, AFallenFlagIsPutToTheArbiter) {
  struct Caso {
    const char* fen;
    int nero_ms, risposta;
    const char *result, *termination;
  } casi[] = {
      {FenIniziale, 7200000, IDYES, "0-1", "time forfeit"},
      {"4k3/8/8/8/8/8/8/4K2Q w - - 0 1", 7200000, IDYES, "1/2-1/2", "time forfeit"},
      {"4k3/8/8/8/8/8/8/4K2Q w - - 0 1", 7200000, IDNO, "*", "?"},
      {FenIniziale, -3000, IDYES, "1/2-1/2", "both flags fallen"},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.result);
    FermaOrologio();
    Nuova();
    RevocaAggiudicazione();
    Posizione(c.fen);
    TempoRimasto[1] = c.nero_ms;
    fake.answer(c.risposta);
    Attende(1500);
    EXPECT_EQ(Domande().size(), 1u);
    EXPECT_STREQ(Result, c.result);
    EXPECT_STREQ(Termination, c.termination);
    EXPECT_EQ(InMoto, c.risposta == IDNO);
  }
}

TEST_F(BandierinaTest, DecliningKeepsTheClockRunningAndDoesNotAskAgain) {
  Posizione(FenIniziale);
  fake.answer(IDNO);
  Attende(6500);
  EXPECT_EQ(fake.dialogs.size(), 1u);
  EXPECT_EQ(InMoto, 1);
  EXPECT_EQ(Orologio(0), "-00:00:05");
  FermaOrologio();
  Nuova();
  Posizione(FenIniziale);
  Muove(0);  // black's flag, once black is to move
  TempoRimasto[1] = 500;
  Attende(600);
  EXPECT_EQ(Domande().back(), "Black's flag falls: adjudicate the game ( 1-0 )?");
  EXPECT_STREQ(Result, "1-0");
}

// The loop held up past zero, as by a question left open: the flag still falls, once.
TEST_F(BandierinaTest, AFlagFallsWhenTheLoopStepsOverZero) {
  Posizione(FenIniziale);
  fake.answer(IDNO);
  fake.advance(2500);
  Attende(3000);
  EXPECT_EQ(Domande(),
            std::vector<std::string>{"White's flag falls: adjudicate the game ( 0-1 )?"});
  EXPECT_EQ(Orologio(0), "-00:00:04");
}

struct RitiraTest : AmbienteOrologio {
  void SetUp() override {
    AmbienteOrologio::SetUp();
    ASSERT_EQ(NuovaPosizione(FenIniziale), 1);
    ContatoreMosse = 0;
  }
  // Plays a legal move and records its text.
  void Gioca(const char* uci, const char* testo) {
    const std::uint64_t m = Parola(uci);
    ASSERT_EQ(TavolaFaiMossa()[SpecieMossa(m) & 63](m), 1);
    std::snprintf(ElencoStringaMossa[ContatoreMosse], 8, "%s", testo);
    GeneraMosseLegali();
  }
};

// Refused while the clock runs, asked in an adjudicated game.
TEST_F(RitiraTest, TakingBackRestoresThePositionAndLogsTheMove) {
  Gioca("e2e4", "e4");
  Gioca("e7e5", "e5");
  fake.tones.clear();
  comando_RitiraUltimaMossa();
  EXPECT_EQ(ContatoreMosse, 1u);
  EXPECT_NE(PezzoIn[12], CasaVuota);  // the black pawn is back on e7
  EXPECT_EQ(PezzoIn[28], CasaVuota);
  EXPECT_EQ(UltimoRecord->tipo, recMossaRitirata);
  EXPECT_STREQ(UltimoRecord->testo, "e5");
  ASSERT_EQ(fake.tones.size(), 3u);
  EXPECT_EQ(fake.tones[1].hz, 50000);
  EXPECT_EQ(TempoRimasto[0], 7200000);  // times are not changed
  comando_RitiraUltimaMossa();
  comando_RitiraUltimaMossa();
  EXPECT_EQ(ContatoreMosse, 0u);
  EXPECT_EQ(Domande().back(),
            "Current position is the initial one: there is no move to take back.");
  Gioca("e2e4", "e4");
  OrologioInMoto();
  comando_RitiraUltimaMossa();
  EXPECT_EQ(Domande().back(), "In order to take back a move, you must first stop the clock.");
  EXPECT_EQ(ContatoreMosse, 1u);
  FermaOrologio();
  Aggiudica("Abandoned", "black resins", "1-0");
  for (int risposta : {IDNO, IDYES}) {
    fake.answer(risposta);
    comando_RitiraUltimaMossa();
    EXPECT_EQ(ContatoreMosse, risposta == IDNO ? 1u : 0u);
    EXPECT_STREQ(Result, risposta == IDNO ? "1-0" : "*");
  }
  EXPECT_STREQ(Termination, "?");
}

}  // namespace
}  // namespace orologio_test
