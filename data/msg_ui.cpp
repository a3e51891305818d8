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

const char* const MsgSalvaPrimaDiNuova[3] = {
    "Salvare la partita corrente?",
    "save current game?",
    "¿Desea guardar la partida actuál?",
};

const char* const StrAttenzione[3] = {"Attenzione!", "Attention!", "¡Atención!"};
const char* const StrNuovaPartita[3] = {"Nuova partita", "New game", "Nueva partida"};
const char* const StrPartitaSalvata[3] = {"partita salvata", "game saved", "partida guardad"};
const char* const StrEditazione[3] = {"editazione", "edit", "editar"};

const char* const StrIntestazione1[3] = {"Orologio per gli scacchi", "CHESS CLOCK",
                                         "RELOJ DE AJEDREZ"};
const char* const StrIntestazione2[3] = {
    "Programma di Vantorel, per giocatori non vedenti",
    "Software by the Vantorel authors, for blind players",
    "Programa de los autores de Vantorel, para jugadores ciegos",
};

const char* const str_NomeMenu[3 * 22] = {
    // Italian
    "Menu principale",
    "Orologio",
    "Partita",
    "Assistente",
    "Lingua",
    "Cadenza di gioco",
    "Allarmi",
    "Bonus e penalità",
    "Aggiudicazioni",
    "Informazioni partita",
    "Modalità orologio",
    "Periodo ricorsivo",
    "Tempo fisso per finire l'intera partita",
    "1 periodo di lunghezza determinata più 1 per finire",
    "2 periodi di lunghezza determinata più 1 per finire",
    "3 periodi di lunghezza determinata più 1 per finire",
    "Modalità clessidra",
    "Giocatore con i bianchi",
    "Giocatore con i neri",
    "Tipo di assistenza",
    "Prolissità descrizione mossa",
    "Libro di aperture",
    // English
    "Main menu",
    "Clock",
    "Game",
    "Assistant",
    "Language",
    "Time control",
    "Alarms",
    "Bonuses and penalties",
    "Adjudications",
    "Game information",
    "Clock mode",
    "A recursive period",
    "A fixed time to finish the whole game",
    "1 period of determined length plus 1 to finish",
    "2 periods of determined length plus 1 to finish",
    "3 periods of determined length plus 1 to finish",
    "Hourglass mode",
    "Player of the white pieces",
    "Player of the black pieces",
    "Type of assistance",
    "Move description verbosity",
    "Opening book",
    // Spanish
    "Menú principal",
    "Reloj",
    "Juego",
    "Asistente",
    "Idioma",
    "Ritmo de juego",
    "Alarmas",
    "Bonificaciones y sanciones",
    "Adjudicaciónes",
    "Información del juego",
    "Modo de reloj",
    "Período recursivo",
    "Tiempo fijo para terminar todo el juego",
    "1 período de duración determinada más 1 para terminar",
    "2 períodos de duración determinada más 1 para terminar",
    "3 períodos de duración determinada más 1 para terminar",
    "Reloj de arena",
    "Jugador de las blancas",
    "Jugador de las negras",
    "Tipo de asistencia",
    "Prolijidad de la descripción del movimiento",
    "Libro de apertura",
};

const char* const StrColore[3 * 2] = {"bianco", "nero", "white", "black", "blancas", "negras"};
const char* const StrComando[3] = {"mossa o valore", "move or value", "movimiento o valor"};

const char* const StrLaPosizioneCorrente[3] = {"la posizione corrente", "the current position",
                                               "la posición actuál"};
const char* const StrRipetizione[3 * 3] = {
    "non si è mai verificata prima",
    "è identica a quella dopo",
    "è identica a quelle dopo",
    "is never verified before",
    "is identical to that after",
    "is identical to those after",
    "nunca fué verificada anteriormente",
    "es idéntica a eso posteriore de la",
    "es idéntica aquellas posteriores de la",
};
const char* const StrEQuellaIniziale[3] = {"è quella iniziale", "is the initial one",
                                           "es la inicial"};
const char* const Str1RipPosizioneIniziale[3] = {
    "è identica a quella iniziale", "is identical to initial one", "es idéntica a la inicial"};
