#include "data/msg_clock.h"

const char* const MsgOrologioGiaInMoto[3] = {
    "l'orologio è già in moto.", "the clock is already running.", "el relój ya está en marcha."};
const char* const MsgOrologioGiaFermo[3] = {
    "l'orologio è già fermo.", "the clock is already stopped.", "el relój ya está detenido."};
const char* const StrOrologioAnnuncioInMoto[3] = {"orologio in moto", "clock is running",
                                                  "relój en marcha"};
const char* const StrOrologioAnnuncioFermo[3] = {"orologio fermo", "clock stopped",
                                                 "relój Detenido"};
const char* const MsgModificaTempoInMoto[3] = {
    "Per applicare bonus o penalità si deve prima fermare l'orologio.",
    "In order to apply bonuses or penalties you must first stop the clock.",
    "Para aplicar bonos o penalizaciones se debe previamente detener el relój.",
};
const char* const MsgMinutiFuoriRange[3] = {
    "Il valore specificato per i minuti non è valido. \n I valori ammessi sono compresi da 1 a "
    "30.",
    "The entered value for minutes is out of range. \n A correct input should be from 1 up to 30.",
    "El valor ingresado para los minutos está fuera de rango. \n Corrija el mismo ingresando un "
    "valor desde 1 hasta 30.",
};
const char* const MsgNessunValoreMinuti[3] = {
    "non è stato inserito alcun valore valido per i minuti. \n I valori ammessi vanno da 1 a 30.",
    "no valid input for minutes has been entered. \n The accepted range is from 1 up to 30.",
    "no se ingresó un valor válido para los minutos. \n El rango aceptado es de 1 a 30.",
};
const char* const MsgScegliColore[3] = {
    "Per modificare il tempo, si deve prima scegliere il colore da modificare.",
    "To edit time, you must choose first what color you want to modify.",
    "Para editar el tiempo, primero se debe elegir el color que se quiere modificar.",
};
const char* const StrAggiungiA[3] = {"Aggiungere al", "Add to", "¿Sumar a las"};
const char* const StrSottraiA[3] = {"Sottrarre al", "Subtract to", "¿Restar a las"};
const char* const StrMinuti[3] = {"minuti", "minutes", "minutos"};
const char* const StrPiu[3] = {"più", "plus", "más"};
const char* const MsgNessunaMossaDaRitirare[3] = {
    "la posizione corrente è quella iniziale: non c'è alcuna mossa da ritirare.",
    "current position is the initial one: there is no move to take back.",
    "la posición actuál es la inicial: no hay ninguna jugada para deshacer.",
};
const char* const MsgRitiraConOrologioInMoto[3] = {
    "per ritirare una mossa si deve prima fermare l'orologio.",
    "in order to take back a move, you must first stop the clock.",
    "para deshacer una jugada se debe previamente detener el relój.",
};

const char* const StrCommentoVerdetto[3 * 11] = {
    "scaccomatto",
    "stallo",
    "materiale insufficente",
    "regola delle 50 mosse",
    "triplice ripetizione",
    "cade la bandierina del bianco",
    "cade la bandierina del nero",
    "entrambe le bandierine cadute",
    "Patta d'accordo",
    "il bianco abbandona",
    "il nero abbandona",

    "checkmate",
    "stalemate",
    "insufficent material",
    "50 moves rule",
    "threefold repetition",
    "white's flag falls",
    "black's flag falls",
    "both flags fallen",
    "Draw by agreement",
    "white resins",
    "black resins",

    "jaque Mate",
    "rey Ahogado",
    "material insuficiente",
    "regla de las 50 movidas",
    "triple repetición",
    "cae la bandera de las blancas",
    "cae la bandera de las negras",
    "ambas banderas caídas",
    "Tablas de mutuo acuerdo",
    "las blancas abandonan",
    "las negras abandonan",
};
const char* const StrDomanda50Mosse[3] = {
    "Aggiudicare la patta per la regola delle 50 mosse?",
    "adjudicate draw according with 50 moves rule??",
    "¿Adjudicar tablas de acuerdo a la regla de las 50 movidas?",
};
const char* const StrDomandaTripliceRipetizione[3] = {
    "Triplice ripetizione: aggiudicare la patta?",
    "threefold repetition: adjudicate a draw?",
    "¿Triple repetición: adjudicar tablas?",
};
const char* const StrDomandaEntrambeBandierine[3] = {
    "entrambe le bandierine cadute. \n aggiudicare la patta?",
    "both flags fallen. \n adjudicate a draw?",
    "ambas banderas caídas. \n ¿adjudicar tablas?",
};
const char* const StrDomandaPattaDaccordo[3] = {
    "Patta d'accordo, aggiudicare la partita (1/2-1/2)",
    "Draw by agreement, adjudicate the game (1/2-1/2)",
    "Tablas de mutuo acuerdo, adjudicar el juego (1/2-1/2)",
};
const char* const StrDomandaAbbandono[3 * 2] = {
    "Il bianco abbandona, aggiudicare la partita (0-1)",
    "Il nero abbandona, aggiudicare la partita (1-0)",
    "White resins, adjudicate the game (0-1)",
    "Black resins, adjudicate the game (1-0)",
    "Las blancas abandonan, adjudicar el juego (0-1)",
    "Las negras abandonan, adjudicar el juego (1-0)",
};
const char* const StrAggiudicaPartita[3] = {"aggiudicare la partita", "adjudicate the game",
                                            "adjudicar el juego"};
const char* const StrNonPuoVincere[3 * 2] = {
    "il bianco non può vincere", "il nero non può vincere",     "white can not win",
    "black can not win",         "las blancas no pueden ganar", "las negras no pueden ganar",
};
const char* const StrPartitaAggiudicata[3] = {"partita aggiudicata", "game adjudicated",
                                              "partida adjudicada"};
const char* const StrAzzeraEAvviaOrologio[3] = {
    "Annullare l'aggiudicazione e avviare comunque l'orologio?",
    "Reset the adjudgement and start the clock anyway?",
    "¿Anular la adjudicación y poner en marcha el relój de todos modos?",
};
const char* const StrAzzeraEModifica[3] = {
    "Annullare l'aggiudicazione e modificare comunque la partita?",
    "Reset the adjudgement and edit the game anyway?",
    "¿Anular la adjudicación y editar el juego de todos modos?",
};
