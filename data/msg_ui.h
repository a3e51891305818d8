// Texts of the console user interface.
#pragma once

extern const char* const StrVuoiUscire[3];
extern const char* const MsgSalvaInChiusura[3];
extern const char* const StrAttenzione[3];
