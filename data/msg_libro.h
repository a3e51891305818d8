// Texts of the opening books: continuations, the book explorer, the line copy
// and the book builder. Languages in the order it, en, es.
#pragma once

extern const char* const StrContinuazioniDalLibro[3];
extern const char* const StrNoContinuazioni[3];
extern const char* const StrLinea[3 * 3];  // for counts 0, 1 and more
extern const char* const StrDi[3];
extern const char* const StrNodoCorrente[3];
extern const char* const StrTermineLinea[3];
extern const char* const StrEsplorazioneLibroNonDisponibile[3];
extern const char* const StrImpossibileLeggereLibro[3];
extern const char* const StrEsplorazioneLibroAttiva[3];
extern const char* const StrEsplorazioneLibroDisattiva[3];
extern const char* const StrNonHoCopiatoLinea[3];
extern const char* const StrHoCopiatoLinea[3];
