// The current game's record.
#pragma once

// 1 when the current game has no unsaved changes.
extern int PartitaSalvata;
