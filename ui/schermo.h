// The screen operations other folders may call: the fixed rows of the panel,
// the status lines, and the cursor placement that screen readers follow.
#pragma once

// Rows and columns, counted from 0.
constexpr int y_bordo_superiore = 15;
constexpr int y_cadenza = 17;
constexpr int y_ripetizioni = 18;
constexpr int y_diritti_arrocco = 19;
constexpr int y_semimosse = 20;
constexpr int y_mossa_corrente = 21;
constexpr int y_scacchiera = 24;
constexpr int y_tempo[2] = {37, 38};  // white's clock row, black's
constexpr int y_comando = 40;
constexpr int x_comando = 52;

extern int InMessaggio;  // length of the text composed in messaggio

void gotoxy(int x, int y);
void InpostaDimensioneFinestra(int extra);
void DisegnaIntestazione();
void StampaPannelloPrincipale();
void StampaRigaComando();
void StampaMessaggioCentrato(int y);
void StampaCadenza();
void StampaRipetizioni();
void StampaDirittiArrocco();
void StampaSemimosse();
void StampaMossaCorrente();
void StampaScacchiera();
void StampaPosizione();
void RistampaPannelloPrincipale();
void ImpostaFocus();
void comando_home();
void comando_end();
void comando_FrecciaSu();
void comando_FrecciaGiu();
