// Texts of the console user interface: the panel, the command line, move
// entry and the end-of-game questions. Languages in the order it, en, es.
#pragma once

extern const char* const StrVuoiUscire[3];
extern const char* const MsgSalvaInChiusura[3];
extern const char* const MsgSalvaPrimaDiNuova[3];
extern const char* const StrAttenzione[3];
extern const char* const StrNuovaPartita[3];
extern const char* const StrPartitaSalvata[3];
extern const char* const StrEditazione[3];

// Header and panel.
extern const char* const StrIntestazione1[3];
extern const char* const StrIntestazione2[3];
extern const char* const str_NomeMenu[3 * 22];
extern const char* const StrColore[3 * 2];
extern const char* const StrComando[3];

// Status lines.
extern const char* const StrLaPosizioneCorrente[3];
extern const char* const StrRipetizione[3 * 3];
extern const char* const StrEQuellaIniziale[3];
extern const char* const Str1RipPosizioneIniziale[3];
extern const char* const Str2RipPosizioneIniziale[3];
extern const char* const StrECongiunzione[3];
extern const char* const StrDirittiArrocco[3];
extern const char* const StrInfoArrocco[3 * 4];
extern const char* const StrSemimosse[3];
extern const char* const StrUltimaMossa[3];
extern const char* const StrMosseReversibili[3];
extern const char* const StrTotali[3];
extern const char* const StrMossa[3];
extern const char* const StrTrattoAl[3 * 2];
extern const char* const StrStatoOrologio[3 * 2];

// Command line.
extern const char* const StrComandoTroppoLungo[3];
extern const char* const StrCaratteri[3];
extern const char* const StrCifre[3];
extern const char* const StrComandoNonValido[3];
extern const char* const StrPezzoEColore[3 * 16];

// Move entry.
extern const char* const StrAnnotazioneNonValida[3];
extern const char* const StrMossaNonLegale[3];
extern const char* const StrMossaAmbigua[3];
extern const char* const StrXor[3];
extern const char* const StrPromozioneNonSpecificata[3];
extern const char* const StrPartitaTroppoLunga[3];
