#include "book/costruttore_libro.h"

#include <cstdlib>
#include <cstring>
#include <fstream>

#include "core/fai_mossa.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/notazione.h"
#include "core/posizione.h"
#include "record/scrittura_atomica.h"

RecordCostruttoreLibro CostruttoreLibro;
void (*ProvaDopoPartita)(std::uint64_t letti) = nullptr;

namespace {

constexpr std::uint64_t LimiteLibro = 0xFFFFFFFFull;  // offsets are 32-bit

// A buffered character reader that knows how far it has read.
class LettorePgn {
 public:
  explicit LettorePgn(std::FILE* f) : f_(f) {}
  int Prossimo() {
    if (i_ == n_ && !Riempi()) return EOF;
    ++letti_;
    return static_cast<unsigned char>(b_[i_++]);
  }
  int Guarda() {
    if (i_ == n_ && !Riempi()) return EOF;
    return static_cast<unsigned char>(b_[i_]);
  }
  std::uint64_t letti() const { return letti_; }
  // Skips up to and including c; false at the end of the file.
  bool SaltaFinoA(int c) {
    for (;;) {
      if (i_ == n_ && !Riempi()) return false;
      const void* t = std::memchr(b_ + i_, c, n_ - i_);
      std::size_t fino = t ? static_cast<std::size_t>(static_cast<const char*>(t) - b_) + 1 : n_;
      letti_ += fino - i_;
      i_ = fino;
      if (t) return true;
    }
  }

