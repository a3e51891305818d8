#include "data/msg_ui.h"

const char* const StrVuoiUscire[3] = {
    "Sei sicuro di voler uscire da Vantorel?",
    "Are you sure you want to quit Vantorel?",
    "¿Seguro que quieres salir de Vantorel?",
};

const char* const MsgSalvaInChiusura[3] = {
    "Salvare la partita prima di uscire?",
    "Do you want to save this game, before closing the app?",
    "¿Desea guardar la partida ántes de cerrar el programa?",
};

const char* const StrAttenzione[3] = {"Attenzione!", "Attention!", "¡Atención!"};
