// Any text typed as a move, on a few positions (the first byte picks one): the reader leaves
// the position alone, fills only fields in range, every move it matches is legal and agrees
// with what was typed, and the SAN of each matched move reads back to that move alone.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/notazione.h"
#include "core/posizione.h"
#include "core/tavole.h"
#include "tests/core/verifica.h"

namespace {

// Promotions, en passant, castling both ways, pieces that need disambiguation.
const char* const kPosizioni[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
    "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3",
    "k7/8/2N3N1/8/2N3N1/8/2Q3Q1/7K w - - 0 1",
};
constexpr int kNumeroPosizioni = sizeof kPosizioni / sizeof kPosizioni[0];
constexpr std::size_t kLunghezzaMassima = 64;

[[noreturn]] void Fallisce(const std::string& testo, const std::string& cosa) {
  std::fprintf(stderr, "move text \"%s\": %s\n", testo.c_str(), cosa.c_str());
  std::abort();
}

bool InRange(std::uint8_t v, std::uint8_t minimo, std::uint8_t massimo) {
  return v == NonDato || (v >= minimo && v <= massimo);
}

// The typed fields a matched move must agree with. A pawn record from the b-file may stand
// for a bishop move, as the reader documents.
bool Concorda(std::uint64_t m, const DettagliMossa& d) {
  const std::uint64_t da = DaCasa(m), a = ACasa(m), specie = SpecieMossa(m);
  const bool alfiere_da_b =
      d.pezzo == Pedone && d.da_colonna == 1 && TipoPezzoMossa[specie] == Alfiere;
  if (d.pezzo != NonDato && TipoPezzoMossa[specie] != d.pezzo && !alfiere_da_b) return false;
  if (d.a_colonna != NonDato && (a & 7) != d.a_colonna) return false;
  if (d.a_riga != NonDato && (a >> 3) != d.a_riga) return false;
  if (d.da_colonna != NonDato && !alfiere_da_b && (da & 7) != d.da_colonna) return false;
  if (d.da_riga != NonDato && (da >> 3) != d.da_riga) return false;
  if (d.promozione != NonDato && TipoPromozioneMossa[specie] != d.promozione) return false;
  return true;
}

// The tables are built once; each input loads its position onto a cleared board.
void Carica(int indice) {
  static const bool tavole = (InizializzaTavoleScacchi(), true);
  (void)tavole;
  SvuotaScacchiera();
  if (CaricaPosizioneDaStringaFen(kPosizioni[indice]) != 1)
    Fallisce(kPosizioni[indice], "position refused");
  GeneraMosseLegali();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  if (n < 1 || n > kLunghezzaMassima + 1) return 0;
  Carica(dati[0] % kNumeroPosizioni);
  // The text ends at its first NUL, as the command line holds it.
  const std::string testo(reinterpret_cast<const char*>(dati + 1), n - 1);
  const std::string scritto = testo.c_str();
  const std::vector<std::uint64_t> legali = MosseLegali();
  const Istantanea prima = Fotografa();

  DettagliMossa d;
  if (!LeggiDettagliMossaDaStringa(scritto.c_str(), &d)) return 0;
  if (!InRange(d.pezzo, 0, 5) || !InRange(d.promozione, 1, 4) || !InRange(d.da_colonna, 0, 7) ||
      !InRange(d.da_riga, 0, 7) || !InRange(d.a_colonna, 0, 7) || !InRange(d.a_riga, 0, 7))
    Fallisce(scritto, "field out of range");

  std::uint64_t trovate[DimensioneBufferMosse];
  const int quante = TrovaMosseCompatibili(trovate, &d, DimensioneBufferMosse);
  if (quante < 0 || quante > static_cast<int>(legali.size())) Fallisce(scritto, "match count");
  if (!(Fotografa() == prima)) Fallisce(scritto, "reading changed the position");
  for (int i = 0; i < quante; ++i) {
    const std::uint64_t m = trovate[i];
    if (std::find(legali.begin(), legali.end(), m) == legali.end())
      Fallisce(scritto, "matched a move that is not legal");
    if (!Concorda(m, d)) Fallisce(scritto, "matched a move that disagrees with the text");
    // What the program writes for the move reads back to it alone.
    char san[8];  // the room the writer documents
    ScriviNotazioneAlgebrica(m, san);
    DettagliMossa ds;
    std::uint64_t di_nuovo[DimensioneBufferMosse];
    if (!LeggiDettagliMossaDaStringa(san, &ds) ||
        TrovaMosseCompatibili(di_nuovo, &ds, DimensioneBufferMosse) != 1 || di_nuovo[0] != m)
      Fallisce(scritto, std::string("SAN ") + san + " does not read back to its move");
  }
  return 0;
}
