#include "book/eco.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_eco.h"
#include "data/msg_speech.h"
#include "speech/annuncio.h"

namespace {

constexpr std::size_t DimensioneNodo = 16, MaxNodi = 65536;

// The whole file, read once: a lookup touches no file.
std::vector<unsigned char> DatiEco;

std::uint32_t Leggi32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint32_t Leggi16(const unsigned char* p) { return p[0] | (p[1] << 8); }

// Letters, numbers and name indices are checked before a record is trusted.
bool RecordValido(const InfoApertura& r) {
  return r.lettera >= 'A' && r.lettera <= 'E' && r.numero <= 99 &&
         r.apertura < NessunaVariante && r.variante <= NessunaVariante;
}

}  // namespace

int CaricaEco(const char* nome) {
  DatiEco.clear();
  std::ifstream f(nome, std::ios::binary);
  if (!f) return 0;
  std::vector<unsigned char> dati((std::istreambuf_iterator<char>(f)),
                                  std::istreambuf_iterator<char>());
  // A partial node means a damaged file: none of it is trusted.
  if (f.bad() || dati.empty() || dati.size() % DimensioneNodo != 0 ||
      dati.size() > MaxNodi * DimensioneNodo)
    return 0;
  DatiEco = std::move(dati);
  return 1;
}

int EcoDisponibile() { return !DatiEco.empty(); }

void ClassificaMosse(const std::uint64_t* mosse, std::uint64_t n, InfoApertura* info) {
  *info = InfoApertura{};
  const std::size_t nodi = DatiEco.size() / DimensioneNodo;
  if (n == 0 || nodi == 0) return;
  // Links are followed only forwards and inside the file, so every walk ends.
  std::size_t i = 0;
  std::uint64_t k = 0;
  for (;;) {
    const unsigned char* nodo = DatiEco.data() + DimensioneNodo * i;
    if (Leggi32(nodo) != static_cast<std::uint32_t>(mosse[k])) {
      std::size_t fratello = Leggi16(nodo + 6);
      if (fratello <= i || fratello >= nodi) return;
      i = fratello;
      continue;
    }
    ++k;
    if (nodo[8]) {
      InfoApertura r;
      std::memcpy(&r, nodo + 8, sizeof r);
      r.apertura = static_cast<std::uint16_t>(Leggi16(nodo + 12));
      r.variante = static_cast<std::uint16_t>(Leggi16(nodo + 14));
      if (RecordValido(r)) *info = r;
    }
    if (k == n) return;
    std::size_t figlio = Leggi16(nodo + 4);
    if (figlio <= i || figlio >= nodi) return;
    i = figlio;
  }
}

void LeggiInfoApertura(InfoApertura* info) { ClassificaMosse(ElencoMosse + 1, ContatoreMosse, info); }

void MostraInfoApertura() {
  if (ContatoreMosse == 0) {
    FinestraDiDialogo(Testo(StrPosizioneIniziale), 64);
    return;
  }
  if (!EcoDisponibile()) {
    FinestraDiDialogo(Testo(MsgEcoNonDisponibile), 64);
    return;
  }
  InfoApertura info;
  LeggiInfoApertura(&info);
  if (!info.trovata) {
    FinestraDiDialogo(Testo(StrNoEco), 64);
    return;
  }
  char messaggio[1024];
  int n = std::snprintf(messaggio, sizeof messaggio, "%s: %c%02d;\n%s: %s;\n", Testo(StrCodiceEco),
                        info.lettera, info.numero, Testo(StrApertura), NomeVariante[info.apertura]);
  if (info.variante != NessunaVariante && n > 0 && static_cast<std::size_t>(n) < sizeof messaggio)
    std::snprintf(messaggio + n, sizeof messaggio - n, "%s: %s;\n", Testo(StrVariante),
                  NomeVariante[info.variante]);
  FinestraDiDialogo(messaggio, 64);
}

void ScriviInfoApertura(const InfoApertura* info, char* testo, std::size_t dimensione) {
  if (!info->trovata) return;
  std::size_t usato = std::strlen(testo);
  if (usato >= dimensione) return;
  int n = std::snprintf(testo + usato, dimensione - usato, " %c%02d, %s", info->lettera,
                        info->numero, NomeVariante[info->apertura]);
  if (n < 0 || usato + n >= dimensione || info->variante == NessunaVariante) return;
  usato += n;
  std::snprintf(testo + usato, dimensione - usato, ", %s", NomeVariante[info->variante]);
}

void ScriviTagEco(std::string& testo, const char* a_capo) {
  InfoApertura info;
  LeggiInfoApertura(&info);
  if (!info.trovata) return;
  char codice[4] = {static_cast<char>(info.lettera), static_cast<char>('0' + info.numero / 10),
                    static_cast<char>('0' + info.numero % 10), 0};
  testo += std::string("[ECO \"") + codice + "\"]" + a_capo;
  testo += std::string("[Opening \"") + NomeVariante[info.apertura] + "\"]" + a_capo;
  if (info.variante != NessunaVariante)
    testo += std::string("[Variation \"") + NomeVariante[info.variante] + "\"]" + a_capo;
}
