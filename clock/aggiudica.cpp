#include "clock/aggiudica.h"

#include <cstdio>
#include <cstring>

#include "clock/orologio.h"
#include "core/fine_partita.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_clock.h"
#include "data/msg_fine_partita.h"
#include "record/partita.h"
#include "record/report.h"
#include "speech/annuncio.h"
#include "ui/schermo.h"

const char* const StringaSconfitta[2] = {"0-1", "1-0"};

namespace {

const char* Commento(CommentoVerdetto v) { return Testo(StrCommentoVerdetto, 11, v); }

// "comment, game adjudicated ( result )." — the start of the report and of the
// questions asked in an adjudicated game.
void TestoAggiudicazione(char* testo, std::size_t n, const char* fine) {
  int k = 0;
  if (CommentoRisultato[0]) k = std::snprintf(testo, n, "%s, ", CommentoRisultato);
  std::snprintf(testo + k, n - k, "%s ( %s ).%s", Testo(StrPartitaAggiudicata), Result, fine);
}

int Domanda(const char* testo) { return FinestraDiDialogo(testo, 4); }
// A question about a verdict found after a move waits for the move to be heard.
int DomandaDopoMossa(const char* testo) { return FinestraDiDialogoInCoda(testo, 4); }

}  // namespace

int PartitaAggiudicata() { return Result[0] != '*'; }

void Aggiudica(const char* termination, const char* commento, const char* risultato) {
  std::snprintf(Termination, sizeof Termination, "%s", termination);
  std::snprintf(CommentoRisultato, sizeof CommentoRisultato, "%s", commento);
  std::snprintf(Result, sizeof Result, "%s", risultato);
  if (InMoto) FermaOrologio();
  char testo[128];
  std::snprintf(testo, sizeof testo, "%s (%s)", Result, CommentoRisultato);
  InserisciNuovoRecord(recPartitaAggiudicata, testo);
  SalvaOSegnaNonSalvata();
}

void RevocaAggiudicazione() {
  std::strcpy(Termination, "?");
  std::strcpy(Result, "*");
  CommentoRisultato[0] = 0;
  SalvaOSegnaNonSalvata();
}

void avisa_aggiudicazione() {
  char testo[256];
  TestoAggiudicazione(testo, sizeof testo, "");
  FinestraDiDialogoInCoda(testo, 64);
}

void AnunciaVerdetto() {
  char testo[256];
  TestoAggiudicazione(testo, sizeof testo, "");
  Anuncia(testo, 1);
}

int dom_AggiudicataInMotoCMQ() {
  char testo[512];
  TestoAggiudicazione(testo, sizeof testo, "\n");
  std::strncat(testo, Testo(StrAzzeraEAvviaOrologio), sizeof testo - std::strlen(testo) - 1);
  return Domanda(testo);
}

int dom_AggiudicataModificaCMQ() {
  char testo[512];
  TestoAggiudicazione(testo, sizeof testo, "\n");
  std::strncat(testo, Testo(StrAzzeraEModifica), sizeof testo - std::strlen(testo) - 1);
  return Domanda(testo);
}

int dom_AggiudicaPerTempo(int c) {
  char testo[256];
  std::snprintf(testo, sizeof testo, "%s: %s ( %s )?",
                Commento(c == 0 ? cvBandierinaBianco : cvBandierinaNero),
                Testo(StrAggiudicaPartita), StringaSconfitta[c]);
  return Domanda(testo);
}

int dom_AggiudicaPattaPerTempo(int c) {
  char testo[256];
  std::snprintf(testo, sizeof testo,
                lang() == 2 ? "%s, %s.\n¿%s ( 1/2-1/2 )?" : "%s, %s.\n%s ( 1/2-1/2 )?",
                Commento(c == 0 ? cvBandierinaBianco : cvBandierinaNero),
                Testo(StrNonPuoVincere, 2, 1 - c), Testo(StrAggiudicaPartita));
  return Domanda(testo);
}

void BandierinaCaduta(int c) {
  const CommentoVerdetto caduta = c == 0 ? cvBandierinaBianco : cvBandierinaNero;
  if (TempoRimasto[1 - c] > 0) {
    bool avversario_puo_vincere = c == 0 ? PuoVincereIl_nero() : PuoVincereIl_bianco();
    if (avversario_puo_vincere) {
      if (dom_AggiudicaPerTempo(c) != 6) return;
      Aggiudica("time forfeit", Commento(caduta), StringaSconfitta[c]);
    } else {
      if (dom_AggiudicaPattaPerTempo(c) != 6) return;
      Aggiudica("time forfeit", Commento(caduta), "1/2-1/2");
    }
  } else {
    if (Domanda(Testo(StrDomandaEntrambeBandierine)) != 6) return;
    Aggiudica("both flags fallen", Commento(cvEntrambeBandierine), "1/2-1/2");
  }
  StampaMossaCorrente();
  AnunciaVerdetto();
}

void PattaDaccordo() {
  char testo[256];
  std::snprintf(testo, sizeof testo, lang() == 2 ? "¿%s?" : "%s?", Testo(StrDomandaPattaDaccordo));
  if (Domanda(testo) == 7) return;
  Aggiudica("By agreement", Commento(cvPattaDaccordo), "1/2-1/2");
  StampaMossaCorrente();
  AnunciaVerdetto();
}

void Abbandona(int c) {
  if (c != 0 && c != 1) return;
  char testo[256];
  std::snprintf(testo, sizeof testo, lang() == 2 ? "¿%s?" : "%s?",
                Testo(StrDomandaAbbandono, 2, c));
  if (Domanda(testo) == 7) return;
  Aggiudica("Abandoned", Commento(c == 0 ? cvAbbandonaBianco : cvAbbandonaNero),
            StringaSconfitta[c]);
  StampaMossaCorrente();
  AnunciaVerdetto();
}

int AggiudicaDopoMossa(Verdetto v) {
  switch (v) {
    case verdettoScaccoMatto:
      Aggiudica("Checkmate", Commento(cvScaccoMatto), StringaSconfitta[ContatoreMosse & 1]);
      break;
    case verdettoStallo:
      Aggiudica("stalemate", Commento(cvStallo), "1/2-1/2");
      break;
    case verdettoMaterialeInsufficiente:
      Aggiudica("insufficient material", Commento(cvMaterialeInsufficiente), "1/2-1/2");
      break;
    case verdetto50Mosse:
      if (DomandaDopoMossa(Testo(StrDomanda50Mosse)) != 6) return 0;
      Aggiudica("Fifty-move rule", Commento(cv50Mosse), "1/2-1/2");
      AnunciaVerdetto();
      return 1;
    case verdettoTripliceRipetizione:
      if (DomandaDopoMossa(Testo(StrDomandaTripliceRipetizione)) != 6) return 0;
      Aggiudica("threefold repetition", Commento(cvTripliceRipetizione), "1/2-1/2");
      AnunciaVerdetto();
      return 1;
    case verdettoQuintuplaRipetizione:
      Aggiudica("fivefold repetition", Testo(StrQuintuplaRipetizione), "1/2-1/2");
      break;
    default:
      return 0;
  }
  avisa_aggiudicazione();
  return 1;
}
