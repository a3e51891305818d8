// Reading and writing vantorel.ini, and the labels and value lists that its
// comments, the questions and the menus share.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_config.h"
#include "platform/platform.h"
#include "record/scrittura_atomica.h"
#include "speech/annuncio.h"

namespace {

// The first, silent reading at start-up only learns the language and the
// speech channel, so that the messages of the real reading are heard.
bool lettura_muta = false;

void Avviso(const char* testo) {
  if (!lettura_muta) FinestraDiDialogo(testo, 64);
}
void Riscrivi() {
  if (!lettura_muta) ScriviIni();
}

// The characters a book file name must not contain.
constexpr const char kVietatiInNomeFile[] = " |/\\~\"#%&^*:!?<>{}";

char etichetta[256];
char valori_ammessi[1024];

bool interruttore(int i) { return i == iniautorefresh || i == iniautosave || i == iniEchoExplorer; }

// Name of value v of parameter i, for the parameters whose values have names.
const char* NomeValore(int i, int v) {
  switch (i) {
    case iniClockMode:
      return Testo(StrValorePeriodo, 6, v);
    case iniAssistanceType:
      return Testo(StrValoreAssistenza, 3, v);
    case iniMDV:
      return Testo(StrValoreAssistente, 3, v);
    case inilang:
      return str_ValoreLingua[v];
    default:
      return StrSpentoAcceso[v];
  }
}

void Aggiungi(std::string& s, const char* formato, auto... valori) {
  char pezzo[2048];
  std::snprintf(pezzo, sizeof pezzo, formato, valori...);
  s += pezzo;
}

// The once-per-failure report: a player is told that the settings will not
// survive the session, but not after every single change.
bool scrittura_fallita_segnalata = false;

}  // namespace

const char* EtichettaParametroIni(int i) {
  etichetta[0] = 0;
  if (i == iniClockMode) {
    std::snprintf(etichetta, sizeof etichetta, "%s", Testo(StrEtichettaModoOrologio));
  } else if (i >= iniP1T && i <= iniP4I) {
    std::snprintf(etichetta, sizeof etichetta, "%s %s",
                  Testo(StrTipoParametroPeriodo, 3, (i - 1) % 3),
                  Testo(StrNomePeriodo, 4, (i - 1) / 3));
  } else if (i >= inia1 && i <= inia5) {
    std::snprintf(etichetta, sizeof etichetta, "%s", Testo(StrNomeAllarme, 5, i - inia1));
  } else if (i >= iniautorefresh && i < NumeroParametriIni) {
    std::snprintf(etichetta, sizeof etichetta, "%s",
                  Testo(StrEtichettaAltriParametri, 9, i - iniautorefresh));
  }
  return etichetta;
}

const char* ValoriAmmessiParametroIni(int i) {
  const VoceIni& p = ParametroIni[i];
  std::string s;
  Aggiungi(s, " %s:", Testo(StrValoriAmmessi));
  Aggiungi(s, " min %d,", p.minimo);
  Aggiungi(s, " max %d.", p.massimo);
  if (i == iniClockMode) {
    for (int v = 0; v <= 5; ++v) Aggiungi(s, "\n\t%d=\t%s.", v, NomeValore(i, v));
  } else if (interruttore(i)) {
    for (int v = 0; v <= 1; ++v) Aggiungi(s, "\n\t%d\t=\t%s.", v, NomeValore(i, v));
  } else if (i == iniAssistanceType || i == iniMDV) {
    for (int v = 0; v <= 2; ++v) Aggiungi(s, "\n\t%d=\t%s.", v, NomeValore(i, v));
  } else if (i == inilang) {
    for (int v = 0; v <= 2; ++v) Aggiungi(s, "\n\t%d = %s;", v, NomeValore(i, v));
  }
  std::snprintf(valori_ammessi, sizeof valori_ammessi, "%s", s.c_str());
  return valori_ammessi;
}

void AvisaValoreIniErrato(int i) {
  char testo[512];
  std::snprintf(testo, sizeof testo, "%s.\n%s", Testo(MsgErroreInIni), EtichettaParametroIni(i));
  Avviso(testo);
}

