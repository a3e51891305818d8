// The status lines are drawn by the console program's screen work; until it
// lands these draw nothing.
#include "ui/schermo.h"

void StampaCadenza() {}
void StampaRipetizioni() {}
void StampaDirittiArrocco() {}
void StampaSemimosse() {}
void StampaMossaCorrente() {}
void StampaScacchiera() {}
void StampaPosizione() {}
void RistampaPannelloPrincipale() {}
