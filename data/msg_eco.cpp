#include "data/msg_eco.h"

const char* const StrCodiceEco[3] = {"Codice ECO", "ECO code", "Código ECO"};
const char* const StrApertura[3] = {"Apertura", "Opening", "Apertura"};
const char* const StrVariante[3] = {"Variante", "Variation", "Variante"};
const char* const StrNoEco[3] = {
    "Nessuna classificazione di apertura trovata per la partita corrente.",
    "No opening classifications found for the current game.",
    "No se encontraron clasificaciones de apertura para el juego actual.",
};
const char* const MsgEcoNonDisponibile[3] = {
    "Il file eco.bin manca o è danneggiato: le aperture non possono essere classificate.",
    "The eco.bin file is missing or damaged: openings cannot be classified.",
    "El archivo eco.bin falta o está dañado: las aperturas no se pueden clasificar.",
};
