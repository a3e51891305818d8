#include "tools/eco_pgn.h"

#include <cctype>
#include <cstring>

#include "core/fai_mossa.h"
#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/notazione.h"
#include "core/posizione.h"

namespace {

// Plays one SAN token on the current position; false when it is not exactly
// one legal move.
bool GiocaSan(std::string san, std::uint64_t& mossa) {
  while (!san.empty() && std::strchr("+#!?", san.back())) san.pop_back();
  DettagliMossa d;
  if (san.empty() || !LeggiDettagliMossaDaStringa(san.c_str(), &d)) return false;
  std::uint64_t trovate[DimensioneBufferMosse];
  if (TrovaMosseCompatibili(trovate, &d, DimensioneBufferMosse) != 1) return false;
  mossa = trovate[0];
  if (!TavolaFaiMossa()[SpecieMossa(mossa)](mossa)) return false;
  GeneraMosseLegali();
  return true;
}

struct Lettore {
  const std::string& t;
  std::size_t p = 0;
  bool Fine() const { return p >= t.size(); }
  void SaltaSpazi() {
    while (!Fine()) {
      if (std::isspace(static_cast<unsigned char>(t[p]))) {
        ++p;
      } else if (t[p] == '{') {
        std::size_t f = t.find('}', p);
        p = f == std::string::npos ? t.size() : f + 1;
      } else {
        return;
      }
    }
  }
  std::string Parola() {
    std::size_t i = p;
    while (!Fine() && !std::isspace(static_cast<unsigned char>(t[p])) && t[p] != '[' &&
           t[p] != '{')
      ++p;
    return t.substr(i, p - i);
  }
};

// [Name "value"]; the value may hold "]" and escaped quotes.
bool LeggiTag(Lettore& l, std::string& nome, std::string& valore) {
  const std::string& t = l.t;
  std::size_t p = l.p + 1;
  while (p < t.size() && !std::isspace(static_cast<unsigned char>(t[p]))) nome += t[p++];
  while (p < t.size() && t[p] == ' ') ++p;
  if (p >= t.size() || t[p] != '"') return false;
  for (++p; p < t.size() && t[p] != '"'; ++p) {
    if (t[p] == '\\' && p + 1 < t.size()) ++p;
    valore += t[p];
  }
  std::size_t f = t.find(']', p);
  if (f == std::string::npos) return false;
  l.p = f + 1;
  return true;
}

}  // namespace

bool LeggiEcoPgn(const std::string& testo, std::vector<VoceEco>& voci, std::string& errore) {
  voci.clear();
  Lettore l{testo};
  for (;;) {
    l.SaltaSpazi();
    if (l.Fine()) return true;
    VoceEco v;
    while (!l.Fine() && l.t[l.p] == '[') {
      std::string nome, valore;
      if (!LeggiTag(l, nome, valore)) {
        errore = "malformed tag after entry " + std::to_string(voci.size());
        return false;
      }
      if (nome == "ECO" && valore.size() == 3 && valore[0] >= 'A' && valore[0] <= 'E' &&
          std::isdigit(static_cast<unsigned char>(valore[1])) &&
          std::isdigit(static_cast<unsigned char>(valore[2]))) {
        v.lettera = valore[0];
        v.numero = (valore[1] - '0') * 10 + (valore[2] - '0');
      } else if (nome == "Opening") {
        v.apertura = valore;
      } else if (nome == "Variation") {
        v.variante = valore;
      }
      l.SaltaSpazi();
    }
    std::string quale = "entry " + std::to_string(voci.size() + 1);
    if (!v.lettera || v.apertura.empty()) {
      errore = quale + " has no valid ECO or Opening tag";
      return false;
    }
    NuovaPosizione(FenIniziale);
    for (;;) {
      l.SaltaSpazi();
      if (l.Fine() || l.t[l.p] == '[') {
        errore = quale + " has no game end";
        return false;
      }
      std::string parola = l.Parola();
      if (parola == "*" || parola == "1-0" || parola == "0-1" || parola == "1/2-1/2") break;
      // Move numbers: "12." or "12..." alone, or glued to the move.
      std::size_t i = 0;
      while (i < parola.size() && std::isdigit(static_cast<unsigned char>(parola[i]))) ++i;
      if (i > 0 && i < parola.size() && parola[i] == '.') {
        while (i < parola.size() && parola[i] == '.') ++i;
        parola.erase(0, i);
      }
      if (parola.empty()) continue;
      std::uint64_t mossa;
      if (!GiocaSan(parola, mossa)) {
        errore = quale + ": '" + parola + "' is not one legal move";
        return false;
      }
      v.mosse.push_back(mossa);
    }
    voci.push_back(std::move(v));
  }
}
