#include "data/msg_speech.h"

const char* const StrPulsanti[3 * 4] = {
    "OK",      "Sì",  "No", "Annulla",  //
    "OK",      "Yes", "No", "Cancel",   //
    "Aceptar", "Sí",  "No", "Cancelar",
};

const char* const StrFileNonTrovato[3] = {
    "Non è stato trovato il file %s.",
    "The %s file was not found.",
    "No se encontró el archivo %s.",
};

const char* const StrNomePezzo[3 * 6] = {
    "pedone", "cavallo", "alfiere", "torre", "donna", "re",    //
    "pawn",   "knight",  "bishop",  "rook",  "queen", "king",  //
    "peon",   "caballo", "alfil",   "torre", "dama",  "rey",
};

const char* const StrIlPezzo[3 * 6] = {
    "il pedone", "il cavallo", "l'alfiere",  "la torre", "la donna",  "il re",     //
    "the pawn",  "the knight", "the bishop", "the rook", "the queen", "the king",  //
    "el peon",   "el caballo", "el alfil",   "la torre", "la dama",   "el rey",
};

const char* const StrSpellingLetteraColonna[3 * 8] = {
    "Ancona", "Bologna", "Como",    "Domodossola", "Empoli", "Firenze", "Genova",  "Hotel",  //
    "Alfa",   "Bravo",   "Charlie", "Delta",       "Echo",   "Foxtrot", "Golf",    "Hotel",  //
    "Ana",    "Bella",   "César",   "David",       "Eva",    "Félix",   "Gustavo", "Héctor",
};

const char* const StrArrocco[3 * 2] = {
    "arrocco corto",     "arrocco lungo",       //
    "kingside castling", "queenside castling",  //
    "enroque corto",     "enroque largo",
};

const char* const StrDa[3] = {"da", "from", "de"};
const char* const StrSu[3] = {"in", "on", "en"};
const char* const StrVerso[3] = {"in", "to", "a"};
const char* const StrCattura[3] = {"cattura", "captures", "captura"};
const char* const StrAlVarco[3] = {"al varco", "en passant", "al paso"};
const char* const StrPromuovendoA[3] = {"promuovendo a", "promoting to", "promocionando a"};

const char* const StrScacco[3 * 3] = {
    "scacco", "scacco di scoperta", "doppio scacco",  //
    "check",  "discovered check",   "double check",   //
    "jaque",  "jaque descubierto",  "jaque doble",
};

const char* const StrUnaUnitaTempo[3 * 3] = {
    "un ora",   "un minuto",  "un secondo",  //
    "one hour", "one minute", "one second",  //
    "una hora", "un minuto",  "un segundo",
};

const char* const StrUnitaTempo[3 * 3] = {
    "ore",   "minuti",  "secondi",  //
    "hours", "minutes", "seconds",  //
    "horas", "minutos", "segundos",
};

const char* const StrMeno[3] = {"meno", "minus", "menos"};

const char* const StrPosizioneIniziale[3] = {"posizione iniziale", "initial position",
                                             "posición inicial"};

const char* const StrAllarmeDisattivo[3] = {"disattivo", "disabled", "desactivado"};

const char* const StrFrasiCadenza[3 * 8] = {
    "un periodo ricorsivo di",
    "un tempo fisso di",
    "per l'intera partita",
    "clessidra",
    "con un tempo iniziale di",
    "un periodo di",
    "più",
    "per completare il resto della partita",
    //
    "a recursive period of",
    "a fixed time of",
    "for the whole game",
    "hourglass",
    "with an initial time of",
    "a period of",
    "plus",
    "to complete the rest of the game",
    //
    "un período recursivo de",
    "un tiempo fijo de",
    "para toda la partida",
    "reloj de arena",
    "con un tiempo inicial de",
    "un período de",
    "más",
    "para completar el resto de la partida",
};

const char* const StrPer[3] = {"per", "for", "para"};
const char* const StrMosse[3] = {"mosse", "moves", "jugadas"};
const char* const StrCon[3] = {"con", "with", "con"};
const char* const StrDiIncremento[3] = {"di incremento", "of increment", "de incremento"};
