// Saves a short game with hostile names through the program itself, once per language, for
// the replay page test: the fake platform, the moves typed on the command line, Alt+S.
// usage: salva_partita_html OUT_DIR   writes OUT_DIR/{it,en,es}/html/files/script.js
#include <cstdio>
#include <filesystem>
#include <string>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "record/partita.h"
#include "ui/ciclo.h"

namespace {

// Names as a user may type or paste them: quotes, backslashes and markup.
const char* const kEvento = "Open \"Quoted\" \\ back</script><script>window.eseguito=1</script>";
const char* const kTurno = "<img src=x onerror=\"window.eseguito=2\">";
const char* const kNomeBianco = "Eve <img src=x onerror=alert(1)>";
const char* const kCognomeBianco = "Lovelace";
const char* const kNomeNero = "Mallory";
const char* const kCognomeNero = "</script>Brown\\";
const char* const kMosse[] = {"e4", "e5", "Nf3", "Nc6", "Bc4", "Nf6", "O-O", "Nxe4"};
const char* const kCodici[] = {"it", "en", "es"};

void Esegui(platform::FakeBackend& finto) {
  while (!finto.keys.empty()) CicloPrincipale();
}

bool Salva(const std::filesystem::path& cartella, int lingua) {
  std::filesystem::create_directories(cartella);
  std::filesystem::current_path(cartella);
  if (std::FILE* f = std::fopen("vantorel.ini", "w")) {
    std::fprintf(f, "$ lang %d\n$ AssistanceType 0\n", lingua);
    std::fclose(f);
  }
  platform::FakeBackend finto;  // every dialog takes its default answer
  platform::install(&finto);
  DefaultIni();
  inizializza();
  std::snprintf(StrEvent, sizeof StrEvent, "%s", kEvento);
  std::snprintf(StrRound, sizeof StrRound, "%s", kTurno);
  std::snprintf(StrWhiteNome, sizeof StrWhiteNome, "%s", kNomeBianco);
  std::snprintf(StrWhiteCognome, sizeof StrWhiteCognome, "%s", kCognomeBianco);
  std::snprintf(StrWhiteElo, sizeof StrWhiteElo, "2000");
  std::snprintf(StrBlackNome, sizeof StrBlackNome, "%s", kNomeNero);
  std::snprintf(StrBlackCognome, sizeof StrBlackCognome, "%s", kCognomeNero);
  std::snprintf(StrBlackElo, sizeof StrBlackElo, "1999");
  for (const char* mossa : kMosse) {
    finto.type(mossa);
    finto.press(VK_RETURN);
    Esegui(finto);
  }
  finto.alt('S');
  Esegui(finto);
  platform::install(nullptr);
  return PartitaSalvata == 1 && std::filesystem::exists("html/files/script.js");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT_DIR\n", argv[0]);
    return 2;
  }
  const std::filesystem::path uscita = std::filesystem::absolute(argv[1]);
  for (int lingua = 0; lingua < 3; ++lingua) {
    if (!Salva(uscita / kCodici[lingua], lingua)) {
      std::fprintf(stderr, "the game was not saved in %s\n", kCodici[lingua]);
      return 1;
    }
  }
  return 0;
}
