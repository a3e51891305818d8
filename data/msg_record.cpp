#include "data/msg_record.h"

const char* const StrArticoloData[3] = {"il", "on", "el"};
const char* const StrArticoloOra[3] = {"alle", "at", "a las"};

const char* const MsgEloFuoriRange[3] = {
    "Il valore specificato per (Elo fide) non è valido. \n I valori ammessi sono compresi da 0 "
    "a 4000.",
    "The entered value for (Elo fide rating) is out of range. \n A correct input should be from "
    "0 up to 4000.",
    "El valor ingresado para (Elo fide) está fuera de rango. \n Corrija el mismo ingresando un "
    "valor desde 0 hasta  4000",
};

const char* const StrEtichettaCampoInfo[3 * 5] = {
    "evento", "turno", "cognome",     "nome",       "elo fide",
    "event",  "round", "family name", "first name", "fide elo rating",
    "evento", "ronda", "apellido",    "nombre",     "elo fide",
};
