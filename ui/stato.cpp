#include "ui/stato.h"

int focus = 0;
int fuoco = 0;
char messaggio[1024];
