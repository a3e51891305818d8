// Texts of the game's files: the event log and its check, the PGN and move
// list words, the files' names by language, saving, copying and viewing.
#pragma once

// Event log.
extern const char* const StrDopo[3];
extern const char* const StrTipoRecord[3 * 8];
extern const char* const StrUltimoSalvataggio[3];
extern const char* const StrVlfValido[3];
extern const char* const StrVlfNonValido[3];
extern const char* const MsgFileNonLeggibile[3];  // "%s": the path

// PGN, move list, replay script.
extern const char* const StrTempoRimasto[3];
extern const char* const StrListaMosseTxt[3];
extern const char* const StrLeggimiHtml[3];

// Copy, save and view.
extern const char* const StrNonHoCopiato[3];
extern const char* const StrHoCopiato[3];
extern const char* const MsgFileNonScritto[3];  // "%s": the file, then the reason
extern const char* const StrPartitaNonSalvata[3];
// Reasons a file could not be written: permission, full disk, other.
extern const char* const StrMotivoScrittura[3 * 3];
extern const char* const MsgFileNonAperto[3];  // "%s": the path
