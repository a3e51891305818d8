#include "record/salvataggio.h"

#include <set>
#include <vector>

#include "book/costruttore_libro.h"
#include "clock/orologio.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_file.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "record/report.h"
#include "record/scrittura_atomica.h"
#include "record/testi.h"
#include "speech/annuncio.h"

namespace {

struct FileNonScritto {
  std::string file, motivo;
};
std::vector<FileNonScritto> non_scritti;
// Files whose failure the user has heard and that have not been written since.
std::set<std::string> gia_segnalati;
bool in_silenzio = false;

std::string Percorso(std::initializer_list<const char*> parti) {
  std::string p;
  for (const char* parte : parti) {
    if (!p.empty()) p += platform::kPathSeparator;
    p += parte;
  }
  return p;
}

}  // namespace

std::string PercorsoListaMosse() { return Testo(StrListaMosseTxt); }
std::string PercorsoScriptHtml() { return Percorso({"html", "files", "script.js"}); }
std::string PercorsoPaginaHtml() { return Percorso({"html", "vantorel.html"}); }

int ScriviFileDellaPartita(const std::string& percorso, std::string_view testo) {
  std::string motivo;
  if (ScriviFileIntero(percorso, testo, &motivo)) {
    gia_segnalati.erase(percorso);
    return 1;
  }
  non_scritti.push_back({percorso, motivo});
  return 0;
}

void SegnalaFileNonScritti(bool solo_nuovi) {
  std::vector<FileNonScritto> elenco;
  elenco.swap(non_scritti);
  if (in_silenzio) return;
  std::string testo;
  for (const auto& f : elenco) {
    bool nuovo = gia_segnalati.insert(f.file).second;
    if (solo_nuovi && !nuovo) continue;
    testo += Formato(Testo(MsgFileNonScritto), f.file.c_str(), f.motivo.c_str()) + "\n";
  }
  if (testo.empty()) return;
  testo += Testo(StrPartitaNonSalvata);
  FinestraDiDialogo(testo.c_str(), 64);
}

void RipetiAvvisiDiScrittura() { gia_segnalati.clear(); }

int SalvaPartita() {
  // The times written are the ones shown, brought up to date first (a flag
  // that falls here is adjudicated, and saved, before anything is written).
  // Not while the session ends: nobody could answer what that might ask.
  if (InMoto && !in_silenzio) AggiornaTempoVisualizzato(static_cast<int>(ContatoreMosse & 1));
  non_scritti.clear();
  int scritti = SalvaPartitaTxt() + SalvaPartitaPgn() + SalvaPartitaHtml() + SalvaReport();
  PartitaSalvata = scritti == 4;
  SegnalaFileNonScritti();
  return PartitaSalvata;
}

void SalvaAllaChiusura() {
  // While the book builder runs it owns the board and the move list: what
  // they hold then is not the user's game, and writing it would be wrong.
  if (CostruttoreLibro.attivo.load()) return;
  if (PartitaSalvata || ContatoreMosse == 0) return;
  in_silenzio = true;
  SalvaPartita();
  in_silenzio = false;
}
