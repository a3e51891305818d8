#include "data/msg_fine_partita.h"

const char* const StrQuintuplaRipetizione[3] = {"quintupla ripetizione", "fivefold repetition",
                                                "quíntuple repetición"};
