// The signed event log. The input is a game's events (types, the time between them, texts),
// the times left and the language: the log the program writes for them validates, and the
// same log with one byte changed does not, unless the change is one the validator lets
// through on purpose (white space for white space after the signed part, a hexadecimal
// letter in the other case, the blank before the digits turned into a leading zero).
// The input's own bytes go through the validator too.
#include "record/report.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "clock/orologio.h"
#include "config/ini.h"
#include "fuzz/finto.h"

namespace {

constexpr std::size_t kLunghezzaMassima = 4096;

[[noreturn]] void Fallisce(const std::string& log, const std::string& cosa) {
  std::fprintf(stderr, "log:\n%s\n%s\n", log.c_str(), cosa.c_str());
  std::abort();
}

bool Spazio(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool Esadecimale(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool AltroCaso(char a, char b) {
  return Esadecimale(a) && a > '9' && (a ^ 0x20) == b;
}

// Reads the input a field at a time; past its end every field is 0.
struct Lettore {
  const std::uint8_t* p;
  std::size_t n;
  unsigned Byte() {
    if (!n) return 0;
    --n;
    return *p++;
  }
  unsigned Parola() { return Byte() | Byte() << 8; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  platform::FakeBackend& finto = fuzz::Finto();
  if (n > kLunghezzaMassima) return 0;
  ReportAutentico(std::string_view(reinterpret_cast<const char*>(dati), n));

  Lettore in{dati, n};
  ParametroIni[inilang].valore = static_cast<int>(in.Byte() % 3);
  TempoVisualizzato[0] = static_cast<int>(in.Parola() * 37) - 200000;
  TempoVisualizzato[1] = static_cast<int>(in.Parola() * 37) - 200000;
  const std::size_t posizione = in.Parola();
  const unsigned maschera = 1 + in.Byte() % 255;
  finto.now_ms = 1'767'225'600'000 + static_cast<std::int64_t>(in.Parola()) * 86'400'000;
  SvuotaListaRecord();
  while (in.n) {
    const int tipo = static_cast<int>(in.Byte() % 8);
    finto.advance(in.Parola() * (in.Byte() & 1 ? 1000u : 1u));
    // The program's texts are moves, verdicts and times: they never hold the region's mark.
    std::string testo;
    for (unsigned k = in.Byte() % 64; k && in.n; --k)
      if (const char c = static_cast<char>(in.Byte()); c && c != '|') testo += c;
    AggiungiRecord(tipo, testo.empty() ? nullptr : testo.c_str());
  }
  const std::string log = TestoReport();
  SvuotaListaRecord();
  if (!ReportAutentico(log)) Fallisce(log, "the log as written does not validate");

  const std::size_t fine = log.find('|', 1) + 1;
  const std::size_t i = posizione % log.size();
  std::string cambiato = log;
  cambiato[i] = static_cast<char>(cambiato[i] ^ maschera);
  if (!ReportAutentico(cambiato)) return 0;
  const char prima = log[i], dopo = cambiato[i];
  const bool lecito = i >= fine && ((Spazio(prima) && Spazio(dopo)) || AltroCaso(prima, dopo) ||
                                    (prima == ' ' && dopo == '0' && i + 1 < log.size() &&
                                     Esadecimale(log[i + 1])));
  if (!lecito)
    Fallisce(log, "byte " + std::to_string(i) + " changed from " + std::to_string(prima) +
                      " to " + std::to_string(dopo) + " and the log still validates");
  return 0;
}
