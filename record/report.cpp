#include "record/report.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "clock/appunti_file.h"
#include "clock/orologio.h"
#include "data/messages.h"
#include "data/msg_file.h"
#include "data/msg_record.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/testi.h"
#include "record/firma.h"
#include "record/partita.h"
#include "record/salvataggio.h"
#include "speech/annuncio.h"

RecordEvento* UltimoRecord = nullptr;

namespace {

constexpr char kRigaFirma[] = "Vantorel file signature:";
// No log this program writes comes near this; a larger file is not one of them.
constexpr std::uintmax_t kMassimoReport = 4u << 20;

bool Spazio(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

int Esadecimale(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

void AggiungiRecord(int tipo, const char* testo) {
  char* copia = nullptr;
  if (testo) {
    copia = new char[std::strlen(testo) + 1];
    std::strcpy(copia, testo);
  }
  UltimoRecord = new RecordEvento{tipo, Adesso(), copia, UltimoRecord};
}

void InserisciNuovoRecord(int tipo, const char* testo) {
  AggiungiRecord(tipo, testo);
  SalvaReport();
  SegnalaFileNonScritti(true);
}

void SvuotaListaRecord() {
  while (UltimoRecord) {
    RecordEvento* r = UltimoRecord;
    UltimoRecord = r->precedente;
    delete[] r->testo;
    delete r;
  }
}

void ScriviReport(std::string& testo, const RecordEvento* record) {
  // The list runs newest to oldest; a game has hundreds of records, so they
  // are gathered in a loop rather than by recursing once per record.
  std::vector<const RecordEvento*> ordine;
  for (const RecordEvento* r = record; r; r = r->precedente) ordine.push_back(r);
  for (auto it = ordine.rbegin(); it != ordine.rend(); ++it) {
    const RecordEvento* r = *it;
    testo += '\n';
    if (r->tipo >= recOrologioInMoto && r->precedente) {
      std::uint32_t ms = r->tempo - r->precedente->tempo;  // stamps wrap at 2^32
      testo += Testo(StrDopo);
      testo += ' ';
      testo += DurataInParole(SecondiInMillisecondi(ms));
      testo += ": ";
    } else if (r->tipo == recPartitaIncollata) {
      testo += '\t';
    }
    if (r->tipo >= 0 && r->tipo < 8) testo += Testo(StrTipoRecord, 8, r->tipo);
    if (r->testo) {
      testo += ' ';
      testo += r->testo;
    }
  }
}

std::string TestoReport() {
  std::string t = "|";
  ScriviReport(t, UltimoRecord);
  auto& p = platform::current();
  platform::DateTime u = p.utc_time(p.epoch_ms());
  t += Formato("\n%s %s %04d.%02d.%02d %s %02d:%02d:%02d", Testo(StrUltimoSalvataggio),
                Testo(StrArticoloData), u.year, u.month, u.day, Testo(StrArticoloOra), u.hour,
                u.minute, u.second);
  for (int c = 0; c < 2; ++c) {
    t += "\n\t";
    t += Testo(StrColore, 2, c);
    t += ": ";
    t += DurataInParole(TempoVisualizzato[c]);
  }
  t += "\n|\n";
  // The signature covers exactly the text between the two marks.
  std::uint64_t h = FirmaRegione(std::string_view(t).substr(1, t.size() - 3));
  t += Formato("%s %" PRIx64 "\n", kRigaFirma, h);
  return t;
}

int SalvaReport() { return ScriviFileDellaPartita(FileReport, TestoReport()); }

int LeggiHashReport(std::string_view testo, std::uint64_t& h, std::size_t& fine) {
  if (testo.empty() || testo[0] != '|') return 0;
  std::size_t chiusura = testo.find('|', 1);
  if (chiusura == std::string_view::npos) return 0;
  h = FirmaRegione(testo.substr(1, chiusura - 1));
  fine = chiusura + 1;
  return 1;
}

int ReportAutentico(std::string_view testo) {
  std::uint64_t h;
  std::size_t i;
  if (!LeggiHashReport(testo, h, i)) return 0;
  while (i < testo.size() && Spazio(testo[i])) ++i;
  std::string_view etichetta(kRigaFirma);
  if (testo.substr(i, etichetta.size()) != etichetta) return 0;
  i += etichetta.size();
  while (i < testo.size() && (testo[i] == ' ' || testo[i] == '\t')) ++i;
  // 1 to 16 hexadecimal digits, either case; no sign, no prefix.
  std::uint64_t letto = 0;
  int cifre = 0;
  for (int d; i < testo.size() && (d = Esadecimale(testo[i])) >= 0; ++i, ++cifre) {
    if (cifre == 16) return 0;
    letto = (letto << 4) | static_cast<std::uint64_t>(d);
  }
  if (cifre == 0 || letto != h) return 0;
  for (; i < testo.size(); ++i)
    if (!Spazio(testo[i])) return 0;
  return 1;
}

void comando_VerificaReport() {
  std::string percorso;
  if (!LeggiNomeFileNegliAppunti(percorso)) return;
  std::error_code e;
  std::uintmax_t dimensione = std::filesystem::file_size(percorso, e);
  std::ifstream f(percorso, std::ios::binary);
  if (e || !f) {
    FinestraDiDialogo(Formato(Testo(MsgFileNonLeggibile), percorso.c_str()).c_str(), 64);
    return;
  }
  bool autentico = false;
  if (dimensione <= kMassimoReport) {
    std::stringstream contenuto;
    contenuto << f.rdbuf();
    autentico = ReportAutentico(contenuto.str());
  }
  std::string testo = percorso + "\n" + Testo(autentico ? StrVlfValido : StrVlfNonValido);
  FinestraDiDialogo(testo.c_str(), 64);
}
