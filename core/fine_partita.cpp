#include "core/fine_partita.h"

#include "core/posizione.h"

int Ripetizioni;
std::uint64_t PosizioneRipetuta[2];

namespace {

constexpr Bitboard CaseChiare = 0xAA55AA55AA55AA55ull;

int PuoVincere(std::uint64_t mio, std::uint64_t suo) {
  if (mio == 0) return 0;
  // A lone knight mates only with the help of a man that can block its own king.
  if (mio == MaterialeCavallo)
    return Conta(suo, Pedone) || Conta(suo, Cavallo) || Conta(suo, Alfiere) || Conta(suo, Torre);
  if (Conta(mio, Alfiere) && !Conta(mio, Pedone) && !Conta(mio, Cavallo) && !Conta(mio, Torre) &&
      !Conta(mio, Donna)) {
    if (Conta(suo, Pedone) || Conta(suo, Cavallo)) return 1;
    const Bitboard alfieri = btm_alfiere_bianco | btm_alfiere_nero;
    return (alfieri & CaseChiare) && (alfieri & ~CaseChiare);
  }
  return 1;
}

}  // namespace

int PuoVincereIl_bianco() { return PuoVincere(materiale_del_bianco, materiale_del_nero); }
int PuoVincereIl_nero() { return PuoVincere(materiale_del_nero, materiale_del_bianco); }

int SemimosseReversibili() {
  const int campo = static_cast<int>(InfoPosizione & MascheraSemimosse);
  if (campo < static_cast<int>(MascheraSemimosse)) return campo;
  // Saturated: the count has risen by one on every ply since the field first showed 127.
  std::uint64_t j = ContatoreMosse;
  while (j > TurnoIniziale && j - 1 < std::uint64_t{DimensioneBackup} &&
         (backup_InfoPosizione[j - 1] & MascheraSemimosse) == MascheraSemimosse)
    --j;
  return campo + static_cast<int>(ContatoreMosse - j);
}

namespace {

// Plies of the earlier occurrences of the current position, most recent first, at most
// `massimo` of them; only plies of the same side to move within the reversible-ply count.
int Occorrenze(std::uint64_t* plies, int massimo) {
  int trovate = 0;
  const std::int64_t n = static_cast<std::int64_t>(ContatoreMosse);
  std::int64_t limite = n - SemimosseReversibili();
  if (limite < static_cast<std::int64_t>(TurnoIniziale)) limite = TurnoIniziale;
  for (std::int64_t i = n - 4; i >= limite && trovate < massimo; i -= 2) {
    if (i < DimensioneBackup && backup_ChiaveHash[i] == ChiaveHash) {
      if (plies) plies[trovate] = static_cast<std::uint64_t>(i);
      ++trovate;
    }
  }
  return trovate;
}

}  // namespace

int CercaRipetizioni() {
  Ripetizioni = Occorrenze(PosizioneRipetuta, 2);
  return Ripetizioni;
}

int ContaRipetizioni() { return Occorrenze(nullptr, 4); }
