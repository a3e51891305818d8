#include "record/partita.h"

int PartitaSalvata = 1;
