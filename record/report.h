// The game's event log: one record per event, newest first, written to the
// log file after every event and signed (record/firma.h).
//
// Log file layout ("\n" is a line feed):
//   "|"
//   per record, oldest first: "\n", then for types 2-7 "<after> <duration>: ",
//     for type 1 a tab, then the type's label and, when there is a text, " <text>"
//   "\n<last save> <on> <UTC date> <at> <UTC time>"
//   "\n\t<white>: <time in words>" and the same for black
//   "\n|\n"
//   "Vantorel file signature: <lower-case hex, no leading zeros>\n"
// The signature covers the bytes between the two "|" marks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

// Adds a record with the current time stamp and a copy of text (which may be
// null), then rewrites the log file.
void InserisciNuovoRecord(int tipo, const char* testo);
// The same without writing the file (the first record of a new game, whose
// file name is not chosen yet).
void AggiungiRecord(int tipo, const char* testo);
// Frees every record and leaves the list empty.
void SvuotaListaRecord();

// Appends the lines of the records up to and including record, oldest first.
void ScriviReport(std::string& testo, const RecordEvento* record);
// The whole log text of the current game, signature line included.
std::string TestoReport();
// Writes the log file. 1 when written; otherwise 0, with the failure noted
// for the save's message (record/salvataggio.h).
int SalvaReport();

// Finds the signed region at the start of a log text and its signature:
// 1 when the text begins with "|" and a second "|" follows, with fine just
// past the second mark; 0 otherwise.
int LeggiHashReport(std::string_view testo, std::uint64_t& h, std::size_t& fine);
// 1 when a log text carries the signature of its region and nothing but
// white space after the signature line.
int ReportAutentico(std::string_view testo);

// The "validate log file" command: the file copied to the clipboard.
void comando_VerificaReport();
