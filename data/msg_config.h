// Texts of the settings: parameter labels, value names, the comments of
// vantorel.ini and the messages shown while reading it or setting a value.
#pragma once

// Labels (EtichettaParametroIni).
extern const char* const StrTipoParametroPeriodo[3 * 3];  // minutes, increment, moves
extern const char* const StrNomePeriodo[3 * 4];
extern const char* const StrEtichettaModoOrologio[3];
extern const char* const StrNomeAllarme[3 * 5];
extern const char* const StrEtichettaAltriParametri[3 * 9];  // indices 17..25, blank at the end
extern const char* const StrLibroDaConsultare[3];
extern const char* const StrLibroDaCostruire[3];

// Value names.
extern const char* const StrValorePeriodo[3 * 6];  // clock modes
extern const char* const StrSpentoAcceso[2];       // "off", "on" in every language
extern const char* const StrValoreAssistenza[3 * 3];
extern const char* const StrValoreAssistente[3 * 3];  // move description verbosity
extern const char* const str_ValoreLingua[3];         // the same in every language

// Pieces of the file comments and of the questions.
extern const char* const StrPredefinito[3];
extern const char* const StrValoriAmmessi[3];
extern const char* const StrSemimosseUnita[3];
extern const char* const StrUnitaAllarme[3];
extern const char* const StrImpostare[3];
extern const char* const StrImpostareIn[3];
extern const char* const StrModificaCadenza[3];

// Messages.
extern const char* const MsgErroreInIni[3];
extern const char* const MsgIniNonTrovato[3];
extern const char* const MsgIniNonLeggibile[3];
extern const char* const MsgParametriMancanti[3];
extern const char* const MsgIniNonScrivibile[3];
extern const char* const StrNoValoreParametro[3];
extern const char* const StrValoreNonValido[3];
extern const char* const StrLinguaImpostata[3];