// A control character (a NUL or a tab in a damaged file) names no file anyone meant.
static bool HaCaratteriDiControllo(const char* nome) {
  for (const char* p = nome; *p; ++p)
    if (static_cast<unsigned char>(*p) < 0x20) return true;
  return false;
}

int ControllaNomeLibroInIni(const char* etichetta_libro, const char* nome) {
  const std::size_t lunghezza = std::strlen(nome);
  if (std::strpbrk(nome, kVietatiInNomeFile) == nullptr && !HaCaratteriDiControllo(nome) &&
      lunghezza > 0 && lunghezza <= static_cast<std::size_t>(LunghezzaMassimaNomeLibro))
    return 1;
  char testo[512];
  std::snprintf(testo, sizeof testo, "%s.\n%s", Testo(MsgErroreInIni), etichetta_libro);
  Avviso(testo);
  return 0;
}

static std::string TestoIni() {
  std::string s;
  for (int i = 0; i < NumeroParametriIni; ++i) {
    const VoceIni& p = ParametroIni[i];
    Aggiungi(s, "\n%s. %s", EtichettaParametroIni(i), Testo(StrPredefinito));
    if (interruttore(i) || i == iniAssistanceType || i == iniMDV || i == inilang)
      Aggiungi(s, " %s.", NomeValore(i, p.predefinito));
    else if (i == iniMinPlyBookLine || i == iniMaxPlyBookLine)
      Aggiungi(s, " %d %s.", p.predefinito, Testo(StrSemimosseUnita));
    else if (i >= inia1 && i <= inia5)
      Aggiungi(s, " %d %s.", p.predefinito, Testo(StrUnitaAllarme));
    else
      Aggiungi(s, " %d.", p.predefinito);
    s += ValoriAmmessiParametroIni(i);
    Aggiungi(s, "\n$\t%s\t%d", p.nome, p.valore);
  }
  s += "\n\n@ BookToConsult\t";
  s += LibroDaConsultare;
  s += "\n@ BookToBild\t";
  s += LibroDaCostruire;
  s += "\n";
  return s;
}

namespace {

// Where the settings go: through a link to the file it names. Empty when the file exists but
// the user may not change it (no write permission), so that it is left as it is.
std::filesystem::path Destinazione() {
  namespace fs = std::filesystem;
  std::error_code e;
  fs::path d = NomeFileIni;
  if (fs::is_symlink(d, e)) {
    d = fs::weakly_canonical(d, e);
    if (e) return {};
  }
  const fs::file_status stato = fs::status(d, e);
  if (!fs::exists(stato)) return d;
  if ((stato.permissions() & fs::perms::owner_write) == fs::perms::none) return {};
  std::FILE* f = std::fopen(d.string().c_str(), "r+");
  if (!f) return {};
  std::fclose(f);
  return d;
}

}  // namespace

int ScriviIni() {
  const std::filesystem::path destinazione = Destinazione();
  // Text mode: line feeds become CR LF where the platform wants them.
  const bool ok = !destinazione.empty() && ScriviFileIntero(destinazione.string(), TestoIni());
  if (ok) {
    scrittura_fallita_segnalata = false;
    return 1;
  }
  if (!scrittura_fallita_segnalata) {
    scrittura_fallita_segnalata = true;
    FinestraDiDialogo(Testo(MsgIniNonScrivibile), 64);
  }
  return 0;
}

namespace {

// A cursor over the file's text, with the few reads the format needs.
struct Lettore {
  const std::string& t;
  std::size_t pos = 0;

