#include "clock/lettore_pgn.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "record/utf8.h"

namespace {

bool Spazio(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
bool Cifra(char c) { return c >= '0' && c <= '9'; }
bool Lettera(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IniziaCon(const char* p, const char* prefisso) {
  return std::strncmp(p, prefisso, std::strlen(prefisso)) == 0;
}

// Past the end of the line at p (or at the end of the text).
const char* FineRiga(const char* p) {
  while (*p && *p != '\n') ++p;
  return p;
}

// Past the "}" that closes the comment opened just before p; null when the
// text ends first.
const char* FineCommento(const char* p) {
  const char* f = std::strchr(p, '}');
  return f ? f + 1 : nullptr;
}

// Past the ")" that closes the variation opened just before p, counting the
// variations nested in it and skipping comments, whose brackets do not count.
const char* FineVariante(const char* p) {
  int aperte = 1;
  while (*p) {
    char c = *p++;
    if (c == '(') {
      ++aperte;
    } else if (c == ')') {
      if (--aperte == 0) return p;
    } else if (c == '{') {
      p = FineCommento(p);
      if (!p) return nullptr;
    } else if (c == ';') {
      p = FineRiga(p);
    }
  }
  return nullptr;
}

// The "]" that closes the tag opened just before p, outside the quoted value
// (whose escaped quotes do not close it); null when the line ends first.
const char* FineTag(const char* p) {
  bool virgolette = false;
  for (; *p && *p != '\n'; ++p) {
    if (virgolette && *p == '\\' && p[1] && p[1] != '\n') {
      ++p;
    } else if (*p == '"') {
      virgolette = !virgolette;
    } else if (*p == ']' && !virgolette) {
      return p;
    }
  }
  return nullptr;
}

// A move token ends at white space and at the signs that open or close
// something else.
bool FineToken(char c) { return !c || Spazio(c) || std::strchr("{}()[];$", c); }

void AggiungiToken(DatiPartita* d, const char* inizio, std::size_t lunghezza) {
  if (d->mosse < MaxTokenMossa) {
    std::string t(inizio, lunghezza);
    CopiaCaratteriUtf8(d->token[d->mosse], LunghezzaTokenMossa, t.c_str(), 7);
    ++d->mosse;
  }
  ++d->mosse_trovate;
}

void CopiaTesto(char* d, std::size_t capacita, const char* s) {
  std::size_t n = std::strlen(s);
  if (n >= capacita) return;
  std::memcpy(d, s, n + 1);
}

// The value of a tag: the text between its quotes with "\"" and "\\" read back
// as the writer escapes them, blanks trimmed at both ends, at most 127 bytes
// cut at a character boundary. False without two quotes.
bool ValoreTag(const char* p, const char* fine, char* valore, std::size_t capacita) {
  while (p < fine && *p != '"') ++p;
  if (p == fine) return false;
  ++p;
  std::string v;
  for (; p < fine && *p != '"'; ++p) {
    if (*p == '\\' && p + 1 < fine && (p[1] == '"' || p[1] == '\\')) ++p;
    v += *p;
  }
  if (p == fine) return false;
  std::size_t a = 0, b = v.size();
  while (a < b && Spazio(v[a])) ++a;
  while (b > a && Spazio(v[b - 1])) --b;
  v = v.substr(a, b - a);
  CopiaCaratteriUtf8(valore, capacita, v.c_str(), static_cast<int>(capacita));
  return true;
}

void CopiaNome(char* cognome, char* nome, const char* valore) {
  const char* virgola = std::strchr(valore, ',');
  if (!virgola) {
    CopiaCaratteriUtf8(cognome, 128, valore, 50);
    nome[0] = 0;
    return;
  }
  std::string prima(valore, virgola);
  CopiaCaratteriUtf8(cognome, 128, prima.c_str(), 50);
  const char* dopo = virgola + 1;
  while (*dopo == ' ' || *dopo == '\t') ++dopo;
  CopiaCaratteriUtf8(nome, 128, dopo, 50);
}

// Exactly the digits (d) and the literal signs of the pattern.
bool Modello(const char* s, const char* modello) {
  for (; *modello; ++s, ++modello) {
    if (*modello == 'd' ? !Cifra(*s) : *s != *modello) return false;
  }
  return *s == 0;
}

int Numero(const char* s, int lunghezza) {
  int n = 0;
  for (int i = 0; i < lunghezza; ++i) n = n * 10 + (s[i] - '0');
  return n;
}

}  // namespace

void InizializzaStrutturaDatiPartita(DatiPartita* d) {
  std::memset(d, 0, sizeof *d);
  std::strcpy(d->cadenza, "?");
  std::strcpy(d->ora_utc, "?");
  std::strcpy(d->data_utc, "?");
  std::strcpy(d->risultato, "*");
  std::strcpy(d->termination, "?");
}

void CopiaCaratteriUtf8(char* d, std::size_t capacita, const char* s, int n) {
  std::size_t k = 0;
  for (int copiati = 0; copiati < n && *s; ++copiati) {
    int len = utf8_sequence_length(s);
    if (len == 0 || k + static_cast<std::size_t>(len) + 1 > capacita) break;
    std::memcpy(d + k, s, static_cast<std::size_t>(len));
    k += static_cast<std::size_t>(len);
    s += len;
  }
  d[k] = 0;
}

void CopiaValore_yyyy_mm_dd(char* d, const char* s) {
  if (!Modello(s, "dddd.dd.dd")) return;
  int anno = Numero(s, 4), mese = Numero(s + 5, 2), giorno = Numero(s + 8, 2);
  if (anno < 1000 || anno > 4000 || mese < 1 || mese > 12 || giorno < 1 || giorno > 31) return;
  std::memcpy(d, s, 11);
}

void CopiaValore_hh_mm_ss(char* d, const char* s) {
  if (!Modello(s, "dd:dd:dd")) return;
  if (Numero(s, 2) > 23 || Numero(s + 3, 2) > 59 || Numero(s + 6, 2) > 59) return;
  std::memcpy(d, s, 9);
}

void CopiaEloGiocatore(char* d, const char* s) {
  std::size_t n = std::strlen(s);
  if (n == 0 || n > 4) return;
  for (std::size_t i = 0; i < n; ++i)
    if (!Cifra(s[i])) return;
  int elo = Numero(s, static_cast<int>(n));
  if (elo < 1000 || elo > 4000) return;
  std::memcpy(d, s, 5);
}

void CopiaRisultatoDaStringa(char* d, const char* s) {
  for (const char* r : {"*", "1-0", "0-1", "1/2-1/2"})
    if (std::strcmp(s, r) == 0) std::strcpy(d, r);
}

void CopiaTempoRimastoDaStringa(char* d, const char* s) {
  int secondi;
  if (CopiaSecondiDaStringa(&secondi, s)) CopiaTesto(d, 12, s);
}

int CopiaSecondiDaStringa(int* secondi, const char* testo) {
  // The writer puts down what the clock shows: below zero after a declined
  // flag fall, above 99999 seconds in long multi-period controls.
  const char* p = testo;
  if (*p == '-') ++p;
  std::size_t cifre = std::strlen(p);
  if (cifre == 0 || cifre > 7) return 0;
  for (std::size_t i = 0; i < cifre; ++i)
    if (!Cifra(p[i])) return 0;
  long v = std::strtol(testo, nullptr, 10);
  if (v < -MaxSecondiTempoRimasto || v > MaxSecondiTempoRimasto) return 0;
  *secondi = static_cast<int>(v);
  return 1;
}

void LeggiTagDaStringa(const char* tag, std::size_t lunghezza, DatiPartita* d) {
  const char* fine = tag + lunghezza;
  const char* p = tag;
  while (p < fine && Spazio(*p)) ++p;
  std::string chiave;
  for (; p < fine && !Spazio(*p) && *p != '"'; ++p)
    if (chiave.size() < 63)
      chiave += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
  if (chiave.empty() || p == fine) return;
  char valore[128];
  if (!ValoreTag(p, fine, valore, sizeof valore)) return;
  // "?" is how the writer marks a field it has no value for.
  if (std::strcmp(valore, "?") == 0) valore[0] = 0;

  if (chiave == "event") {
    CopiaCaratteriUtf8(d->event, sizeof d->event, valore, 50);
  } else if (chiave == "round") {
    CopiaCaratteriUtf8(d->round, sizeof d->round, valore, 50);
  } else if (chiave == "termination") {
    if (valore[0]) CopiaCaratteriUtf8(d->termination, sizeof d->termination, valore, 50);
  } else if (chiave == "utctime") {
    CopiaValore_hh_mm_ss(d->ora_utc, valore);
  } else if (chiave == "utcdate") {
    CopiaValore_yyyy_mm_dd(d->data_utc, valore);
  } else if (chiave == "whiteelo") {
    CopiaEloGiocatore(d->white_elo, valore);
  } else if (chiave == "blackelo") {
    CopiaEloGiocatore(d->black_elo, valore);
  } else if (chiave == "result") {
    CopiaRisultatoDaStringa(d->risultato, valore);
  } else if (chiave == "timecontrol") {
    if (valore[0]) CopiaCaratteriUtf8(d->cadenza, sizeof d->cadenza, valore, 63);
  } else if (chiave == "whitetimeleft") {
    CopiaTempoRimastoDaStringa(d->tempo_bianco, valore);
  } else if (chiave == "blacktimeleft") {
    CopiaTempoRimastoDaStringa(d->tempo_nero, valore);
  } else if (chiave == "white") {
    if (valore[0]) CopiaNome(d->white_cognome, d->white_nome, valore);
  } else if (chiave == "black") {
    if (valore[0]) CopiaNome(d->black_cognome, d->black_nome, valore);
  }
}

void LeggiDatiPartitaDaStringa(const char* testo, DatiPartita* d) {
  const char* p = testo;
  if (IniziaCon(p, "\xEF\xBB\xBF")) p += 3;  // a byte-order mark
  bool inizio_riga = true;
  while (p && *p) {
    char c = *p;
    if (Spazio(c)) {
      inizio_riga = c == '\n';
      ++p;
      continue;
    }
    bool riga_nuova = inizio_riga;
    inizio_riga = false;
    if (c == '*') return;
    if (c == '%' && riga_nuova) {
      p = FineRiga(p);
    } else if (c == '[') {
      // Tags after moves belong to the next game on the clipboard.
      if (d->mosse_trovate > 0) return;
      const char* f = FineTag(p + 1);
      if (!f) {
        p = FineRiga(p);
        continue;
      }
      std::size_t n = static_cast<std::size_t>(f - (p + 1));
      LeggiTagDaStringa(p + 1, n > 256 ? 256 : n, d);
      p = f + 1;
    } else if (c == '{') {
      p = FineCommento(p + 1);
    } else if (c == '(') {
      p = FineVariante(p + 1);
    } else if (c == ';') {
      p = FineRiga(p);
    } else if (Cifra(c)) {
      const char* risultati[] = {"1-0", "0-1", "1/2-1/2"};
      for (const char* r : risultati)
        if (IniziaCon(p, r)) {
          std::strcpy(d->risultato, r);
          return;
        }
      if (IniziaCon(p, "0-0-0") || IniziaCon(p, "0-0")) {
        std::size_t n = IniziaCon(p, "0-0-0") ? 5 : 3;
        AggiungiToken(d, p, n);
        p += n;
      } else {
        while (Cifra(*p)) ++p;
      }
    } else if (Lettera(c)) {
      const char* inizio = p;
      while (!FineToken(*p)) ++p;
      AggiungiToken(d, inizio, static_cast<std::size_t>(p - inizio));
    } else {
      ++p;
    }
  }
}
