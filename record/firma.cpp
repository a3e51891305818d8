#include "record/firma.h"

#include <string>

#include "core/posizione.h"

namespace {

inline std::uint64_t Ruota(std::uint64_t x, int b) { return (x << b) | (x >> (64 - b)); }

struct Stato {
  std::uint64_t v0, v1, v2, v3;
  void Giro() {
    v0 += v1;
    v1 = Ruota(v1, 13);
    v1 ^= v0;
    v0 = Ruota(v0, 32);
    v2 += v3;
    v3 = Ruota(v3, 16);
    v3 ^= v2;
    v0 += v3;
    v3 = Ruota(v3, 21);
    v3 ^= v0;
    v2 += v1;
    v1 = Ruota(v1, 17);
    v1 ^= v2;
    v2 = Ruota(v2, 32);
  }
  void Blocco(std::uint64_t m) {
    v3 ^= m;
    Giro();
    Giro();
    v0 ^= m;
  }
};

}  // namespace

std::uint64_t SipHash24(std::uint64_t k0, std::uint64_t k1, std::string_view messaggio) {
  Stato s{k0 ^ 0x736f6d6570736575ull, k1 ^ 0x646f72616e646f6dull, k0 ^ 0x6c7967656e657261ull,
          k1 ^ 0x7465646279746573ull};
  std::size_t n = messaggio.size(), i = 0;
  auto byte = [&](std::size_t k) {
    return static_cast<std::uint64_t>(static_cast<unsigned char>(messaggio[k]));
  };
  for (; i + 8 <= n; i += 8) {
    std::uint64_t m = 0;
    for (int b = 0; b < 8; ++b) m |= byte(i + b) << (8 * b);  // little-endian words
    s.Blocco(m);
  }
  std::uint64_t ultimo = static_cast<std::uint64_t>(n & 0xFF) << 56;
  for (int b = 0; i + b < n; ++b) ultimo |= byte(i + b) << (8 * b);
  s.Blocco(ultimo);
  s.v2 ^= 0xFF;
  for (int r = 0; r < 4; ++r) s.Giro();
  return s.v0 ^ s.v1 ^ s.v2 ^ s.v3;
}

std::uint64_t FirmaRegione(std::string_view regione) {
  std::string piegata;
  piegata.reserve(regione.size());
  for (std::size_t i = 0; i < regione.size(); ++i) {
    if (regione[i] == '\r' && i + 1 < regione.size() && regione[i + 1] == '\n') continue;
    piegata += regione[i];
  }
  // The first key of the white pawn's table and the last of the black king's.
  return SipHash24(hash_pedone_bianco_in[0], hash_re_nero_in[63], piegata);
}
