#include "data/msg_incolla.h"

const char* const MsgNessunaMossaNegliAppunti[3] = {
    "Nessuna mossa trovata negli appunti.",
    "No moves found on clipboard.",
    "No se encontraron movimientos en el portapapeles.",
};

const char* const StrCaricaComunque[3] = {
    "Caricare comunque la partita fino a questo punto?",
    "Load the game anyway up to this point?",
    "¿Cargar la partida de todos modos hasta este punto?",
};

const char* const StrOltreIlLimite[3] = {
    "supera le 511 semimosse che una partita può contenere",
    "is past the 511 plies a game can hold",
    "supera las 511 semijugadas que puede contener una partida",
};

const char* const StrSemimosseLog[3] = {"semimosse", "plies", "semijugadas"};
