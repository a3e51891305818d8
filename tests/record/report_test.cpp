#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "clock/appunti_file.h"
#include "record/firma.h"
#include "record/report.h"
#include "record/salvataggio.h"
#include "speech/annuncio.h"
#include "tests/record/ambiente_registro.h"

namespace {

using ReportTest = AmbienteRegistro;

TEST(Firma, SipHashReferenceVectors) {
  // The published SipHash-2-4 vectors: key 00 01 .. 0f, message 00 01 .. (n - 1).
  const std::uint64_t k0 = 0x0706050403020100ull, k1 = 0x0f0e0d0c0b0a0908ull;
  std::string m;
  for (int i = 0; i < 16; ++i) m += static_cast<char>(i);
  EXPECT_EQ(SipHash24(k0, k1, ""), 0x726fdb47dd0e0e31ull);
  EXPECT_EQ(SipHash24(k0, k1, m.substr(0, 1)), 0x74f839c593dc67fdull);
  EXPECT_EQ(SipHash24(k0, k1, m.substr(0, 8)), 0x93f5f5799a932462ull);
  EXPECT_EQ(SipHash24(k0, k1, m.substr(0, 15)), 0xa129ca6149be45e5ull);
}

// A log of a few events, as written.
std::string LogDiProva() {
  InserisciNuovoRecord(recOrologioInMoto, nullptr);
  AmbienteRegistro::GiocaTutte({"e4"});
  InserisciNuovoRecord(recMossaInserita, "e4");
  InserisciNuovoRecord(recMossaInserita, "e5");
  return TestoReport();
}

TEST_F(ReportTest, TheLogAsWrittenIsAuthenticAndEverySingleByteEditIsCaught) {
  std::string log = LogDiProva();
  ASSERT_TRUE(ReportAutentico(log));
  std::size_t fine = log.find('|', 1);
  ASSERT_NE(fine, std::string::npos);
  int fallite = 0, prove = 0;
  for (std::size_t i = 1; i < fine; ++i) {
    for (int delta : {1, 0x20, 0x40, 0x80}) {
      std::string t = log;
      t[i] = static_cast<char>(t[i] ^ delta);
      if (t[i] == '|' || (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n')) continue;
      ++prove;
      if (!ReportAutentico(t)) ++fallite;
    }
  }
  EXPECT_EQ(fallite, prove);
  EXPECT_GT(prove, 200);
}

TEST_F(ReportTest, EditsTheOldSignatureMissed) {
  std::string log = LogDiProva();
  std::size_t e4 = log.find("e4");
  ASSERT_NE(e4, std::string::npos);
  std::string t = log;
  t[e4] = '%';  // the same low six bits as "e"
  EXPECT_FALSE(ReportAutentico(t));
  // Two bytes twelve apart swapped: the same key slot under the old scheme.
  std::size_t fine = log.find('|', 1);
  int provate = 0;
  for (std::size_t i = 1; i + 12 < fine; ++i) {
    if (log[i] == log[i + 12]) continue;
    t = log;
    std::swap(t[i], t[i + 12]);
    ++provate;
    EXPECT_FALSE(ReportAutentico(t)) << "swap at " << i;
  }
  EXPECT_GT(provate, 50);
  // The same byte added twice at twelve bytes' distance.
  t = log;
  t.insert(fine, "xxxxxxxxxxxxx");
  EXPECT_FALSE(ReportAutentico(t));
}

TEST_F(ReportTest, WhatValidatesAroundTheSignature) {
  std::string log = LogDiProva();
  std::string crlf;
  for (char c : log) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  std::size_t riga = log.find("Vantorel file signature: ");
  ASSERT_NE(riga, std::string::npos);
  std::string esadecimale = log.substr(riga + 25);
  esadecimale.pop_back();  // the line feed
  std::string maiuscolo = esadecimale;
  for (char& c : maiuscolo) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::string prima = log.substr(0, riga + 25);
  struct Caso {
    std::string testo;
    bool autentico;
  };
  const std::vector<Caso> casi = {
      {log, true},
      {crlf, true},
      {prima + maiuscolo + "\n", true},
      {log + "\n\n  \n", true},
      {log.substr(0, log.size() - 1), true},  // no final line feed
      {log + "one more line\n", false},
      {prima + "0x" + esadecimale + "\n", false},
      {prima + "+" + esadecimale + "\n", false},
      {prima + "0" + esadecimale + "\n", esadecimale.size() < 16},
      {prima + std::string(17 - esadecimale.size(), '0') + esadecimale + "\n", false},
      {prima + "\n", false},
      {prima + esadecimale + "g\n", false},
      {log.substr(1), false},                       // no opening mark
      {log.substr(0, log.find('|', 1)), false},     // no closing mark
      {"", false},
  };
  for (std::size_t i = 0; i < casi.size(); ++i)
    EXPECT_EQ(ReportAutentico(casi[i].testo), casi[i].autentico) << "case " << i;
}

TEST_F(ReportTest, LayoutInEachLanguage) {
  // 2026-01-01 00:00:00 UTC; the clock stamps come from the fake tick.
  fake.now_ms = 1'767'225'600'000;
  fake.tick = 1000;
  InizializzaInfoPartita();
  fake.advance(5000);
  InserisciNuovoRecord(recOrologioInMoto, nullptr);
  fake.advance(12'001);
  InserisciNuovoRecord(recMossaInserita, "e4");
  InserisciNuovoRecord(recMossaInserita, "e5");  // the same millisecond
  fake.advance(1);
  InserisciNuovoRecord(recPartitaIncollata, "(2 plies)");
  fake.advance(61'000);
  InserisciNuovoRecord(recPartitaAggiudicata, "1-0 (black resigns)");
  TempoVisualizzato[0] = 3665;
  TempoVisualizzato[1] = 0;
  // The new game's text is written when the game is created (in English
  // here); everything else follows the language of the moment.
  const char* attesi[3] = {
      "|\nnuova partita on 2026.01.01 at 00:00:00"
      "\ndopo 5 secondi: orologio in moto"
      "\ndopo 13 secondi: inserita la mossa e4"
      "\ndopo 0 secondi: inserita la mossa e5"
      "\n\tpartita incollata (2 plies)"
      "\ndopo un minuto, un secondo: partita aggiudicata 1-0 (black resigns)"
      "\nultimo salvataggio il 2026.01.01 alle 00:01:18"
      "\n\tbianco: un ora , un minuto, 5 secondi\n\tnero: 0 secondi\n|\n",
      "|\nnew game on 2026.01.01 at 00:00:00"
      "\nafter 5 seconds: clock started"
      "\nafter 13 seconds: inserted the move e4"
      "\nafter 0 seconds: inserted the move e5"
      "\n\tgame pasted (2 plies)"
      "\nafter one minute, one second: game adjudicated 1-0 (black resigns)"
      "\nlast save on 2026.01.01 at 00:01:18"
      "\n\twhite: one hour , one minute, 5 seconds\n\tblack: 0 seconds\n|\n",
      "|\nnuevo juego on 2026.01.01 at 00:00:00"
      "\ndespues de 5 segundos: relój en marcha"
      "\ndespues de 13 segundos: insertada la jugada e4"
      "\ndespues de 0 segundos: insertada la jugada e5"
      "\n\tjuego pegado (2 plies)"
      "\ndespues de un minuto, un segundo: partida adjudicada 1-0 (black resigns)"
      "\núltimo guardado el 2026.01.01 a las 00:01:18"
      "\n\tblancas: una hora , un minuto, 5 segundos\n\tnegras: 0 segundos\n|\n",
  };
  for (int l = 0; l < 3; ++l) {
    ParametroIni[inilang].valore = l;
    std::string log = TestoReport();
    std::size_t firma = log.find("Vantorel file signature: ");
    ASSERT_NE(firma, std::string::npos);
    EXPECT_EQ(log.substr(0, firma), attesi[l]) << "language " << l;
    EXPECT_TRUE(ReportAutentico(log));
    // The file on disk is the text written at the last event; the language
    // changes with the next one.
    SalvaReport();
    EXPECT_EQ(LeggiFile(FileReport), log);
  }
}

TEST_F(ReportTest, AThousandRecordsAreWrittenInALoop) {
  for (int i = 0; i < 3000; ++i) AggiungiRecord(recOrologioInMoto, nullptr);
  std::string log = TestoReport();
  // One line per record (the new game's too), the save, two times, the marks, the signature.
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3001 + 1 + 2 + 2 + 1);
  EXPECT_TRUE(ReportAutentico(log));
}

// The file copied in the file manager, through the clipboard.
struct VerificaTest : ReportTest {
  void Copia(const std::string& percorso) {
    fake.copied_files = std::vector<std::string>{percorso};
  }
  std::string Verdetto() {
    fake.dialogs.clear();
    comando_VerificaReport();
    return fake.dialogs.empty() ? "" : fake.dialogs.back().text;
  }
};

TEST_F(VerificaTest, VerdictsInEachLanguage) {
  LogDiProva();
  SalvaReport();
  std::string percorso = (cartella.percorso() / FileReport).string();
  std::ofstream(cartella.percorso() / "cambiato.txt") << "|x|\nVantorel file signature: 1\n";
  const char* validi[3] = {"è un autentico file log di Vantorel.",
                           "is an authentic Vantorel log file.",
                           "es un auténtico archivo de registro de Vantorel."};
  const char* non_validi[3] = {
      "non è un file log generato da Vantorel, oppure è stato modificato.",
      "is not a log file generated by Vantorel, or has been modified.",
      "no es un archivo de registro generado por Vantorel, o ha sido modificado."};
  for (int l = 0; l < 3; ++l) {
    ParametroIni[inilang].valore = l;
    Copia(percorso);
    EXPECT_EQ(Verdetto(), percorso + "\n" + validi[l]);
    EXPECT_EQ(fake.dialogs.back().style, 64);
    std::string altro = (cartella.percorso() / "cambiato.txt").string();
    Copia(altro);
    EXPECT_EQ(Verdetto(), altro + "\n" + non_validi[l]);
  }
  ParametroIni[inilang].valore = 1;
  Copia((cartella.percorso() / "missing.txt").string());
  EXPECT_EQ(Verdetto(), "Unable to read the file " +
                            (cartella.percorso() / "missing.txt").string() + ".");
}

TEST_F(VerificaTest, TheClipboardsThreeMessagesInEachLanguage) {
  struct Caso {
    std::optional<std::vector<std::string>> file;
    const char* testi[3];
  };
  const Caso casi[] = {
      {std::nullopt,
       {"Non riesco a leggere gli appunti.", "Unable to read the clipboard.",
        "No se puede leer el portapapeles."}},
      {std::vector<std::string>{"/a", "/b"},
       {"Negli appunti c'è più di un file.\nSi può leggere un solo file alla volta.",
        "The clipboard has more than one file.\nOnly one file can be read at a time.",
        "El portapapeles contiene más de un archivo.\nSolo se puede leer un archivo a la vez."}},
      {std::vector<std::string>{},
       {"Il file non è stato trovato negli appunti.", "The file was not found on the clipboard.",
        "No se encontró el archivo en el portapapeles."}},
  };
  for (const Caso& c : casi)
    for (int l = 0; l < 3; ++l) {
      ParametroIni[inilang].valore = l;
      fake.copied_files = c.file;
      std::string percorso = "unchanged";
      fake.dialogs.clear();
      EXPECT_EQ(LeggiNomeFileNegliAppunti(percorso), 0);
      EXPECT_EQ(percorso, "unchanged");
      ASSERT_EQ(fake.dialogs.size(), 1u);
      EXPECT_EQ(fake.dialogs[0].text, c.testi[l]);
    }
  fake.copied_files = std::vector<std::string>{"/home/anna/log/a b.txt"};
  std::string percorso;
  EXPECT_EQ(LeggiNomeFileNegliAppunti(percorso), 22);
  EXPECT_EQ(percorso, "/home/anna/log/a b.txt");
}

TEST_F(ReportTest, ALogThatCannotBeWrittenIsReportedOnceAndTheGameGoesOn) {
  std::filesystem::remove_all("log");
  std::ofstream("log") << "in the way";
  fake.dialogs.clear();
  InserisciNuovoRecord(recOrologioInMoto, nullptr);
  ASSERT_EQ(fake.dialogs.size(), 1u);
  EXPECT_NE(fake.dialogs[0].text.find("Unable to write the file " + std::string(FileReport)),
            std::string::npos);
  InserisciNuovoRecord(recOrologioFermato, nullptr);
  EXPECT_EQ(fake.dialogs.size(), 1u);  // the same failure is not repeated at every event
  std::filesystem::remove("log");
  InserisciNuovoRecord(recOrologioInMoto, nullptr);
  EXPECT_TRUE(ReportAutentico(LeggiFile(FileReport)));
  EXPECT_EQ(fake.dialogs.size(), 1u);
}

}  // namespace
