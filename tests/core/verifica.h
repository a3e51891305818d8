// Test support: loading positions, snapshots of the position state, and a from-scratch
// recomputation of everything the make and unmake operations keep incrementally.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/posizione.h"

// Builds the tables once and loads a FEN text onto a cleared board; false if rejected.
bool Carica(const char* fen);

// Square number from its name ("e4").
std::uint64_t Casa(const char* nome);

// Every part of the position state; square lists as sorted sets and piece codes without
// their slots (unmake may reorder the lists).
struct Istantanea {
  std::array<std::uint64_t, 13> bitboard{};
  std::array<std::uint64_t, 65> pezzi{};
  std::array<std::vector<std::uint64_t>, 10> liste;
  std::uint64_t re_bianco = 0, re_nero = 0, materiale_bianco = 0, materiale_nero = 0;
  std::uint64_t info = 0, chiave = 0, pedoni = 0, contatore = 0;
  bool operator==(const Istantanea&) const = default;
};
Istantanea Fotografa();

// Empty when the incremental state agrees with a recomputation from the men on the board
// (bitboards, lists, material, both keys, checker fields); else a description of the first
// disagreement.
std::string Incoerenza();

// Attackers of a square by one colour, by walking the lines square by square.
std::uint64_t AttaccantiLenti(std::uint64_t s, int colore);

// Sliding attacks by walking the lines; alfiere selects the diagonals.
std::uint64_t AttacchiLenti(std::uint64_t s, bool alfiere, std::uint64_t occ);

// Move words of the legal list, and their coordinate texts in list order.
std::vector<std::uint64_t> MosseLegali();
std::vector<std::string> TestiLegali();

// The coordinate texts of a list of move words.
std::vector<std::string> Testi(const std::uint64_t* da, const std::uint64_t* a);

// The move word with this coordinate text in the legal (or pseudo-legal) list; 0 if none.
std::uint64_t Parola(const char* uci, bool legali = true);

// Piece codes and the square lists as they lie, slots included, and putting them back.
std::vector<std::uint64_t> ListeGrezze();
void RipristinaListe(const std::vector<std::uint64_t>& v);
