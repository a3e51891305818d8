#include "data/msg_config.h"

const char* const StrTipoParametroPeriodo[3 * 3] = {
    "durata in minuti del",
    "incremento in secondi nel",
    "numero di mosse da completare nel",
    "duration in minutes of",
    "increment in seconds in the",
    "number of moves to complete in the",
    "duración en minutos del",
    "incremento en segundos en el",
    "número de movimientos a completar en el",
};

const char* const StrNomePeriodo[3 * 4] = {
    "Primo periodo",  "Secondo periodo", "Terzo periodo",  "Quarto periodo",
    "First period",   "Second period",   "Third period",   "Fourth period",
    "Primer período", "Segundo período", "Tercer período", "Cuarto período",
};

const char* const StrEtichettaModoOrologio[3] = {"modalità orologio", "clock mode",
                                                 "modo de reloj"};

const char* const StrNomeAllarme[3 * 5] = {
    "primo allarme",  "secondo allarme", "terzo allarme",  "quarto allarme", "quinto allarme",
    "first alarm",    "second alarm",    "third alarm",    "fourth alarm",   "fifth alarm",
    "primera alarma", "segunda alarma",  "tercera alarma", "cuarta alarma",  "quinta alarma",
};

const char* const StrEtichettaAltriParametri[3 * 9] = {
    "aggiornamento automatico del tempo ",
    "salvataggio automatico della partita ",
    "tipo di assistenza ",
    "prolissità descrizione mossa ",
    "lingua ",
    "la visualizzazione a schermo della navigazione libro ",
    "lunghezza minima linea ",
    "lunghezza massima linea ",
    "punteggio minimo elo ",

    "auto refresh of the time ",
    "automatic saving of the game ",
    "type of assistance ",
    "move description verbosity ",
    "language ",
    "the on-screen display of the book explorer ",
    "minimum line length ",
    "maximum line length ",
    "minimum elo rating ",

    "refresco automático del tiempo ",
    "guardado automático del juego ",
    "tipo de asistencia ",
    "prolijidad de la descripción del movimiento ",
    "idioma ",
    "la visualización en pantalla de navegación de libros ",
    "longitud mínima de línea ",
    "longitud máxima de línea ",
    "puntuación mínimo de elo ",
};

const char* const StrLibroDaConsultare[3] = {"libro da consultare", "book to consult",
                                             "libro para consultar"};
const char* const StrLibroDaCostruire[3] = {"libro da costruire", "book to build",
                                            "libro para construir"};

const char* const StrValorePeriodo[3 * 6] = {
    "un periodo ricorsivo",
    "un tempo fisso per finire l'intera partita",
    "un periodo di lunghezza determinata più uno per finire",
    "due periodi di lunghezza determinata più uno per finire",
    "tre periodi di lunghezza determinata più uno per finire",
    "clessidra",

    "A recursive period",
    "A fixed time to finish the whole game",
    "a period of determined length plus one to finish",
    "two periods of determined length plus one to finish",
    "three periods of determined length plus one to finish",
    "hourglass",

    "un período recursivo",
    "un tiempo fijo para terminar todo el juego",
    "un período de duración determinada más uno para terminar",
    "dos períodos de duración determinada más uno para terminar",
    "tres períodos de duración determinada más uno para terminar",
    "reloj de arena",
};

const char* const StrSpentoAcceso[2] = {"off", "on"};

const char* const StrValoreAssistenza[3 * 3] = {
    "finestra di dialogo", "JAWS (se in esecuzione)",     "NVDA (se in esecuzione)",
    "dialog box",          "JAWS (if is running)",        "NVDA (if is running)",
    "caja de diálogo",     "JAWS (si está ejecutándose)", "NVDA (si está ejecutándose)",
};

const char* const StrValoreAssistente[3 * 3] = {
    "descrizione minima",  "descrizione media",  "descrizione lunga",
    "minimum description", "medium description", "long description",
    "descripción mínima",  "descripción media",  "descripción larga",
};

const char* const str_ValoreLingua[3] = {"italiano", "english", "español"};

const char* const StrPredefinito[3] = {"Predefinito", "Default", "Predeterminado"};
const char* const StrValoriAmmessi[3] = {"Valori ammessi", "Values allowed", "Valores permitidos"};
const char* const StrSemimosseUnita[3] = {"semimosse", "plies", "jugadas"};
const char* const StrUnitaAllarme[3] = {"minuti rimasti", "minutes left", "minutos restantes"};
const char* const StrImpostare[3] = {"Impostare", "Set", "¿setear"};
const char* const StrImpostareIn[3] = {"a", "to", "a"};
const char* const StrModificaCadenza[3] = {
    "si può modificare solo se la partita non è già iniziata",
    "can only be changed if the game has not yet started",
    "solo se puede cambiar si el juego aún no ha comenzado",
};

const char* const MsgErroreInIni[3] = {
    "errore trovato in vantorel.ini: - parametro non valido per",
    "error found in vantorel.ini: - invalid parameter for",
    "error encontrado en vantorel.ini: - parámetro no válido para",
};
const char* const MsgIniNonTrovato[3] = {
    "vantorel.ini non trovato.\ncaricamento dei valori predefiniti.",
    "vantorel.ini not found.\nloading default values.",
    "vantorel.ini no encontrado.\ncargando los valores predeterminados.",
};
const char* const MsgIniNonLeggibile[3] = {
    "'vantorel.ini' non leggibile.\nCaricamento dei valori predefiniti.",
    "'vantorel.ini' not readable.\nLoading default values.",
    "'vantorel.ini' no legible.\nCargando los valores predeterminados.",
};
const char* const MsgParametriMancanti[3] = {
    "mancano alcuni parametri in vantorel.ini.\ncaricamento dei valori predefiniti.",
    "some parameters are missing in vantorel.ini.\nloading default values.",
    "faltan algunos parámetros en vantorel.ini.\ncargando los valores predeterminados.",
};
const char* const MsgIniNonScrivibile[3] = {
    "impossibile scrivere vantorel.ini.\nLe impostazioni valgono solo fino alla chiusura del "
    "programma.",
    "vantorel.ini cannot be written.\nThe settings last only until the program is closed.",
    "no se puede escribir vantorel.ini.\nLa configuración vale solo hasta que se cierre el "
    "programa.",
};
const char* const StrNoValoreParametro[3] = {
    "Nessun valore specificato per", "No value specified for", "no se especificó un valor para"};
const char* const StrValoreNonValido[3] = {"Valore non valido per", "Not valid value for",
                                           "Valor no válido para"};
const char* const StrLinguaImpostata[3] = {
    "impostata la lingua italiana", "English language is set", "se establece el idioma español"};
