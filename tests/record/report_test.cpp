#include "record/report.h"

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "clock/appunti_file.h"
#include "record/firma.h"
#include "record/salvataggio.h"
#include "tests/record/ambiente_registro.h"

namespace {

using ReportTest = AmbienteRegistro;

TEST(Firma, SipHashReferenceVectors) {
  // The published SipHash-2-4 vectors: key 00 01 .. 0f, message 00 01 .. (n - 1).
  std::string m;
  for (int i = 0; i < 16; ++i) m += static_cast<char>(i);
  const std::pair<std::size_t, std::uint64_t> casi[] = {{0, 0x726fdb47dd0e0e31ull},
                                                        {1, 0x74f839c593dc67fdull},
                                                        {8, 0x93f5f5799a932462ull},
                                                        {15, 0xa129ca6149be45e5ull}};
  for (const auto& [n, h] : casi)
    EXPECT_EQ(SipHash24(0x0706050403020100ull, 0x0f0e0d0c0b0a0908ull, m.substr(0, n)), h) << n;
}

// A log of a few events, as written.
std::string LogDiProva() {
  InserisciNuovoRecord(recOrologioInMoto, nullptr);
  AmbienteRegistro::GiocaTutte({"e4"});
  InserisciNuovoRecord(recMossaInserita, "e4");
  InserisciNuovoRecord(recMossaInserita, "e5");
  return TestoReport();
}

TEST_F(ReportTest, WhatValidatesAroundTheSignature) {
  const std::string log = LogDiProva();
  std::string crlf;
  for (char c : log) crlf += c == '\n' ? "\r\n" : std::string(1, c);
  const std::size_t riga = log.find("Vantorel file signature: ");
  ASSERT_NE(riga, std::string::npos);
  const std::string prima = log.substr(0, riga + 25);
  const std::string hex = log.substr(riga + 25, log.size() - riga - 26);
  std::string maiuscolo = hex;
  for (char& c : maiuscolo) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::pair<std::string, bool> casi[] = {
      {log, true},
      {crlf, true},
      {prima + maiuscolo + "\n", true},
      {log + "\n\n  \n", true},
      {log.substr(0, log.size() - 1), true},  // no final line feed
      {log + "one more line\n", false},
      {std::string(log).replace(log.find("e4"), 1, "%"), false},  // the low six bits of "e"
      {prima + "0x" + hex + "\n", false},
      {prima + "0" + hex + "\n", hex.size() < 16},
      {prima + std::string(17 - hex.size(), '0') + hex + "\n", false},
      {prima + "\n", false},
      {log.substr(1), false},                    // no opening mark
      {log.substr(0, log.find('|', 1)), false},  // no closing mark
      {"", false},
  };
  for (std::size_t i = 0; i < std::size(casi); ++i)
    EXPECT_EQ(ReportAutentico(casi[i].first), casi[i].second) << "case " << i;
}

TEST_F(ReportTest, LayoutInEachLanguage) {
  fake.now_ms = 1'767'225'600'000;  // 2026-01-01 00:00:00 UTC; clock stamps from the fake tick
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
  // The new game's text is written when the game is created (in English here); everything
  // else follows the language of the moment.
  const char* attesi[3] = {
      "|\nnuova partita on 2026.01.01 at 00:00:00\ndopo 5 secondi: orologio in moto"
      "\ndopo 13 secondi: inserita la mossa e4\ndopo 0 secondi: inserita la mossa e5"
      "\n\tpartita incollata (2 plies)"
      "\ndopo un minuto, un secondo: partita aggiudicata 1-0 (black resigns)"
      "\nultimo salvataggio il 2026.01.01 alle 00:01:18"
      "\n\tbianco: un ora , un minuto, 5 secondi\n\tnero: 0 secondi\n|\n",
      "|\nnew game on 2026.01.01 at 00:00:00\nafter 5 seconds: clock started"
      "\nafter 13 seconds: inserted the move e4\nafter 0 seconds: inserted the move e5"
      "\n\tgame pasted (2 plies)"
      "\nafter one minute, one second: game adjudicated 1-0 (black resigns)"
      "\nlast save on 2026.01.01 at 00:01:18"
      "\n\twhite: one hour , one minute, 5 seconds\n\tblack: 0 seconds\n|\n",
      "|\nnuevo juego on 2026.01.01 at 00:00:00\ndespues de 5 segundos: relój en marcha"
      "\ndespues de 13 segundos: insertada la jugada e4"
      "\ndespues de 0 segundos: insertada la jugada e5\n\tjuego pegado (2 plies)"
      "\ndespues de un minuto, un segundo: partida adjudicada 1-0 (black resigns)"
      "\núltimo guardado el 2026.01.01 a las 00:01:18"
      "\n\tblancas: una hora , un minuto, 5 segundos\n\tnegras: 0 segundos\n|\n",
  };
  for (int l = 0; l < 3; ++l) {
    ParametroIni[inilang].valore = l;
    const std::string log = TestoReport();
    EXPECT_EQ(log.substr(0, log.find("Vantorel file signature: ")), attesi[l]) << l;
    EXPECT_TRUE(ReportAutentico(log));
  }
}

// The file to check is the one copied in the file manager, through the clipboard.
TEST_F(ReportTest, VerdictsAndClipboardMessagesInEachLanguage) {
  LogDiProva();
  SalvaReport();
  const std::string buono = (cartella.percorso() / FileReport).string();
  const std::string cambiato = (cartella.percorso() / "cambiato.txt").string();
  std::ofstream(cambiato) << "|x|\nVantorel file signature: 1\n";
  using File = std::optional<std::vector<std::string>>;
  struct {
    File file;
    std::string testi[3];
  } casi[] = {
      {File{{buono}},
       {buono + "\nè un autentico file log di Vantorel.",
        buono + "\nis an authentic Vantorel log file.",
        buono + "\nes un auténtico archivo de registro de Vantorel."}},
      {File{{cambiato}},
       {cambiato + "\nnon è un file log generato da Vantorel, oppure è stato modificato.",
        cambiato + "\nis not a log file generated by Vantorel, or has been modified.",
        cambiato + "\nno es un archivo de registro generado por Vantorel, o ha sido modificado."}},
      {std::nullopt,
       {"Non riesco a leggere gli appunti.", "Unable to read the clipboard.",
        "No se puede leer el portapapeles."}},
      {File{{"/a", "/b"}},
       {"Negli appunti c'è più di un file.\nSi può leggere un solo file alla volta.",
        "The clipboard has more than one file.\nOnly one file can be read at a time.",
        "El portapapeles contiene más de un archivo.\nSolo se puede leer un archivo a la vez."}},
      {File{std::vector<std::string>{}},
       {"Il file non è stato trovato negli appunti.", "The file was not found on the clipboard.",
        "No se encontró el archivo en el portapapeles."}},
  };
  for (const auto& c : casi)
    for (int l = 0; l < 3; ++l) {
      ParametroIni[inilang].valore = l;
      fake.copied_files = c.file;
      fake.dialogs.clear();
      comando_VerificaReport();
      ASSERT_EQ(fake.dialogs.size(), 1u) << c.testi[l];
      EXPECT_EQ(fake.dialogs[0].text, c.testi[l]);
    }
  ParametroIni[inilang].valore = 1;
  const std::string assente = (cartella.percorso() / "missing.txt").string();
  fake.copied_files = File{{assente}};
  comando_VerificaReport();
  EXPECT_EQ(fake.dialogs.back().text, "Unable to read the file " + assente + ".");
}

}  // namespace