 private:
  bool Riempi() {
    n_ = f_ ? std::fread(b_, 1, sizeof b_, f_) : 0;
    i_ = 0;
    return n_ > 0;
  }
  std::FILE* f_;
  char b_[1 << 16];
  std::size_t i_ = 0, n_ = 0;
  std::uint64_t letti_ = 0;
};

// Characters that end a move word: blanks, "$" and the brackets and braces.
struct FineParola {
  bool t[256] = {};
  constexpr FineParola() {
    for (unsigned char c : {' ', '\t', '\n', '\r', '\f', '\v', '$', '{', '}', '(', ')', '[', ']', ';'})
      t[c] = true;
  }
};
constexpr FineParola FinisceParola;

bool Lettera(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool Cifra(int c) { return c >= '0' && c <= '9'; }
bool Spazio(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

void RitiraTutte() {
  while (ContatoreMosse > 0) {
    std::uint64_t m = ElencoMosse[ContatoreMosse];
    TavolaRitiraMossa()[SpecieMossa(m)](m);
  }
}

// Whether a move agrees with every detail the text gives; with no promotion
// piece given, only a move that is not a promotion does.
bool Corrisponde(std::uint64_t mossa, const DettagliMossa& d) {
  const std::uint64_t specie = SpecieMossa(mossa), da = DaCasa(mossa), a = ACasa(mossa);
  if ((d.a_colonna != NonDato && d.a_colonna != (a & 7)) ||
      (d.a_riga != NonDato && d.a_riga != (a >> 3)) ||
      (d.pezzo != NonDato && d.pezzo != TipoPezzoMossa[specie]) ||
      (d.da_colonna != NonDato && d.da_colonna != (da & 7)) ||
      (d.da_riga != NonDato && d.da_riga != (da >> 3)))
    return false;
  const std::uint8_t promozione = TipoPromozioneMossa[specie];
  return d.promozione != NonDato ? d.promozione == promozione : promozione == 255;
}

bool Legale(std::uint64_t mossa) {
  if (!TavolaFaiMossa()[SpecieMossa(mossa)](mossa)) return false;
  TavolaRitiraMossa()[SpecieMossa(mossa)](mossa);
  return true;
}

// Plays the one legal move the text describes and gives it; 0 when there is
// none or more than one. A single candidate is tested by its own make.
std::uint64_t GiocaTesto(const char* testo) {
  DettagliMossa d;
  if (!LeggiDettagliMossaDaStringa(testo, &d)) return 0;
  std::uint64_t unica = 0;
  int n = 0;
  // Most texts name their destination: a square comparison rules out the rest.
  const bool casa = d.a_colonna != NonDato && d.a_riga != NonDato;
  const std::uint64_t a = casa ? d.a_riga * 8u + d.a_colonna : 64;
  for (const std::uint64_t* m = BufferMosseGenerate; m < FineMosseGenerate; ++m)
    if ((!casa || ACasa(*m) == a) && Corrisponde(*m, d) && ++n == 1) unica = *m;
  if (n == 1) return TavolaFaiMossa()[SpecieMossa(unica)](unica) ? unica : 0;
  std::uint64_t mossa = n ? ConvertiStringaInMossa(testo) : 0;
  if (mossa) TavolaFaiMossa()[SpecieMossa(mossa)](mossa);
  return mossa;
}

class Costruzione {
 public:
  Costruzione(std::FILE* f, std::vector<NodoLibro>& libro, const CriteriLibro& c,
              std::atomic<std::uint64_t>* progresso)
      : in_(f), libro_(libro), criteri_(c), progresso_(progresso) {}

  EsitoCostruzione Esegui() {
    utente_.assign(ElencoMosse, ElencoMosse + ContatoreMosse + 1);
    const std::uint64_t p = ContatoreMosse;
    RitiraTutte();
    GeneraMossePseudolegali();
    Leggi();
    RitiraTutte();
    GeneraMosseLegali();
    for (std::uint64_t k = 1; k <= p; ++k) {
      TavolaFaiMossa()[SpecieMossa(utente_[k])](utente_[k]);
      GeneraMosseLegali();
    }
    return esito_;
  }

 private:
  void Leggi() {
    int prima = '\n';
    for (int c = in_.Prossimo(); c != EOF && !esito_.pieno; prima = c, c = in_.Prossimo()) {
      if (prima == '\n' && (c == ';' || c == '%')) {
        if (!in_.SaltaFinoA('\n')) break;
        c = '\n';
      } else if (c == '(') {
        SaltaVariante();
      } else if (c == '{') {
        in_.SaltaFinoA('}');
      } else if (c == '[') {
        FinePartita();
        salta_ = false;
        LeggiTag();
      } else if (c == '*') {
        FinePartita();
        salta_ = false;
      } else if (c == '-') {
        int dopo = in_.Guarda();
        if ((prima == '1' && dopo == '0') || (prima == '0' && dopo == '1')) {
          FinePartita();
          salta_ = false;
        } else {
          salta_ = true;
        }
      } else if (c == '/') {
        if (prima == '1' && Patta()) {
          FinePartita();
          salta_ = false;
        } else {
          salta_ = true;
        }
      } else if (Lettera(c) && !salta_) {
        Mossa(c);
      }
    }
    if (!esito_.pieno) FinePartita();
  }

  // "(" read: nesting counted, comments inside skipped, ends at the end of file.
  void SaltaVariante() {
    int livello = 1;
    while (livello > 0) {
      int c = in_.Prossimo();
      if (c == EOF) return;
      if (c == '(') ++livello;
      if (c == ')') --livello;
      if (c == '{' && !in_.SaltaFinoA('}')) return;
    }
  }

  // "1/" read: the rest of the word tells a draw "1/2-1/2" from anything else.
  bool Patta() {
    char parola[8];
    int n = 0;
    for (int c = in_.Guarda(); c != EOF && !Spazio(c) && n < 7; c = in_.Guarda()) {
      parola[n++] = static_cast<char>(in_.Prossimo());
      if (n == 5) break;
    }
    parola[n] = 0;
    return std::strncmp(parola, "2-1/2", 5) == 0;
  }

  // "[" read: the name, the quoted value (which may hold "]"), then up to "]".
  void LeggiTag() {
    char nome[32];
    int n = 0;
    int c = in_.Prossimo();
    for (; c != EOF && !Spazio(c) && c != '"' && c != ']'; c = in_.Prossimo())
      if (n < 31) nome[n++] = static_cast<char>(c);
    nome[n] = 0;
    while (c != EOF && c != '"' && c != ']') c = in_.Prossimo();
    if (c == '"') {
      char valore[256];
      int v = 0;
      for (c = in_.Prossimo(); c != EOF && c != '"'; c = in_.Prossimo()) {
        if (c == '\\') c = in_.Prossimo();
        if (c == EOF) break;
        if (v < 255) valore[v++] = static_cast<char>(c);
      }
      valore[v] = 0;
      if (criteri_.min_elo != 0 &&
          (std::strcmp(nome, "WhiteElo") == 0 || std::strcmp(nome, "BlackElo") == 0)) {
        char* fine;
        long elo = std::strtol(valore, &fine, 10);
        if (fine != valore && elo >= criteri_.min_elo) ++elo_;
      }
      if (c != EOF) in_.SaltaFinoA(']');
    }
  }

  void Mossa(int c) {
    if (criteri_.min_elo != 0 && ContatoreMosse == 0) {
      bool valida = elo_ == 2;
      elo_ = 0;
      if (!valida) {
        salta_ = true;
        return;
      }
    }
    // The word: letters and digits up to a blank, "$", a bracket or a brace.
    char parola[8];
    int n = 0;
    parola[n++] = static_cast<char>(c);
    for (int x = in_.Guarda(); x != EOF && !FinisceParola.t[x]; x = in_.Guarda()) {
      in_.Prossimo();
      if ((Lettera(x) || Cifra(x)) && n < 7) parola[n++] = static_cast<char>(x);
    }
    parola[n] = 0;
    const std::uint64_t p = utente_.size() - 1;
    const std::uint64_t ply = ContatoreMosse + 1;
    std::uint64_t mossa = GiocaTesto(parola);
    if (!mossa || (ply <= p && mossa != utente_[ply])) {
      salta_ = true;
      RitiraTutte();
      GeneraMossePseudolegali();
      return;
    }
    if (ContatoreMosse >= static_cast<std::uint64_t>(criteri_.max_ply)) {
      salta_ = true;
      FinePartita();
    } else {
      GeneraMossePseudolegali();
    }
  }

  void FinePartita() {
    if (ContatoreMosse >= 1 && ContatoreMosse >= static_cast<std::uint64_t>(criteri_.min_ply)) {
      int r = AggiungiNuovaLinea(libro_);
      if (r < 0) {
        esito_.pieno = true;
        return;
      }
      esito_.linee_nuove += static_cast<std::uint32_t>(r);
      ++esito_.partite;
    }
    // At the initial position the list of its moves is already in the buffer.
    if (ContatoreMosse > 0) {
      RitiraTutte();
      GeneraMossePseudolegali();
    }
    if (++azzeramenti_ % 1024 == 0 && progresso_)
      progresso_->store(in_.letti(), std::memory_order_release);
    if (ProvaDopoPartita) ProvaDopoPartita(in_.letti());
  }

  LettorePgn in_;
  std::vector<NodoLibro>& libro_;
  CriteriLibro criteri_;
  std::atomic<std::uint64_t>* progresso_;
  std::vector<std::uint64_t> utente_;
  EsitoCostruzione esito_;
  bool salta_ = false;
  int elo_ = 0;
  std::uint64_t azzeramenti_ = 0;
};

}  // namespace

std::uint64_t ConvertiStringaInMossa(const char* testo) {
  DettagliMossa d;
  if (!LeggiDettagliMossaDaStringa(testo, &d)) return 0;
  std::uint64_t trovata = 0;
  for (const std::uint64_t* m = BufferMosseGenerate; m < FineMosseGenerate; ++m) {
    if (!Corrisponde(*m, d) || !Legale(*m)) continue;
    if (trovata) return 0;  // ambiguous
    trovata = *m;
  }
  return trovata;
}

int AggiungiNuovaLinea(std::vector<NodoLibro>& libro) {
  const std::uint64_t n = ContatoreMosse;
  const std::uint64_t fine = libro.size();  // in nodes
  std::uint64_t k = 0;
  bool nuovo_ramo = fine == 0;
  std::uint64_t percorso[DimensioneBackup];
  std::uint64_t passi = 0;
  std::uint32_t* collega = nullptr;  // the link the new nodes hang from
  if (fine > 0) {
    std::uint64_t i = 0;
    for (;;) {
      NodoLibro& nodo = libro[i];
      if (nodo.mossa != static_cast<std::uint32_t>(ElencoMosse[k + 1])) {
        // Links were checked to point forwards when the book was read.
        if (nodo.fratello) {
          i = nodo.fratello / DimensioneNodoLibro;
          continue;
        }
        collega = &nodo.fratello;
        nuovo_ramo = true;
        break;
      }
      percorso[passi++] = i;
      if (++k == n) return 0;
      if (nodo.figlio) {
        i = nodo.figlio / DimensioneNodoLibro;
        continue;
      }
      collega = &nodo.figlio;
      break;
    }
  }
  const std::uint64_t m = n - k;
  if ((fine + m) * DimensioneNodoLibro >= LimiteLibro) return -1;
  if (collega) *collega = static_cast<std::uint32_t>(fine * DimensioneNodoLibro);
  if (nuovo_ramo)
    for (std::uint64_t j = 0; j < passi; ++j) ++libro[percorso[j]].conteggio;
  for (std::uint64_t j = 0; j < m; ++j) {
    NodoLibro nodo;
    nodo.mossa = static_cast<std::uint32_t>(ElencoMosse[k + 1 + j]);
    nodo.figlio = j + 1 < m ? static_cast<std::uint32_t>((fine + j + 1) * DimensioneNodoLibro) : 0;
    nodo.conteggio = 1;
    libro.push_back(nodo);
  }
  return nuovo_ramo ? 1 : 0;
}

EsitoCostruzione CostruisciLibroDa(std::FILE* pgn, std::vector<NodoLibro>& libro,
                                   const CriteriLibro& criteri,
                                   std::atomic<std::uint64_t>* progresso) {
  return Costruzione(pgn, libro, criteri, progresso).Esegui();
}

bool LibroIntegro(const std::vector<NodoLibro>& libro) {
  const std::uint64_t fine = libro.size() * DimensioneNodoLibro;
  auto valido = [&](std::uint64_t da, std::uint32_t link) {
    return link == 0 || (link > da && link % DimensioneNodoLibro == 0 && link < fine);
  };
  for (std::uint64_t i = 0; i < libro.size(); ++i)
    if (!valido(i * DimensioneNodoLibro, libro[i].figlio) ||
        !valido(i * DimensioneNodoLibro, libro[i].fratello))
      return false;
  return fine < LimiteLibro;
}

bool LeggiLibro(const std::string& percorso, std::vector<NodoLibro>& libro) {
  libro.clear();
  std::ifstream f(percorso, std::ios::binary);
  if (!f) return false;
  unsigned char b[DimensioneNodoLibro];
  auto campo = [&](int o) {
    return b[o] | (b[o + 1] << 8) | (b[o + 2] << 16) | (static_cast<std::uint32_t>(b[o + 3]) << 24);
  };
  while (f.read(reinterpret_cast<char*>(b), sizeof b))
    libro.push_back({campo(0), campo(4), campo(8), campo(12)});
  // A partial node at the end means a damaged file.
  return f.gcount() == 0 && f.eof();
}

bool ScriviLibro(const std::string& percorso, const std::vector<NodoLibro>& libro) {
  std::string b;
  b.reserve(libro.size() * DimensioneNodoLibro);
  for (const NodoLibro& n : libro)
    for (std::uint32_t v : {n.mossa, n.figlio, n.fratello, n.conteggio})
      for (int s = 0; s < 32; s += 8) b.push_back(static_cast<char>(v >> s));
  return ScriviFileIntero(percorso, b, nullptr, true);
}
