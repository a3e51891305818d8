// Any TimeControl text: what the reader accepts becomes the clock's parameters, every one of
// them within its limits, and the text the program then writes reads back to the same model.
#include "clock/cadenza.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "config/ini.h"
#include "fuzz/finto.h"

namespace {

constexpr std::size_t kLunghezzaMassima = 256;

[[noreturn]] void Fallisce(const std::string& testo, const std::string& cosa) {
  std::fprintf(stderr, "TimeControl \"%s\": %s (written back: \"%s\")\n", testo.c_str(),
               cosa.c_str(), Cadenza);
  std::abort();
}

bool Uguali(const DatiPeriodo& a, const DatiPeriodo& b) {
  return a.mosse == b.mosse && a.minuti == b.minuti && a.incremento == b.incremento &&
         a.tipo == b.tipo;
}

bool Uguali(const DatiCadenza& a, const DatiCadenza& b) {
  if (a.modo != b.modo) return false;
  for (int k = 0; k < 4; ++k)
    if (!Uguali(a.periodo[k], b.periodo[k])) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  platform::FakeBackend& finto = fuzz::Finto();
  if (n > kLunghezzaMassima) return 0;
  const fuzz::Registrazioni registrazioni;
  const std::string testo(reinterpret_cast<const char*>(dati), n);
  DatiCadenza letta{};
  if (!LeggiDatiCadenzaDaStringa(testo.c_str(), &letta)) return 0;

  DefaultIni();
  finto.dialogs.clear();
  letta.tempo_bianco = letta.tempo_nero = 60;
  if (!CaricaOrologioDaDatiCadenza(&letta)) Fallisce(testo, "accepted text not loaded");
  for (int i = 0; i < NumeroParametriIni; ++i) {
    const VoceIni& p = ParametroIni[i];
    if (p.valore < p.minimo || p.valore > p.massimo)
      Fallisce(testo,
               std::string(p.nome) + " = " + std::to_string(p.valore) + " out of its limits");
  }
  DatiCadenza riletta{};
  if (!LeggiDatiCadenzaDaStringa(Cadenza, &riletta)) Fallisce(testo, "written text refused");
  if (!Uguali(letta, riletta)) Fallisce(testo, "written text reads back differently");
  return 0;
}
