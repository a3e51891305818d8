// Make and unmake: one operation per move kind and colour, reached through four tables
// indexed by the kind (word >> 12). The table is chosen by the colour that moves (for unmake:
// the colour that made the last move).
//
// Make returns 1 when the move was played and 0 when it would leave its own king attacked,
// in which case nothing changed. Before a move is made at ply n, backup_ChiaveHash[n],
// backup_HashPedoni[n] and backup_InfoPosizione[n] must hold the position's values
// (GeneraMosseLegali stores them). Unmake takes back the last move, ElencoMosse[ContatoreMosse].
#pragma once

#include <array>
#include <cstdint>

using FaiMossa = int (*)(std::uint64_t mossa);
using RitiraMossa = void (*)(std::uint64_t mossa);

extern const std::array<FaiMossa, 64> fai_mossa_del_bianco, fai_mossa_del_nero;
extern const std::array<RitiraMossa, 64> ritira_mossa_del_bianco, ritira_mossa_del_nero;

// The tables of the side to move, and of the side that made the last move.
const std::array<FaiMossa, 64>& TavolaFaiMossa();
const std::array<RitiraMossa, 64>& TavolaRitiraMossa();
