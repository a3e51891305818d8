#include "ui/stato.h"

int focus = 0;
int fuoco = 0;
char messaggio[1024];

char comando[128];
int CharatteriInComando = 0;

int MenuAttivo = 0;
int VoceSelezionata = 0;
const int NumeroVociMenu[22] = {8, 5, 12, 8, 3, 2, 5, 4, 3, 5, 6, 3, 2, 5, 8, 11, 1, 3, 3, 3, 3, 9};
