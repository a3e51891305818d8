// Saves a short game with hostile names through the program itself, once per language, for
// the replay page test: the fake platform, the moves typed on the command line, Alt+S.
// usage: salva_partita_html OUT_DIR   writes OUT_DIR/{it,en,es}/html/files/script.js
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

#include "config/ini.h"
#include "platform/fake/fake_backend.h"
#include "record/partita.h"
#include "ui/ciclo.h"

namespace {

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
  // Names as a user may type or paste them: quotes, backslashes and markup.
  const std::pair<char*, const char*> campi[] = {
      {StrEvent, "Open \"Quoted\" \\ back</script><script>window.eseguito=1</script>"},
      {StrRound, "<img src=x onerror=\"window.eseguito=2\">"},
      {StrWhiteNome, "Eve <img src=x onerror=alert(1)>"}, {StrWhiteCognome, "Lovelace"},
      {StrWhiteElo, "2000"}, {StrBlackNome, "Mallory"}, {StrBlackCognome, "</script>Brown\\"},
      {StrBlackElo, "1999"}};
  for (const auto& [campo, valore] : campi) std::snprintf(campo, LunghezzaCampoInfo, "%s", valore);
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
