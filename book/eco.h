// Naming the opening of the game by its ECO code, opening and variation.
//
// "eco.bin" (working directory): 16-byte nodes, no header, little-endian:
//   0  u32  move word (low 32 bits)
//   4  u16  child: node of the first next-ply move, 0 = none
//   6  u16  sibling: next alternative at the same ply, 0 = none
//   8  8    classification record of the line up to this node (found 0 = none)
// Node i lies at byte 16 * i; node 0 is the first move of ply 1, so 0 is never
// a link target. At most 65,536 nodes. The indices in the records are
// positions in NomeVariante, generated together with the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The classification record, 8 bytes as in the file.
struct InfoApertura {
  std::uint8_t trovata = 0;  // 0 = no classification
  std::uint8_t lettera = 0;  // 'A' ... 'E'
  std::uint8_t numero = 0;   // 0 ... 99
  std::uint8_t riservato = 0;
  std::uint16_t apertura = 0;  // index into NomeVariante
  std::uint16_t variante = 0;  // index into NomeVariante; NessunaVariante = none
};
static_assert(sizeof(InfoApertura) == 8);

// The names of openings and variations; NessunaVariante is the table's size.
extern const int NessunaVariante;
extern const char* const NomeVariante[];

inline constexpr const char* NomeFileEco = "eco.bin";

// Reads the file into memory once, at start-up. Gives 1 when it holds at least
// one whole node and nothing else, 0 otherwise (then nothing is classified).
int CaricaEco(const char* nome = NomeFileEco);
// 1 when classification data is loaded.
int EcoDisponibile();

// Classifies a line of n move words played from the start position: the
// deepest classified node along it wins.
void ClassificaMosse(const std::uint64_t* mosse, std::uint64_t n, InfoApertura* info);
// Classifies the moves of the current game.
void LeggiInfoApertura(InfoApertura* info);

// Shows the classification of the current game in a dialog box.
void MostraInfoApertura();
// Appends the spoken form (" C42, Petrov's defence, ...") to the text, within
// dimensione bytes in all; nothing when not found.
void ScriviInfoApertura(const InfoApertura* info, char* testo, std::size_t dimensione);
// Appends the ECO, Opening and Variation tag lines of the current game, each
// ended by a_capo; nothing when the game has no classification.
void ScriviTagEco(std::string& testo, const char* a_capo);
