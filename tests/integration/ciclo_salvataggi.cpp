// Saves through the program's own writers in a loop, for a script that kills it
// at random moments, and checks what a kill left on disk: every file must be
// one whole version the loop writes, byte for byte, and read back as the
// program reads it.
//   ciclo_salvataggi scrivi DIR N   versions 0, 1, ... cyclically, N saves (0: for ever)
//   ciclo_salvataggi verifica DIR   prints the version of each file; 1 if one is not whole
// A version is a game of v+1 plies (move list, PGN, replay script, log), the
// settings with a first period of v+1 minutes, and a book whose one line was
// seen v+1 times.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "book/costruttore_libro.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fen.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "platform/fake/fake_backend.h"
#include "record/partita.h"
#include "record/report.h"
#include "record/salvataggio.h"
#include "record/scrittura_atomica.h"
#include "tests/ui/partita_lunga.h"

namespace {

namespace fs = std::filesystem;

constexpr int kVersioni = 16;
const char* const kLibro = "ciclo.vobf";

std::vector<std::string> FileScritti() {
  return {PercorsoListaMosse(), NomePartita, PercorsoScriptHtml(), FileReport, NomeFileIni, kLibro};
}

std::string Leggi(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// Writes version v into the working directory; true when every file was written.
bool ScriviVersione(int v) {
  NuovaPosizione(FenIniziale);
  SvuotaListaRecord();
  AggiungiRecord(recNuovaPartita, "ciclo");
  if (!GiocaCavalliAvantiEIndietro(v + 1)) return false;
  for (unsigned i = 0; i < ContatoreMosse; ++i)
    AggiungiRecord(recMossaInserita, ElencoStringaMossa[i]);
  ParametroIni[iniP1T].valore = v + 1;
  const std::vector<NodoLibro> libro = {
      {static_cast<std::uint32_t>(Mossa(62, 45, 5)), 0, 0, static_cast<std::uint32_t>(v + 1)}};
  const bool partita = SalvaPartita() == 1;
  const bool ini = ScriviIni() == 1;
  return ScriviLibro(kLibro, libro) && partita && ini;
}

// Whether the files read back as the program reads them.
const char* NonSiRilegge(const std::string& file, const std::string& testo) {
  if (file == FileReport && !ReportAutentico(testo)) return "the log does not validate";
  if (file == NomeFileIni) {
    DefaultIni();
    LeggiIniInSilenzio();
    if (ParametroIni[iniP1T].valore < 1 || ParametroIni[iniP1T].valore > kVersioni)
      return "the settings do not read";
  }
  if (file == kLibro) {
    std::vector<NodoLibro> libro;
    if (!LeggiLibro(kLibro, libro) || !LibroIntegro(libro) || libro.size() != 1)
      return "the book does not open";
  }
  return nullptr;
}

int Verifica(const fs::path& cartella) {
  // The files of every version, written by the same code into a folder of
  // their own, once for all the checks of a run (the script removes it).
  const fs::path riferimento = cartella.string() + ".riferimento";
  std::vector<std::map<std::string, std::string>> versioni(kVersioni);
  SincronizzaSuDisco = 0;
  for (int v = 0; v < kVersioni; ++v) {
    const fs::path qui = riferimento / std::to_string(v);
    const bool pronta = fs::exists(qui / "pronta");
    fs::create_directories(qui);
    fs::current_path(qui);
    if (!pronta && !ScriviVersione(v))
      return std::fprintf(stderr, "version %d not written\n", v), 1;
    for (const std::string& f : FileScritti()) versioni[v][f] = Leggi(f);
    std::ofstream("pronta");
  }
  fs::current_path(cartella);
  for (const std::string& f : FileScritti()) {
    if (!fs::is_regular_file(f)) return std::fprintf(stderr, "%s is missing\n", f.c_str()), 1;
    const std::string testo = Leggi(f);
    int trovata = -1;
    for (int v = 0; v < kVersioni && trovata < 0; ++v)
      if (versioni[v][f] == testo) trovata = v;
    if (trovata < 0)
      return std::fprintf(stderr, "%s is not a whole version (%zu bytes)\n", f.c_str(),
                          testo.size()),
             1;
    if (const char* guasto = NonSiRilegge(f, testo))
      return std::fprintf(stderr, "%s: %s\n", f.c_str(), guasto), 1;
    std::printf("%d ", trovata);
  }
  std::printf("\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string modo = argc >= 3 ? argv[1] : "";
  if (modo != "verifica" && (modo != "scrivi" || argc != 4)) {
    std::fprintf(stderr, "usage: %s scrivi DIR N | verifica DIR\n", argv[0]);
    return 2;
  }
  platform::FakeBackend finto;  // every dialog takes its default answer
  platform::install(&finto);
  DefaultIni();
  InizializzaTavoleScacchi();
  NuovaPosizione(FenIniziale);
  AzzeraOrologio();
  const fs::path cartella = fs::absolute(argv[2]);
  fs::create_directories(cartella);
  fs::current_path(cartella);
  // The game's names stay the same from one run to the next.
  InizializzaInfoPartita();
  fs::remove(FileReport);
  std::snprintf(NomePartita, sizeof NomePartita, "%s",
                (fs::path("pgn") / "ciclo.pgn").string().c_str());
  std::snprintf(FileReport, sizeof FileReport, "%s",
                (fs::path("log") / "ciclo.txt").string().c_str());
  if (modo == "verifica") return Verifica(cartella);
  const long n = std::atol(argv[3]);
  for (long i = 0; n == 0 || i < n; ++i)
    if (!ScriviVersione(static_cast<int>(i % kVersioni))) return 1;
  return 0;
}
