// Any bytes given to the UTF-8 helpers: the conversion to the single-byte code page never
// writes past its buffer, cuts only at a character boundary (a smaller buffer gives a prefix
// of the whole result), and is stable: converting the UTF-8 form of its output again gives
// the same output. Text made only of characters the code page has survives the round trip.
#include "record/utf8.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz/finto.h"

namespace {

// Sequences are at most 4 bytes long: a few hundred bytes hold every case of a cut.
constexpr std::size_t kLunghezzaMassima = 256;

[[noreturn]] void Fallisce(const std::string& cosa) {
  std::fprintf(stderr, "UTF-8 helpers: %s\n", cosa.c_str());
  std::abort();
}

// The UTF-8 text of a single-byte text.
std::string InUtf8(const std::string& ascii) {
  std::string s;
  for (unsigned char c : ascii) {
    if (c < 0x80)
      s += static_cast<char>(c);
    else
      s += ExAsciiChar[c - 0x80];
  }
  return s;
}

// Converts into a buffer of exactly `capienza` bytes, so that a write past it is caught.
std::string Converti(const std::string& testo, std::size_t capienza) {
  std::unique_ptr<char[]> buffer(new char[capienza]);
  std::memset(buffer.get(), 0x55, capienza);
  ConvertiUtf8InAscii(testo.c_str(), buffer.get(), capienza);
  const std::size_t lunghezza = strnlen(buffer.get(), capienza);
  if (lunghezza == capienza) Fallisce("result without its end in the buffer");
  return std::string(buffer.get(), lunghezza);
}

// The table and its inverse agree.
bool TabellaCoerente() {
  for (int i = 0; i < 128; ++i) {
    const char* s = ExAsciiChar[i];
    const int n = static_cast<int>(std::strlen(s));
    if (AsciiEsteso(s, n) != 128 + i)
      Fallisce("code " + std::to_string(128 + i) + " does not map back");
    if (!utf8_is_double_byte(s) && !utf8_is_triple_byte(s)) Fallisce("table entry not UTF-8");
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  static const bool tabella = TabellaCoerente();
  (void)tabella;
  // The conversion reports broken bytes in a dialog.
  platform::FakeBackend& finto = fuzz::Finto();
  if (n < 1 || n > kLunghezzaMassima) return 0;
  // The first byte chooses the buffer size for the cut; the text ends at its first NUL.
  const std::string testo = std::string(reinterpret_cast<const char*>(dati + 1), n - 1).c_str();
  const fuzz::Registrazioni registrazioni;

  const std::string intero = Converti(testo, testo.size() + 1);
  // The two-argument form is documented as the same with a buffer of the text's size.
  {
    std::string copia(testo.size() + 1, '\0');
    ConvertiUtf8InAscii(testo.c_str(), copia.data());
    if (std::string(copia.c_str()) != intero) Fallisce("the two conversions differ");
  }
  const std::size_t capienza = 1 + dati[0] % (testo.size() + 1);
  const std::string tagliato = Converti(testo, capienza);
  if (intero.compare(0, tagliato.size(), tagliato) != 0 ||
      tagliato.size() != std::min(intero.size(), capienza - 1))
    Fallisce("a cut result is not the prefix of the whole one");

  const std::string utf8 = InUtf8(intero);
  if (Converti(utf8, utf8.size() + 1) != intero) Fallisce("conversion not stable");
  if (utf8 == testo) return 0;
  // Only a text with a character the code page lacks ('?') or a broken byte may change.
  if (intero.find('?') == std::string::npos && finto.dialogs.empty())
    Fallisce("a text the code page holds does not survive the round trip");
  return 0;
}
