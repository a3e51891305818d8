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

bool ScriviFileIntero(const std::string& percorso, std::string_view testo, std::string* motivo) {
  namespace fs = std::filesystem;
  fs::path destinazione(percorso);
  std::error_code e;
  if (destinazione.has_parent_path()) {
    fs::create_directories(destinazione.parent_path(), e);
    if (e) return Fallito(motivo, e.value());
  }
  // A name of its own per write, so two writers never share a temporary file.
  static std::atomic<unsigned> contatore{0};
  std::string temporaneo = percorso + "." + std::to_string(++contatore) + ".tmp";

  std::FILE* f = std::fopen(temporaneo.c_str(), "w");
  if (!f) return Fallito(motivo, errno);
  bool scritto = std::fwrite(testo.data(), 1, testo.size(), f) == testo.size() &&
                 std::fflush(f) == 0;
  int errore = errno;
  if (scritto && SincronizzaSuDisco && !platform::flush_to_disk(f)) {
    scritto = false;
    errore = errno;
  }
  if (std::fclose(f) != 0 && scritto) {
    scritto = false;
    errore = errno;
  }
  if (!scritto) {
    fs::remove(temporaneo, e);
    return Fallito(motivo, errore ? errore : EIO);
  }
  if (ProvaPrimaDelRinomino) ProvaPrimaDelRinomino(temporaneo);
  if (!platform::replace_file(temporaneo, percorso)) {
    errore = errno;
    fs::remove(temporaneo, e);
    return Fallito(motivo, errore ? errore : EIO);
  }
  return true;
}
