// Texts of the opening classification. Languages in the order it, en, es.
#pragma once

extern const char* const StrCodiceEco[3];
extern const char* const StrApertura[3];
extern const char* const StrVariante[3];
extern const char* const StrNoEco[3];
extern const char* const MsgEcoNonDisponibile[3];
