// Move generation for the side to move. Aware of check (only evasions when in check, only
// king moves in double check) but not of pins or of the safety of the king's destination:
// the make operations decide those.
#pragma once

#include <cstdint>

// Write the moves of that colour, which must be the side to move, from dest on; return the
// slot after the last one.
std::uint64_t* genera_TutteLeMosse_del_bianco(std::uint64_t* dest);
std::uint64_t* genera_TutteLeMosse_del_nero(std::uint64_t* dest);
