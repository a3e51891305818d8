#include "data/msg_esplorazione.h"

const char* const StrEsplorazioneScacchieraAttiva[3] = {
    "Esplorazione scacchiera attivata.", "Chess board overview activated.",
    " Revisión de tablero activada."};
const char* const StrEsplorazioneScacchieraDisattiva[3] = {
    "Esplorazione scacchiera disattivata.", "Chess board overview deactivated.",
    "Revisión de tablero desactivada."};
const char* const StrPezzoEColorePlurale[3 * 10] = {
    "Pedoni bianchi", "Pedoni neri", "Cavalli bianchi", "Cavalli neri", "Alfieri bianchi",
    "Alfieri neri", "Torri bianche", "Torri nere", "Donne bianche", "Donne nere",
    //
    "white pawns", "black pawns", "white Knights", "black Knights", "white bishops",
    "black bishops", "white rooks", "black rooks", "white queens", "black queens",
    //
    "peónes blancos", "peón negros", "caballos blancos", "caballos negros", "alfiles blancos",
    "alfiles negros", "torres blancas", "torres negras", "damas blancas", "damas negras",
};
const char* const StrNonCiSono[3] = {"Non ci sono", "There are no", "No hay"};
const char* const StrSituatoIn[3] = {"in", "on", "en"};