  bool spazio(char c) const {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
  }
  // A blank-delimited word, after any white space.
  std::string parola() {
    while (pos < t.size() && spazio(t[pos])) ++pos;
    std::size_t inizio = pos;
    while (pos < t.size() && !spazio(t[pos])) ++pos;
    return t.substr(inizio, pos - inizio);
  }
  // A word on the same line: an empty book name must not take the next line's text.
  std::string parola_sulla_riga() {
    while (pos < t.size() && (t[pos] == ' ' || t[pos] == '\t')) ++pos;
    std::size_t inizio = pos;
    while (pos < t.size() && !spazio(t[pos])) ++pos;
    return t.substr(inizio, pos - inizio);
  }
  // A decimal integer after white space; false when there is none or it
  // does not fit 32 bits (the text is then left for the comment scan).
  bool intero(long long& valore) {
    std::size_t p = pos;
    while (p < t.size() && spazio(t[p])) ++p;
    bool negativo = false;
    if (p < t.size() && (t[p] == '-' || t[p] == '+')) negativo = t[p++] == '-';
    std::size_t cifre = p;
    long long v = 0;
    while (p < t.size() && t[p] >= '0' && t[p] <= '9') {
      if (v < 100000000000LL) v = v * 10 + (t[p] - '0');
      ++p;
    }
    if (p == cifre) return false;
    pos = p;
    valore = negativo ? -v : v;
    return true;
  }
};

int IndiceChiave(const std::string& chiave) {
  for (int i = 0; i < NumeroParametriIni; ++i)
    if (chiave == ParametroIni[i].nome) return i;
  return -1;
}

void Scarta() {
  Avviso(Testo(MsgIniNonLeggibile));
  DefaultIni();
  Riscrivi();
}

}  // namespace

static void LeggiFileIni();

void LeggiIniInSilenzio() {
  lettura_muta = true;
  LeggiFileIni();
  lettura_muta = false;
}

void LeggiIni() {
  LeggiFileIni();
  platform::current().set_language(lang());  // the dialogs' buttons
}

static void LeggiFileIni() {
  DefaultIni();
  std::string testo;
  {
    std::FILE* f = std::fopen(NomeFileIni, "r");
    if (!f) {
      Avviso(Testo(MsgIniNonTrovato));
      Riscrivi();
      return;
    }
    char blocco[4096];
    std::size_t n;
    while ((n = std::fread(blocco, 1, sizeof blocco, f)) > 0) testo.append(blocco, n);
    std::fclose(f);
  }

  unsigned visti = 0;                 // one bit per parameter found
  std::string consultare, costruire;  // empty: the file does not give the name
  Lettore l{testo};
  while (l.pos < testo.size()) {
    char c = testo[l.pos++];
    if (c == '$') {
      int i = IndiceChiave(l.parola());
      if (i < 0) return Scarta();
      visti |= 1u << i;
      long long v;
      // A missing or malformed number is an invalid value: the default stays.
      if (l.intero(v) && v >= ParametroIni[i].minimo && v <= ParametroIni[i].massimo)
        ParametroIni[i].valore = static_cast<int>(v);
      else
        AvisaValoreIniErrato(i);
    } else if (c == '@') {
      std::string chiave = l.parola();
      if (chiave == "BookToConsult")
        consultare = l.parola_sulla_riga();
      else if (chiave == "BookToBild")
        costruire = l.parola_sulla_riga();
      else
        return Scarta();
    }
  }

  // A name the file leaves out keeps its default, like a missing parameter.
  if (consultare.empty()) consultare = LibroDaConsultare;
  if (costruire.empty()) costruire = LibroDaCostruire;
  // A NUL inside a name would cut it short unseen: it is checked as the control character it is.
  for (std::string* nome : {&consultare, &costruire})
    for (char& c : *nome)
      if (c == 0) c = '\x01';
  if (ControllaNomeLibroInIni(Testo(StrLibroDaConsultare), consultare.c_str()) &&
      ControllaNomeLibroInIni(Testo(StrLibroDaCostruire), costruire.c_str())) {
    std::snprintf(LibroDaConsultare, sizeof LibroDaConsultare, "%s", consultare.c_str());
    std::snprintf(LibroDaCostruire, sizeof LibroDaCostruire, "%s", costruire.c_str());
  }

  if (visti != (1u << NumeroParametriIni) - 1) {
    Avviso(Testo(MsgParametriMancanti));
    Riscrivi();
  }
}
