// Any vantorel.ini: after reading it the 26 parameters are within their limits and the book
// names are names the file may hold; the file the program then writes reads back to the
// same settings without a single complaint.
#include "config/ini.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/finto.h"

namespace {

static_assert(NumeroParametriIni == 26, "the file holds exactly 26 parameters");

constexpr std::size_t kLunghezzaMassima = 8192;

[[noreturn]] void Fallisce(const std::string& cosa) {
  std::fprintf(stderr, "vantorel.ini: %s\n", cosa.c_str());
  std::abort();
}

struct Impostazioni {
  std::int32_t valori[NumeroParametriIni];
  std::string consultare, costruire;
  bool operator==(const Impostazioni& o) const {
    return std::memcmp(valori, o.valori, sizeof valori) == 0 && consultare == o.consultare &&
           costruire == o.costruire;
  }
};

Impostazioni Attuali() {
  Impostazioni s;
  for (int i = 0; i < NumeroParametriIni; ++i) s.valori[i] = ParametroIni[i].valore;
  s.consultare = LibroDaConsultare;
  s.costruire = LibroDaCostruire;
  return s;
}

void ControllaNome(const char* nome, std::size_t capienza) {
  const std::size_t lunghezza = strnlen(nome, capienza);
  if (lunghezza == capienza) Fallisce("book name without its end");
  if (lunghezza == 0 || lunghezza > static_cast<std::size_t>(LunghezzaMassimaNomeLibro))
    Fallisce(std::string("book name of length ") + std::to_string(lunghezza));
  for (const char* p = nome; *p; ++p)
    if (static_cast<unsigned char>(*p) < 0x20 || std::strchr(" |/\\~\"#%&^*:!?<>{}", *p))
      Fallisce(std::string("book name with a forbidden character: ") + nome);
}

void ControllaLimiti() {
  for (int i = 0; i < NumeroParametriIni; ++i) {
    const VoceIni& p = ParametroIni[i];
    if (p.valore < p.minimo || p.valore > p.massimo)
      Fallisce(std::string(p.nome) + " = " + std::to_string(p.valore) + " out of its limits");
  }
  ControllaNome(LibroDaConsultare, sizeof LibroDaConsultare);
  ControllaNome(LibroDaCostruire, sizeof LibroDaCostruire);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  platform::FakeBackend& finto = fuzz::Finto();
  if (n > kLunghezzaMassima) return 0;
  const fuzz::Registrazioni registrazioni;
  if (std::FILE* f = std::fopen(NomeFileIni, "wb")) {
    std::fwrite(dati, 1, n, f);
    std::fclose(f);
  } else {
    Fallisce("cannot write the input file");
  }
  finto.dialogs.clear();
  LeggiIni();
  ControllaLimiti();

  const Impostazioni lette = Attuali();
  if (!ScriviIni()) Fallisce("cannot write the settings back");
  finto.dialogs.clear();
  LeggiIni();
  if (!finto.dialogs.empty())
    Fallisce("the file the program wrote is refused: " + finto.dialogs[0].text);
  if (!(Attuali() == lette)) Fallisce("the file the program wrote reads back differently");
  return 0;
}
