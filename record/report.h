// The game's event log: one record per event, newest first.
#pragma once

#include <cstdint>

// Record types.
enum TipoRecord : int {
  recNuovaPartita,
  recPartitaIncollata,
  recOrologioInMoto,
  recOrologioFermato,
  recTempoModificato,
  recMossaInserita,
  recMossaRitirata,
  recPartitaAggiudicata
};

struct RecordEvento {
  int tipo;
  std::uint32_t tempo;  // Adesso() at the event
  char* testo;          // heap copy, or null
  RecordEvento* precedente;
};

extern RecordEvento* UltimoRecord;

// Adds a record with the current time stamp and a copy of text (which may be null).
void InserisciNuovoRecord(int tipo, const char* testo);
// Frees every record and leaves the list empty.
void SvuotaListaRecord();
