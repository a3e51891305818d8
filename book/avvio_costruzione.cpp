// Starting and finishing a build on the main thread, and the builder thread.
#include <filesystem>
#include <cstdio>
#include <string>
#include <system_error>

#include "book/costruttore_libro.h"
#include "clock/appunti_file.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_costruttore.h"
#include "data/msg_libro.h"
#include "platform/platform.h"
#include "speech/annuncio.h"
#include "ui/riga_comando.h"
#include "ui/stato.h"

namespace {

// The last spoken percentage and when it was spoken (0: the first comes at once).
unsigned UltimaPercentuale = 0;
std::uint32_t UltimoAnnuncio = 0;
bool PrimoAnnuncio = true;

void Chiudi() {
  if (CostruttoreLibro.sorgente) std::fclose(CostruttoreLibro.sorgente);
  CostruttoreLibro.sorgente = nullptr;
}

}  // namespace

void AvviaCostruzioneLibroDa(const std::string& pgn) {
  RecordCostruttoreLibro& c = CostruttoreLibro;
  if (c.attivo.load(std::memory_order_acquire)) return;
  // The running clock reads the board that the builder would own.
  if (InMoto) {
    FinestraDiDialogo(Testo(MsgLibroConOrologioInMoto), 64);
    return;
  }
  std::FILE* f = std::fopen(pgn.c_str(), "rb");
  if (!f) {
    MsgFileNonTrovato(pgn.c_str());
    return;
  }
  c.percorso_libro = PercorsoLibro(LibroDaCostruire);
  c.libro.clear();
  std::error_code e;
  if (std::filesystem::exists(c.percorso_libro, e)) {
    std::string domanda = c.percorso_libro + " " + Testo(StrLibroGiaPresente);
    int risposta = FinestraDiDialogo(domanda.c_str(), MB_YESNOCANCEL);
    if (risposta == IDCANCEL) {
      std::fclose(f);
      return;
    }
    if (risposta == IDYES &&
        (!LeggiLibro(c.percorso_libro, c.libro) || !LibroIntegro(c.libro))) {
      std::fclose(f);
      c.libro.clear();
      FinestraDiDialogo(Testo(StrImpossibileLeggereLibro), 64);
      return;
    }
  }
  std::fseek(f, 0, SEEK_END);
  std::error_code e2;
  auto dimensione = std::filesystem::file_size(pgn, e2);
  c.totale = e2 ? 0 : static_cast<std::uint64_t>(dimensione);
  std::rewind(f);
  c.sorgente = f;
  c.criteri = {ParametroIni[iniMinPlyBookLine].valore, ParametroIni[iniMaxPlyBookLine].valore,
               ParametroIni[iniMinEloRating].valore};
  c.partite = c.linee_nuove = 0;
  c.pieno = false;
  c.progresso.store(0, std::memory_order_relaxed);
  c.fatto.store(0, std::memory_order_relaxed);
  UltimaPercentuale = 0;
  PrimoAnnuncio = true;
  c.attivo.store(1, std::memory_order_release);
  try {
    c.filo = std::thread(CostruisciLibro);
    // "0%" at once: the user hears that the build has started.
    AnnunciaProgressoCostruzione();
  } catch (const std::system_error&) {
    c.attivo.store(0, std::memory_order_release);
    Chiudi();
    c.libro.clear();
    FinestraDiDialogo(Testo(StrImpossibileCostruireLibro), 64);
  }
}

void AvviaCostruzioneLibro() {
  std::string pgn;
  if (LeggiNomeFileNegliAppunti(pgn)) AvviaCostruzioneLibroDa(pgn);
}

void CostruisciLibro() {
  RecordCostruttoreLibro& c = CostruttoreLibro;
  EsitoCostruzione esito = CostruisciLibroDa(c.sorgente, c.libro, c.criteri, &c.progresso);
  c.partite = esito.partite;
  c.linee_nuove = esito.linee_nuove;
  c.pieno = esito.pieno;
  c.progresso.store(c.totale, std::memory_order_relaxed);
  c.fatto.store(1, std::memory_order_release);
}

void AnnunciaProgressoCostruzione() {
  RecordCostruttoreLibro& c = CostruttoreLibro;
  std::uint64_t fatto = c.progresso.load(std::memory_order_acquire);
  unsigned percentuale =
      c.totale ? static_cast<unsigned>(static_cast<double>(fatto) / (c.totale / 100.0)) : 0;
  std::uint32_t adesso = platform::current().tick_ms();
  std::uint32_t trascorso = adesso - UltimoAnnuncio;
  if (PrimoAnnuncio || (percentuale - UltimaPercentuale > 4 && percentuale > UltimaPercentuale &&
                        trascorso > 2000) ||
      trascorso > 5000) {
    PrimoAnnuncio = false;
    UltimaPercentuale = percentuale;
    UltimoAnnuncio = adesso;
    std::snprintf(messaggio, sizeof messaggio, "%u%c", percentuale, '%');
    Anuncia(messaggio, 1);
  }
}

void FineCostruzioneLibro() {
  RecordCostruttoreLibro& c = CostruttoreLibro;
  if (c.filo.joinable()) c.filo.join();
  Chiudi();
  bool scritto = ScriviLibro(c.percorso_libro, c.libro);
  c.libro.clear();
  c.libro.shrink_to_fit();
  c.fatto.store(0, std::memory_order_relaxed);
  c.attivo.store(0, std::memory_order_release);
  if (c.pieno) FinestraDiDialogo(Testo(StrLibroPieno), 64);
  if (!scritto) {
    char testo[512];
    std::snprintf(testo, sizeof testo, Testo(MsgLibroNonScritto), c.percorso_libro.c_str());
    FinestraDiDialogo(testo, 64);
    return;
  }
  // NumeroPuntato answers in one static buffer: one call at a time.
  std::string rapporto = std::string(Testo(StrPartiteSelezionate)) + ": ";
  rapporto += NumeroPuntato(c.partite);
  rapporto += std::string(".\n") + Testo(StrLineeNuoveInserite) + ": ";
  rapporto += NumeroPuntato(c.linee_nuove);
  rapporto += ".";
  FinestraDiDialogo(rapporto.c_str(), 64);
}
