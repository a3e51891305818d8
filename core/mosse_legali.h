// The legal-move list of the current position: BufferMosseGenerate up to FineMosseGenerate.
#pragma once

#include <cstdint>

// Generates the moves of the side to move, stores the backups of the current ply and drops
// the moves the make operations refuse. Returns the end of the list. When the game has
// reached the end of the per-ply arrays (PuoGiocareAncoraMosse() is 0) the list is empty.
std::uint64_t* GeneraMosseLegali();

// The same without dropping refused moves.
std::uint64_t* GeneraMossePseudolegali();
