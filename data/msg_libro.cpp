#include "data/msg_libro.h"

const char* const StrContinuazioniDalLibro[3] = {
    "Continuazioni dal libro per la posizione corrente",
    "Continuations from book for current position",
    "Continuaciones del libro para la posición actual",
};
const char* const StrNoContinuazioni[3] = {
    "Nessuna continuazione trovata nel libro.",
    "No continuation found in the book.",
    "No se encontró continuación en el libro.",
};
const char* const StrLinea[3 * 3] = {
    "nodo terminale", "una linea", "linee",  //
    "terminal node",  "a line",    "lines",  //
    "nodo terminal",  "una línea", "líneas",
};
const char* const StrDi[3] = {"di", "of", "de"};
const char* const StrNodoCorrente[3] = {"nodo corrente", "current node", "nodo actual"};
const char* const StrTermineLinea[3] = {"termine linea", "end of line", "fin de la línea"};
const char* const StrEsplorazioneLibroNonDisponibile[3] = {
    "La navigazione del libro si può attivare solo se la partita non è ancora iniziata.",
    "Book explorer can only be activated if the game has not already started.",
    "La navegación de libros solo se puede activar si la partida aún no ha comenzado.",
};
const char* const StrImpossibileLeggereLibro[3] = {
    "Non è stato possibile leggere nel libro!",
    "It was not possible to read in the book!",
    "¡No fue posible leer en el libro!",
};
const char* const StrEsplorazioneLibroAttiva[3] = {
    "Navigazione libro attiva", "Book explorer activated", "Navegación de libros habilitada"};
const char* const StrEsplorazioneLibroDisattiva[3] = {
    "Navigazione libro disattiva", "Book explorer disabled", "Navegación de libros deshabilitada"};
const char* const StrNonHoCopiatoLinea[3] = {
    "Non ho potuto copiare la linea negli appunti.",
    "Unable to copy the line to the clipboard.",
    "No pude copiar la línea al portapapeles.",
};
const char* const StrHoCopiatoLinea[3] = {
    "Linea copiata negli appunti.",
    "Line copied to clipboard.",
    "Línea copiado al portapapeles.",
};
