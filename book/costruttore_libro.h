// The book builder: the games of a PGN file that meet the configured criteria
// become lines of the book to build, on a thread of its own.
//
// The builder takes the board, the move list and the move buffer for the whole
// build and gives them back with the user's game replayed. It builds the book
// in memory; the main thread replaces the book file in one rename when the
// build is over, so a crash or a failed write never damages the old book.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "book/libro.h"

// What the builder reads and its criteria.
struct CriteriLibro {
  int min_ply = 8, max_ply = 40, min_elo = 0;  // min_elo 0: no Elo test
};

// The record the two threads share. The main thread writes the plain fields
// before it starts the thread and reads partite, linee_nuove and pieno only
// after it has seen fatto (release and acquire order).
struct RecordCostruttoreLibro {
  std::atomic<std::uint32_t> attivo{0};
  std::uint64_t totale = 0;                 // size of the PGN file in bytes
  std::atomic<std::uint64_t> progresso{0};  // bytes read so far
  std::atomic<std::uint32_t> fatto{0};
  std::uint32_t partite = 0, linee_nuove = 0;
  bool pieno = false;  // the book reached its maximum size
  std::thread filo;
  std::FILE* sorgente = nullptr;
  std::vector<NodoLibro> libro;
  std::string percorso_libro;
  CriteriLibro criteri;
};
extern RecordCostruttoreLibro CostruttoreLibro;

// Adds the line of plies 1 to ContatoreMosse of ElencoMosse to the book: 1 when
// it made a new branch, 0 when the book held it or it only extended a line,
// -1 when the book would reach its maximum size (then the book is unchanged).
int AggiungiNuovaLinea(std::vector<NodoLibro>& libro);

// The move word of the one legal move that the text describes, or 0.
std::uint64_t ConvertiStringaInMossa(const char* testo);

// Builds from the open PGN file into the book on the calling thread; the
// board must be the user's game, and is again afterwards. progresso, when
// given, receives the bytes read every 1024 games.
struct EsitoCostruzione {
  std::uint32_t partite = 0, linee_nuove = 0;
  bool pieno = false;
};
EsitoCostruzione CostruisciLibroDa(std::FILE* pgn, std::vector<NodoLibro>& libro,
                                   const CriteriLibro& criteri,
                                   std::atomic<std::uint64_t>* progresso = nullptr);

// Whether an existing book can be extended: whole nodes, every link forwards.
bool LibroIntegro(const std::vector<NodoLibro>& libro);
bool LeggiLibro(const std::string& percorso, std::vector<NodoLibro>& libro);
// Writes the book whole or not at all (record/scrittura_atomica.h).
bool ScriviLibro(const std::string& percorso, const std::vector<NodoLibro>& libro);

// Opens the PGN file and the book and starts the thread; refused while the
// clock runs.
void AvviaCostruzioneLibroDa(const std::string& pgn);
// CTRL+B and the book menu: the PGN file is the one copied in the file manager.
void AvviaCostruzioneLibro();
// The thread procedure.
void CostruisciLibro();
// Called by the main loop once the builder is done: joins it, writes the
// book and reports.
void FineCostruzioneLibro();
// The main loop's branch while the builder runs: the spoken percentage.
void AnnunciaProgressoCostruzione();
// For tests: called by the builder after every game it reads.
extern void (*ProvaDopoPartita)(std::uint64_t letti);
