// The board explorer (focus 1): a selected square moved with the arrows and
// spoken, the review of the game move by move, and the piece-disposition
// query. Leaving the explorer always restores the game in progress.
#pragma once

#include <cstdint>

#include "core/tavole.h"  // ANordDi, ASudDi, AOvestDi, AEstDi: the arrows' neighbours

extern std::uint64_t CasaSelezionata;  // a new game puts it on a1

void comando_AttivaEsplorazioneScacchiera();
void comando_DisattivaEsplorazioneScacchiera();
void comando_CasaSelezionata(const TavolaCase& tavola);
void EsploraIndietro();
void EsploraAvanti();
void EsploraIndietroTutta();
void EsploraAvantiTutta();

// The half-move count of the game in progress, whatever position is being
// reviewed: the clock follows it.
std::uint64_t SemimosseDellaPartita();

// "=" with one letter: where the pieces of that kind stand.
void comando_AnunciaDisposizionePezzo(char lettera);
// tipo 0-5 (pawn ... king), colore 0 white / 1 black, the pieces' squares.
void AnunciaDisposizionePezzo(int tipo, int colore, int quanti, const std::uint64_t* case_);
