#include "book/libro.h"

#include <cstdio>
#include <utility>

#include "config/ini.h"
#include "core/mossa.h"
#include "core/notazione.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_libro.h"
#include "platform/platform.h"
#include "speech/annuncio.h"
#include "ui/riga_comando.h"

namespace {

std::uint32_t Leggi32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

std::string PercorsoLibro(const char* nome) { return std::string(nome) + ".vobf"; }

LettoreLibro::LettoreLibro(const std::string& percorso) : f_(percorso, std::ios::binary) {
  aperto_ = static_cast<bool>(f_);
  if (aperto_ && f_.seekg(0, std::ios::end)) {
    std::streamoff fine = f_.tellg();
    if (fine > 0) dimensione_ = static_cast<std::uint64_t>(fine);
  }
}

bool LettoreLibro::Leggi(std::uint64_t posizione, NodoLibro& nodo) {
  unsigned char b[DimensioneNodoLibro];
  if (!aperto_ || posizione + DimensioneNodoLibro > dimensione_) return false;
  f_.clear();
  if (!f_.seekg(static_cast<std::streamoff>(posizione)) ||
      !f_.read(reinterpret_cast<char*>(b), sizeof b))
    return false;
  nodo = {Leggi32(b), Leggi32(b + 4), Leggi32(b + 8), Leggi32(b + 12)};
  return true;
}

std::uint64_t MossaLegaleDelLibro(std::uint32_t mossa) {
  for (const std::uint64_t* m = BufferMosseGenerate; m < FineMosseGenerate; ++m)
    if (*m == mossa) return *m;
  return 0;
}

void ScriviNotazioneLibro(std::uint32_t mossa, char* out) {
  if (MossaLegaleDelLibro(mossa))
    ScriviNotazioneAlgebrica(mossa, out);
  else
    std::snprintf(out, 8, "??");
}

int LeggiContinuazioni(LettoreLibro& libro, const std::uint64_t* mosse, std::uint64_t n,
                       VoceLibro* lista) {
  if (libro.dimensione() < DimensioneNodoLibro) return 0;
  std::uint64_t posizione = 0;
  NodoLibro nodo;
  // Each step moves forward in the file or one ply deeper: the walk ends.
  for (std::uint64_t k = 0; k < n;) {
    if (!libro.Leggi(posizione, nodo)) return -1;
    if (nodo.mossa != static_cast<std::uint32_t>(mosse[k])) {
      if (!nodo.fratello) return 0;
      if (!libro.LinkValido(posizione, nodo.fratello)) return -1;
      posizione = nodo.fratello;
    } else {
      if (!nodo.figlio) return 0;
      if (!libro.LinkValido(posizione, nodo.figlio)) return -1;
      posizione = nodo.figlio;
      ++k;
    }
  }
  int numero = 0;
  for (;;) {
    if (!libro.Leggi(posizione, nodo)) return -1;
    lista[numero++] = {nodo.mossa, nodo.figlio ? nodo.conteggio : 0};
    if (!nodo.fratello || numero == MaxContinuazioni) break;
    if (!libro.LinkValido(posizione, nodo.fratello)) return -1;
    posizione = nodo.fratello;
  }
  // Largest count first; a swap only on a strictly larger count keeps file order.
  for (int i = 0; i < numero; ++i)
    for (int j = 0; j + 1 < numero - i; ++j)
      if (lista[j + 1].conteggio > lista[j].conteggio) std::swap(lista[j], lista[j + 1]);
  return numero;
}

int LeggiMosseSuggerite(VoceLibro* lista) {
  std::string nome = PercorsoLibro(LibroDaConsultare);
  LettoreLibro libro(nome);
  if (!libro.Aperto()) {
    MsgFileNonTrovato(nome.c_str());
    return 0;
  }
  int n = LeggiContinuazioni(libro, ElencoMosse + 1, ContatoreMosse, lista);
  // A damaged book has no continuation to offer.
  return n < 0 ? 0 : n;
}

std::string ParoleConteggio(std::uint32_t conteggio) {
  if (conteggio > 1) return std::string(NumeroPuntato(conteggio)) + " " + Testo(StrLinea, 3, 2);
  return Testo(StrLinea, 3, static_cast<int>(conteggio));
}

void MostraMosseSuggerite() {
  VoceLibro lista[MaxContinuazioni];
  int n = LeggiMosseSuggerite(lista);
  if (n == 0) {
    FinestraDiDialogo(Testo(StrNoContinuazioni), 64);
    return;
  }
  std::string testo = std::string(Testo(StrContinuazioniDalLibro)) + " = " + std::to_string(n) + ":";
  for (int i = 0; i < n; ++i) {
    char san[16];
    ScriviNotazioneLibro(lista[i].mossa, san);
    testo += std::string("\n") + san + " -> (" + ParoleConteggio(lista[i].conteggio) + ");";
  }
  FinestraDiDialogo(testo.c_str(), 64);
}
