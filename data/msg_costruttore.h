// Texts of the book builder. Languages in the order it, en, es.
#pragma once

extern const char* const StrLibroGiaPresente[3];
extern const char* const StrImpossibileCostruireLibro[3];
extern const char* const StrLibroPieno[3];
extern const char* const StrPartiteSelezionate[3];
extern const char* const StrLineeNuoveInserite[3];
extern const char* const MsgLibroConOrologioInMoto[3];
extern const char* const MsgLibroNonScritto[3];
