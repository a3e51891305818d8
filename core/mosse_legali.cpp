#include "core/mosse_legali.h"

#include "core/fai_mossa.h"
#include "core/genera.h"
#include "core/mossa.h"
#include "core/posizione.h"
#include "core/tavole.h"

namespace {

// Fills the buffer and stores the backups; false when the ply is past the per-ply arrays.
bool Genera() {
  const std::uint64_t n = ContatoreMosse;
  if (n > MaxPly) {
    FineMosseGenerate = BufferMosseGenerate;
    return false;
  }
  FineMosseGenerate = (n & 1) ? genera_TutteLeMosse_del_nero(BufferMosseGenerate)
                              : genera_TutteLeMosse_del_bianco(BufferMosseGenerate);
  backup_ChiaveHash[n] = ChiaveHash;
  backup_HashPedoni[n] = HashPedoni;
  backup_InfoPosizione[n] = InfoPosizione;
  return true;
}

}  // namespace

std::uint64_t* GeneraMosseLegali() {
  if (!Genera()) return FineMosseGenerate;
  const bool nero = ContatoreMosse & 1;
  const auto& fai = nero ? fai_mossa_del_nero : fai_mossa_del_bianco;
  const auto& ritira = nero ? ritira_mossa_del_nero : ritira_mossa_del_bianco;
  // A quiet move of a man that stands on no line from its own king is always accepted by
  // its make operation, whose only test is that line, and its unmake leaves the square lists
  // as they were: the outcome is known without playing it.
  const Bitboard linee = MascheraMobilita_donna_in[nero ? casa_re_nero : casa_re_bianco];
  std::uint64_t* m = BufferMosseGenerate;
  std::uint64_t* fine = FineMosseGenerate;
  while (m < fine) {
    const std::uint64_t mossa = *m;
    const std::uint64_t specie = SpecieMossa(mossa);
    if (specie >= SpecieSposta2Pedone && specie <= SpecieSposta(Donna) &&
        !((linee >> DaCasa(mossa)) & 1)) {
      ++m;
    } else if (fai[specie](mossa)) {
      ritira[SpecieMossa(mossa)](mossa);
      ++m;
    } else {
      *m = *--fine;
    }
  }
  return FineMosseGenerate = fine;
}

std::uint64_t* GeneraMossePseudolegali() {
  Genera();
  return FineMosseGenerate;
}
