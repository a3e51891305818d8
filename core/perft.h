// Counting the leaf nodes of the legal-move tree, for testing the generator and make/unmake.
#pragma once

#include <cstdint>
#include <functional>

// Leaf nodes at that depth from the current position (depth 0 counts 1).
std::uint64_t Perft(int profondita);

// Perft split by root move, in list order: calls per_mossa(move word, nodes) for each.
void Divide(int profondita, const std::function<void(std::uint64_t, std::uint64_t)>& per_mossa);

// Coordinate text of a move: "e2e4", promotions "e7e8q"; out has room for 6 characters.
void ScriviMossaUci(std::uint64_t mossa, char* out);
