#include "record/visualizza.h"

#include <filesystem>
#include <string>

#include "data/messages.h"
#include "data/msg_file.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "record/salvataggio.h"
#include "record/testi.h"
#include "speech/annuncio.h"

namespace {

// Opens a file of the working directory; a missing file or a viewer that
// cannot be started is reported by name.
void Apri(const std::string& percorso) {
  std::error_code e;
  if (!std::filesystem::is_regular_file(percorso, e)) {
    MsgFileNonTrovato(percorso.c_str());
    return;
  }
  std::filesystem::path assoluto = std::filesystem::absolute(percorso, e);
  if (e || !platform::current().open_in_viewer(assoluto.string()))
    FinestraDiDialogo(Formato(Testo(MsgFileNonAperto), percorso.c_str()).c_str(), 64);
}

void SalvaEApri(const std::string& percorso) {
  RipetiAvvisiDiScrittura();
  SalvaPartita();
  Apri(percorso);
}

}  // namespace

void comando_VisualizzaGuida() {
  Apri(std::string("html") + platform::kPathSeparator + Testo(StrLeggimiHtml));
}

void comando_VisualizzaPartitaPgn() { SalvaEApri(NomePartita); }
void comando_VisualizzaListaMosse() { SalvaEApri(PercorsoListaMosse()); }
void comando_VisualizzaPartitaLog() { SalvaEApri(FileReport); }
void comando_VisualizzaPartitaHtml() { SalvaEApri(PercorsoPaginaHtml()); }
