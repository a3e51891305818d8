// Texts of reading the clipboard: the one copied file, shared by the log
// check, the paste and the book builder.
#pragma once

extern const char* const MsgNonLeggoAppunti[3];
extern const char* const MsgPiuFileNegliAppunti[3];
extern const char* const MsgNessunFileNegliAppunti[3];
