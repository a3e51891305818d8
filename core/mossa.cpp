#include "core/mossa.h"

namespace {

struct Specie {
  std::uint8_t pezzo = 255, promozione = 255, cattura = 255;
};

constexpr std::array<Specie, 64> TavolaSpecie() {
  std::array<Specie, 64> t{};
  t[SpecieArroccoCorto].pezzo = t[SpecieArroccoLungo].pezzo = 5;
  t[SpecieSposta2Pedone].pezzo = t[SpecieSpostaPedone].pezzo = 0;
  for (int tipo = 1; tipo <= 5; ++tipo) t[SpecieSposta(tipo)].pezzo = tipo;
  for (int tipo = 0; tipo <= 5; ++tipo)
    for (int preso = 0; preso <= 4; ++preso) {
      t[SpecieCattura(tipo, preso)].pezzo = tipo;
      t[SpecieCattura(tipo, preso)].cattura = preso;
    }
  t[SpecieEnpassant] = {0, 255, 0};
  for (int promosso = 1; promosso <= 4; ++promosso) {
    t[SpeciePromozione(promosso)] = {0, std::uint8_t(promosso), 255};
    for (int preso = 1; preso <= 4; ++preso)
      t[SpeciePromozioneCattura(promosso, preso)] = {0, std::uint8_t(promosso),
                                                     std::uint8_t(preso)};
  }
  return t;
}

constexpr auto Specie_ = TavolaSpecie();

template <std::size_t N>
constexpr std::array<std::uint8_t, N> Campo(std::uint8_t Specie::*campo) {
  std::array<std::uint8_t, N> t{};
  for (std::size_t i = 0; i < N; ++i) t[i] = Specie_[i].*campo;
  return t;
}

}  // namespace

const std::array<std::uint8_t, 64> TipoPezzoMossa = Campo<64>(&Specie::pezzo);
const std::array<std::uint8_t, 64> TipoPromozioneMossa = Campo<64>(&Specie::promozione);
const std::array<std::uint8_t, 61> TipoCatturaMossa = Campo<61>(&Specie::cattura);

std::uint64_t BufferMosseGenerate[DimensioneBufferMosse];
std::uint64_t* FineMosseGenerate = BufferMosseGenerate;