const char* const Str2RipPosizioneIniziale[3] = {
    "è identica a quella iniziale e quella dopo",
    "is identical to initial one and to that after",
    "es idéntica a la inicial y a eso posteriore de la",
};
const char* const StrECongiunzione[3] = {"e", "and", "y"};
const char* const StrDirittiArrocco[3] = {"diritti d'arrocco", "Castling rights",
                                          "derechos del enroque"};
const char* const StrInfoArrocco[3 * 4] = {
    "nessuno",        "solo corto", "solo lungo", "entrambi",   "none",       "kingside only",
    "queenside only", "both",       "ninguno",    "solo corto", "solo largo", "ambos",
};
const char* const StrSemimosse[3] = {"semimosse", "plies", "jugadas"};
const char* const StrUltimaMossa[3] = {"ultima", "last", "ultima"};
const char* const StrMosseReversibili[3] = {"reversibili", "reversible", "reversible"};
const char* const StrTotali[3] = {"totali", "total", "totál"};
const char* const StrMossa[3] = {"mossa", "move", "movida"};
const char* const StrTrattoAl[3 * 2] = {
    "tratto al bianco", "tratto al nero",       "white's turn",
    "black's turn",     "turno de las blancas", "turno de las negras",
};
const char* const StrStatoOrologio[3 * 2] = {
    "orologio fermo",   "orologio in moto", "clock stopped",
    "clock is running", "relój Detenido",   "relój en marcha",
};

const char* const StrComandoTroppoLungo[3] = {"questo campo non può contenere più di",
                                              "this field cannot contain more than",
                                              "este campo no puede contener más de"};
const char* const StrCaratteri[3] = {"caratteri", "characters", "caracteres."};
const char* const StrCifre[3] = {"cifre", "digits", "dígitos"};
const char* const StrComandoNonValido[3] = {"Comando non valido", "Invalid command",
                                            "Comando inválido"};
const char* const StrPezzoEColore[3 * 16] = {
    "pedone bianco",
    "pedone nero",
    "cavallo bianco",
    "cavallo nero",
    "alfiere bianco",
    "alfiere nero",
    "torre bianca",
    "torre nera",
    "donna bianca",
    "donna nera",
    "re bianco",
    "re nero",
    "",
    "",
    "",
    "casa vuota",
    "white pawn",
    "black pawn",
    "white Knight",
    "black Knight",
    "white bishop",
    "black bishop",
    "white rook",
    "black rook",
    "white queen",
    "black queen",
    "white king",
    "black king",
    "",
    "",
    "",
    "empty square",
    "peón blanco",
    "peón negro",
    "caballo blanco",
    "caballo negro",
    "alfil blanco",
    "alfil negro",
    "torre blanca",
    "torre negra",
    "dama blanca",
    "dama negra",
    "rey blanco",
    "rey negro",
    "",
    "",
    "",
    "casilla vacía",
};

const char* const StrAnnotazioneNonValida[3] = {"non è un'annotazione corretta di mossa",
                                                "is not a correct move record",
                                                "no es un registro de movimiento correcto"};
const char* const StrMossaNonLegale[3] = {"non è una mossa legale", "is not a legal move",
                                          "es un movimiento ilegál"};
const char* const StrMossaAmbigua[3] = {
    "è una notazione ambigua.\nDisambiguare con",
    "is an ambiguous record.\nDisambiguate with",
    "es un registro ambiguo.\nDesambiguar con",
};
const char* const StrXor[3] = {"o", "or", "o"};
const char* const StrPromozioneNonSpecificata[3] = {
    "Promozione non specificata.\nIntendi promuovere a donna?",
    "Promotion not specified.\nAre you going to promote qween?",
    "Promoción no especificada.\n¿Vas a promocionar a dama?",
};
// The record keeps 511 plies; a further move is refused rather than written
// past the end of the per-ply arrays.
const char* const StrPartitaTroppoLunga[3] = {
    "La partita ha raggiunto il limite di 511 semimosse: la mossa non è stata registrata.",
    "The game has reached the limit of 511 plies: the move was not recorded.",
    "La partida ha alcanzado el límite de 511 jugadas: el movimiento no fue registrado.",
};
