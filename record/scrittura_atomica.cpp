#include "record/scrittura_atomica.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "data/messages.h"
#include "data/msg_file.h"
#include "platform/platform.h"

int SincronizzaSuDisco = 1;
void (*ProvaPrimaDelRinomino)(const std::string& temporaneo) = nullptr;

const OperazioniFile OperazioniReali = {
    [](const char* nome, const char* modo) { return std::fopen(nome, modo); },
    [](const void* dati, std::size_t n, std::FILE* f) { return std::fwrite(dati, 1, n, f); },
    [](std::FILE* f) { return std::fflush(f); },
    [](std::FILE* f) { return platform::flush_to_disk(f); },
    [](std::FILE* f) { return std::fclose(f); },
    [](const std::string& da, const std::string& a) { return platform::replace_file(da, a); },
};
OperazioniFile OperazioniScrittura = OperazioniReali;

namespace {

// The reason in the user's language: the two a user can mend by name, the
// system's own words for the rest.
std::string Motivo(int errore) {
  switch (errore) {
    case EACCES:
    case EPERM:
    case EROFS:
      return Testo(StrMotivoScrittura, 3, 0);
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return Testo(StrMotivoScrittura, 3, 1);
    default:
      return std::string(Testo(StrMotivoScrittura, 3, 2)) + " (" + std::strerror(errore) + ")";
  }
}

bool Fallito(std::string* motivo, int errore) {
  if (motivo) *motivo = Motivo(errore);
  return false;
}

}  // namespace

bool ScriviFileIntero(const std::string& percorso, std::string_view testo, std::string* motivo,
                      bool binario) {
  namespace fs = std::filesystem;
  const OperazioniFile& op = OperazioniScrittura;
  fs::path destinazione(percorso);
  std::error_code e;
  if (destinazione.has_parent_path()) {
    fs::create_directories(destinazione.parent_path(), e);
    if (e) return Fallito(motivo, e.value());
  }
  // A name of its own per write, so two writers never share a temporary file.
  static std::atomic<unsigned> contatore{0};
  std::string temporaneo = percorso + "." + std::to_string(++contatore) + ".tmp";

  std::FILE* f = op.apri(temporaneo.c_str(), binario ? "wb" : "w");
  if (!f) return Fallito(motivo, errno);
  errno = 0;
  bool scritto = op.scrivi(testo.data(), testo.size(), f) == testo.size() && op.svuota(f) == 0;
  int errore = errno;
  if (scritto && SincronizzaSuDisco && !op.su_disco(f)) {
    scritto = false;
    errore = errno;
  }
  if (op.chiudi(f) != 0 && scritto) {
    scritto = false;
    errore = errno;
  }
  if (scritto) {
    // A file the user made private stays private.
    const fs::file_status vecchio = fs::status(destinazione, e);
    if (!e && fs::exists(vecchio)) fs::permissions(temporaneo, vecchio.permissions(), e);
  }
  if (!scritto) {
    fs::remove(temporaneo, e);
    return Fallito(motivo, errore ? errore : EIO);
  }
  if (ProvaPrimaDelRinomino) ProvaPrimaDelRinomino(temporaneo);
  if (!op.sostituisci(temporaneo, percorso)) {
    errore = errno;
    fs::remove(temporaneo, e);
    return Fallito(motivo, errore ? errore : EIO);
  }
  return true;
}
