#include "record/report.h"

#include <cstring>

#include "clock/orologio.h"

RecordEvento* UltimoRecord = nullptr;

// The signed log file is not built yet: records are kept in memory only and
// no file is written.
void InserisciNuovoRecord(int tipo, const char* testo) {
  char* copia = nullptr;
  if (testo) {
    copia = new char[std::strlen(testo) + 1];
    std::strcpy(copia, testo);
  }
  UltimoRecord = new RecordEvento{tipo, Adesso(), copia, UltimoRecord};
}

void SvuotaListaRecord() {
  while (UltimoRecord) {
    RecordEvento* r = UltimoRecord;
    UltimoRecord = r->precedente;
    delete[] r->testo;
    delete r;
  }
}
