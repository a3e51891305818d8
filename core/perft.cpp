#include "core/perft.h"

#include <algorithm>

#include "core/fai_mossa.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/posizione.h"

namespace {

// The buffer is overwritten at every ply, so each level keeps its own copy of the list.
std::uint64_t ContaFoglie(int profondita) {
  GeneraMosseLegali();
  const std::uint64_t n = FineMosseGenerate - BufferMosseGenerate;
  if (profondita == 1) return n;
  std::uint64_t mosse[DimensioneBufferMosse];
  std::copy(BufferMosseGenerate, FineMosseGenerate, mosse);
  const auto& fai = TavolaFaiMossa();
  const auto& ritira = ContatoreMosse & 1 ? ritira_mossa_del_nero : ritira_mossa_del_bianco;
  std::uint64_t nodi = 0;
  for (std::uint64_t i = 0; i < n; ++i) {
    fai[SpecieMossa(mosse[i])](mosse[i]);
    nodi += ContaFoglie(profondita - 1);
    ritira[SpecieMossa(mosse[i])](mosse[i]);
  }
  return nodi;
}

}  // namespace

std::uint64_t Perft(int profondita) { return profondita <= 0 ? 1 : ContaFoglie(profondita); }

void Divide(int profondita, const std::function<void(std::uint64_t, std::uint64_t)>& per_mossa) {
  GeneraMosseLegali();
  std::uint64_t mosse[DimensioneBufferMosse];
  const std::uint64_t n = FineMosseGenerate - BufferMosseGenerate;
  std::copy(BufferMosseGenerate, FineMosseGenerate, mosse);
  const auto& fai = TavolaFaiMossa();
  const auto& ritira = ContatoreMosse & 1 ? ritira_mossa_del_nero : ritira_mossa_del_bianco;
  for (std::uint64_t i = 0; i < n; ++i) {
    fai[SpecieMossa(mosse[i])](mosse[i]);
    per_mossa(mosse[i], Perft(profondita - 1));
    ritira[SpecieMossa(mosse[i])](mosse[i]);
  }
}

void ScriviMossaUci(std::uint64_t mossa, char* out) {
  const std::uint64_t da = DaCasa(mossa), a = ACasa(mossa);
  *out++ = static_cast<char>('a' + (da & 7));
  *out++ = static_cast<char>('8' - (da >> 3));
  *out++ = static_cast<char>('a' + (a & 7));
  *out++ = static_cast<char>('8' - (a >> 3));
  const int promozione = TipoPromozioneMossa[SpecieMossa(mossa)];
  if (promozione != 255) *out++ = CaratterePezzo[promozione];
  *out = 0;
}
