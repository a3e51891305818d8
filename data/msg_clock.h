// Texts of the clock and of adjudication.
#pragma once

extern const char* const MsgOrologioGiaInMoto[3];
extern const char* const MsgOrologioGiaFermo[3];
extern const char* const StrOrologioAnnuncioInMoto[3];
extern const char* const StrOrologioAnnuncioFermo[3];
extern const char* const MsgModificaTempoInMoto[3];
extern const char* const MsgMinutiFuoriRange[3];
extern const char* const MsgNessunValoreMinuti[3];
extern const char* const MsgScegliColore[3];
extern const char* const StrAggiungiA[3];
extern const char* const StrSottraiA[3];
extern const char* const StrMinuti[3];
extern const char* const StrPiu[3];
extern const char* const MsgNessunaMossaDaRitirare[3];
extern const char* const MsgRitiraConOrologioInMoto[3];

// Adjudication.
extern const char* const StrCommentoVerdetto[3 * 11];  // indexed by CommentoVerdetto
enum CommentoVerdetto : int {
  cvScaccoMatto,
  cvStallo,
  cvMaterialeInsufficiente,
  cv50Mosse,
  cvTripliceRipetizione,
  cvBandierinaBianco,
  cvBandierinaNero,
  cvEntrambeBandierine,
  cvPattaDaccordo,
  cvAbbandonaBianco,
  cvAbbandonaNero
};
extern const char* const StrDomanda50Mosse[3];
extern const char* const StrDomandaTripliceRipetizione[3];
extern const char* const StrDomandaEntrambeBandierine[3];
extern const char* const StrDomandaPattaDaccordo[3];  // without the question mark
extern const char* const StrDomandaAbbandono[3 * 2];  // white resigns, black resigns
extern const char* const StrAggiudicaPartita[3];      // "adjudicate the game"
extern const char* const StrNonPuoVincere[3 * 2];     // white, black can not win
extern const char* const StrPartitaAggiudicata[3];
extern const char* const StrAzzeraEAvviaOrologio[3];
extern const char* const StrAzzeraEModifica[3];
