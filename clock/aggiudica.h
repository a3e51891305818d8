// Adjudication: the verdicts that end a game, and their revocation.
#pragma once

// The result when colour c loses: white "0-1", black "1-0".
extern const char* const StringaSconfitta[2];

void Aggiudica(const char* termination, const char* commento, const char* risultato);
void RevocaAggiudicazione();
void PattaDaccordo();
void Abbandona(int colore);
int dom_AggiudicaPerTempo(int colore);
int dom_AggiudicaPattaPerTempo(int colore);
// The report box of a verdict found after a move; on a terminal it is read
// after the move's announcement.
void avisa_aggiudicazione();
// Says the verdict as the current-move row shows it, interrupting.
void AnunciaVerdetto();
int dom_AggiudicataInMotoCMQ();
int dom_AggiudicataModificaCMQ();
// 1 while the game has a result.
int PartitaAggiudicata();
// The flag of colore fell (its displayed time reached 0): ask the arbiter.
void BandierinaCaduta(int colore);

// Verdicts found after a move.
enum Verdetto : int {
  verdettoScaccoMatto,
  verdettoStallo,
  verdettoMaterialeInsufficiente,
  verdetto50Mosse,
  verdettoTripliceRipetizione,
  verdettoQuintuplaRipetizione
};
// Records a verdict: the immediate ones with the report box, the others after
// asking. Gives 1 when the verdict was recorded.
int AggiudicaDopoMossa(Verdetto v);
