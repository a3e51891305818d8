// Any bytes from the terminal: the decoder turns them into known key events or drops them,
// holds nothing once the pause has expired, and gives the same keys however the bytes were
// split across reads (the first input byte picks the split points).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/posix/input_decoder.h"

namespace {

constexpr std::size_t kLunghezzaMassima = 1024;

[[noreturn]] void Fallisce(std::string_view byte, const std::string& cosa) {
  std::fprintf(stderr, "terminal input (%zu bytes):", byte.size());
  for (unsigned char c : byte) std::fprintf(stderr, " %02x", c);
  std::fprintf(stderr, "\n%s\n", cosa.c_str());
  std::abort();
}

std::string Descrivi(const platform::KeyEvent& k) {
  char s[96];
  std::snprintf(s, sizeof s, "{down %d vk %u ascii %d state %x unicode %x}", k.key_down,
                k.virtual_key, k.ascii, k.control_state, static_cast<unsigned>(k.unicode));
  return s;
}

bool Uguali(const platform::KeyEvent& a, const platform::KeyEvent& b) {
  return a.key_down == b.key_down && a.virtual_key == b.virtual_key && a.ascii == b.ascii &&
         a.control_state == b.control_state && a.unicode == b.unicode;
}

// A key the program can act on: a virtual-key code, or a character beyond ASCII that is a
// Unicode scalar value (no surrogate, nothing past U+10FFFF, no control character).
void ControllaTasto(std::string_view byte, const platform::KeyEvent& k) {
  if (k.virtual_key == 0 && k.unicode == 0) Fallisce(byte, "empty key event " + Descrivi(k));
  if (k.unicode != 0 &&
      (k.unicode < 0xA0 || k.unicode > 0x10FFFF || (k.unicode >= 0xD800 && k.unicode <= 0xDFFF)))
    Fallisce(byte, "key with no character " + Descrivi(k));
}

std::vector<platform::KeyEvent> Decodifica(std::string_view byte, std::uint8_t tagli) {
  platform::InputDecoder decoder;
  std::vector<platform::KeyEvent> tasti;
  std::size_t pos = 0;
  std::size_t passo = 1 + tagli % 7;
  while (pos < byte.size()) {
    const std::size_t pezzo = tagli ? std::min(passo, byte.size() - pos) : byte.size();
    decoder.feed(byte.substr(pos, pezzo), tasti);
    pos += pezzo;
    passo = 1 + (passo * 5 + tagli) % 11;
  }
  decoder.expire(tasti);
  if (decoder.pending()) Fallisce(byte, "bytes held after the pause expired");
  return tasti;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  if (n < 1 || n > kLunghezzaMassima) return 0;
  const std::string_view byte(reinterpret_cast<const char*>(dati + 1), n - 1);
  const std::vector<platform::KeyEvent> intero = Decodifica(byte, 0);
  for (const platform::KeyEvent& k : intero) ControllaTasto(byte, k);
  const std::vector<platform::KeyEvent> a_pezzi = Decodifica(byte, dati[0] | 1);
  if (a_pezzi.size() != intero.size())
    Fallisce(byte, "split reads give " + std::to_string(a_pezzi.size()) + " keys, one read " +
                       std::to_string(intero.size()));
  for (std::size_t i = 0; i < intero.size(); ++i)
    if (!Uguali(intero[i], a_pezzi[i]))
      Fallisce(byte, "key " + std::to_string(i) + " differs: " + Descrivi(intero[i]) + " / " +
                         Descrivi(a_pezzi[i]));
  return 0;
}
