// Reading the published ECO classification as a PGN file: one entry per game,
// with its code, opening, variation and its moves played with our chess core.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct VoceEco {
  char lettera = 0;  // 'A' ... 'E'
  int numero = 0;    // 0 ... 99
  std::string apertura, variante;  // variante empty: none
  std::vector<std::uint64_t> mosse;  // move words from the start position
};

// Parses the text and plays every line from the start position (the chess
// tables must be built). Gives true and the entries in file order, or false
// and a message naming the entry that could not be read or played.
bool LeggiEcoPgn(const std::string& testo, std::vector<VoceEco>& voci, std::string& errore);
