// Texts of pasting a game from the clipboard.
#pragma once

extern const char* const MsgNessunaMossaNegliAppunti[3];
extern const char* const StrCaricaComunque[3];  // load anyway up to this point?
extern const char* const StrOltreIlLimite[3];   // a ply past what a game holds
extern const char* const StrSemimosseLog[3];    // "plies" in the log summary
