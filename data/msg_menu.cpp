#include "data/msg_menu.h"

const char* const StrAperto[3] = {"(aperto)", "(opened)", "(abrió)"};
const char* const StrChiuso[3] = {"(chiuso)", "(closed)", "(cerrado)"};
const char* const StrMenuChiuso[3] = {"Menu chiuso", "Menu closed", "Menú cerrado"};
const char* const StrModalitaCorrente[3] = {"valore corrente", "current value", "valor actual"};
const char* const StrInterruttoreAttivazione[3 * 2] = {"Attiva",  "Disattiva", "Enable",
                                                       "Disable", "Habilitar", "Desactivar"};
const char* const StrDisattivo[3] = {"disattivo", "disabled", "desactivado"};

const char* const str_EtichettaMenuPrincipale[3 * 8] = {
    "orologio (chiuso)",
    "partita (chiuso)",
    "assistente (chiuso)",
    "lingua (chiuso)",
    "libro di aperture (chiuso)",
    "convalida file di log",
    "guida",
    "esci",
    "clock (closed)",
    "game (closed)",
    "assistant (closed)",
    "language (closed)",
    "opening book (closed)",
    "validate log file",
    "guide",
    "exit",
    "reloj (cerrado)",
    "juego (cerrado)",
    "asistente (cerrado)",
    "idioma (cerrado)",
    "libro de apertura (cerrado)",
    "validar archivo de registro",
    "guía",
    "salir",
};

const char* const str_EtichettaMenuOrologio[3 * 5] = {
    "",
    "cadenza di gioco (chiuso)",
    "allarmi (chiuso)",
    "bonus e penalità (chiuso)",
    "",
    "",
    "time control (closed)",
    "alarms (closed)",
    "bonuses and penalties (closed)",
    "",
    "",
    "ritmo de juego (cerrado)",
    "Alarmas (cerrado)",
    "Bonificaciones y sanciones (cerrado)",
    "",
};

const char* const StrCambiaStatoOrologio[3 * 2] = {
    "Orologio in moto", "Ferma l'orologio",  "Start the clock",
    "Stop the clock",   "Arrancar el relój", "Detener el relój",
};

const char* const EtichettaAggiornamentoAutomatico[3] = {"aggiornamento automatico del tempo",
                                                         "auto refresh of the time",
                                                         "refresco automático del tiempo"};

const char* const str_EtichettaMenuPartita[3 * 12] = {
    "nuova partita",
    "salva partita",
    "",
    "copia",
    "incolla",
    "aggiudicazioni (chiuso)",
    "ritira l'ultima semimossa",
    "info partita (chiuso)",
    "Visualizza elenco mosse (txt)",
    "Visualizza la partita (pgn)",
    "Visualizza la partita (html)",
    "visualizza il log della partita corrente",
    "new game",
    "save Game",
    "",
    "copy",
    "paste",
    "adjudications (closed)",
    "take back the last half-move",
    "game information (closed)",
    "view moves list (txt)",
    "view the game (pgn)",
    "view the game (html)",
    "view the log of the current game",
    "Nuevo juego",
    "Guardar partida",
    "",
    "copiar",
    "pegar",
    "adjudicaciónes (cerrado)",
    "Retirar el último movimiento",
    "información del juego (cerrado)",
    "Ver lista de movimientos (txt)",
    "Ver el juego (pgn)",
    "Ver el juego (html)",
    "ver el registro del juego actual",
};

const char* const EtichettaSalvataggioAutomatico[3] = {"salvataggio automatico della partita",
                                                       "automatic saving of the game",
                                                       "guardado automático del juego"};

const char* const str_EtichettaMenuAssistente[3 * 8] = {
    "tipo di assistenza (chiuso)",
    "prolissità descrizione mossa (chiuso)",
    "leggi ultima mossa",
    "leggi cadenza di gioco",
    "leggi il tempo del bianco",
    "leggi il tempo del nero",
    "leggi allarmi",
    "leggi info partita",
    "type of assistance (closed)",
    "move description verbosity (closed)",
    "read last move",
    "read time control",
    "read white time",
    "read black time",
    "read alarms",
    "read game info",
    "tipo de asistencia (cerrado)",
    "prolijidad de la descripción del movimiento (cerrado)",
    "leer última jugada",
    "leer ritmo de juego",
    "leer tiempo de las blancas",
    "leer tiempo de las negras",
    "leer alarmas",
    "leer información del juego",
};

const char* const str_EtichettaMenuCadenza[3 * 2] = {
    "modalità orologio (chiuso)", "proprietà della modalità orologio selezionata (chiuso)",
    "clock mode (closed)",        "properties of the selected clock mode (closed)",
    "modo de reloj (cerrado)",    "propiedades del modo de reloj seleccionado (cerrado)",
};

const char* const str_EtichettaMenuModificaTempo[3 * 4] = {
    "Bonus al bianco in minuti",      "Penalità al bianco in minuti",
    "Bonus al nero in minuti",        "Penalità al nero in minuti",
    "bonus to white in minutes",      "penalty to white in minutes",
    "bonus to black in minutes",      "penalty to black in minutes",
    "bonus a las blancas en minutos", "penalización a las blancas en minutos",
    "bonus a las negras en minutos",  "penalización a las negras en minutos",
};

const char* const str_EtichettaMenuAggiudicazioni[3 * 3] = {
    "aggiudicare la partita al bianco (1-0) per abbandono del nero",
    "aggiudicare la partita al nero (0-1) per abbandono del bianco",
    "aggiudicare patta (1/2-1/2) per accordo tra i 2 giocatori",
    "Black resins, adjudicate the game (1-0)",
    "White resins, adjudicate the game (0-1)",
    "Draw by agreement, adjudicate the game (1/2-1/2)",
    "Adjudicar la partida a las blancas (1-0) por abandono de las negras",
    "Adjudicar la partida a las negras (0-1) por abandono de las blancas",
    "Adjudicar tablas (1/2-1/2) por mutuo acuerdo",
};

const char* const str_EtichettaMenuInfoPartita[3 * 5] = {
    "evento",
    "turno",
    "giocatore con i bianchi (chiuso)",
    "giocatore con i neri (chiuso)",
    "Classificazione dell'apertura",
    "event",
    "round",
    "player of the white pieces (closed)",
    "player of the black pieces (closed)",
    "Opening classification",
    "evento",
    "ronda",
    "jugador de las blancas (cerrado)",
    "jugador de las negras (cerrado)",
    "Clasificación de apertura",
};

const char* const StrVoceMenuPeriodo1[3 * 3] = {
    "tempo in minuti",   "incremento in secondi",  "numero mosse da completare",
    "time in minutes",   "increment in seconds",   "number of moves to complete",
    "tiempo en minutos", "incremento en segundos", "número de movimientos para ser completado",
};

const char* const str_EtichettaMenuInfoGiocatore[3 * 3] = {
    "cognome",         "nome",     "elo fide", "family name", "first name",
    "fide elo rating", "apellido", "nombre",   "elo fide",
};

const char* const str_EtichettaMenuSintesiVocale[3 * 3] = {
    "finestra di dialogo", "JAWS (se in esecuzione)",     "NVDA (se in esecuzione)",
    "dialog box",          "JAWS (if is running)",        "NVDA (if is running)",
    "caja de diálogo",     "JAWS (si está ejecutándose)", "NVDA (si está ejecutándose)",
};

const char* const str_EtichettaMenuLibro[3 * 9] = {
    "libro da consultare",
    "Continuazioni dal libro per la posizione corrente",
    "Navigazione libro",
    "",
    "libro da costruire",
    "lunghezza minima linea",
    "lunghezza massima linea",
    "punteggio minimo elo",
    "costruisci o aggiorna il tuo libro di aperture",
    "book to consult",
    "Continuations from book for current position",
    "Book explorer",
    "",
    "book to build",
    "minimum line length",
    "maximum line length",
    "minimum elo rating",
    "build or update your opening book",
    "libro para consultar",
    "Continuaciones del libro para la posición actual",
    "Navegación de libros",
    "",
    "libro para construir",
    "longitud mínima de línea",
    "longitud máxima de línea",
    "puntuación mínimo de elo",
    "construye o actualiza tu libro de apertura",
};

const char* const StrEchoExplorer[3] = {"la visualizzazione a schermo della navigazione libro",
                                        "the on-screen display of the book explorer",
                                        "la visualización en pantalla de navegación de libros"};

const char* const TastoRapidoMenu[22] = {
    "APPS",       "ALT+O",      "ALT+P",      "ALT+A",      "ALT+L",      "ALT+C",
    "ALT+(1-5)",  "CTRL+±",     "ALT+X",      "ALT+I",      "CTRL+P",     "CTRL+ALT+P",
    "CTRL+ALT+P", "CTRL+ALT+P", "CTRL+ALT+P", "CTRL+ALT+P", "CTRL+ALT+P", "",
    "",           "ALT+H",      "ALT+D",      "ALT+B",
};

const char* const TastoRapidoMenuPrincipale[8] = {
    "ALT+O", "ALT+P", "ALT+A", "ALT+L", "ALT+B", "CTRL+ALT+V", "F1", "ALT+F4",
};
const char* const TastoRapidoMenuOrologio[5] = {"CTRL+ENTER", "ALT+C", "ALT+(1-5)", "CTRL+±",
                                                "CTRL+A"};
const char* const TastoFermaOrologio = "CTRL+SHIFT+ENTER";
const char* const TastoRapidoMenuPartita[12] = {
    "ALT+N",       "ALT+S", "CTRL+S", "CTRL+C", "CTRL+V",  "ALT+X",
    "CTRL+DELETE", "ALT+I", "F5",     "F9",     "CTRL+F9", "CTRL+F5",
};
const char* const TastoRapidoMenuAssistente[8] = {"ALT+H", "ALT+D", "F2",  "F3",
                                                  "F6",    "F7",    "F10", "F11"};
const char* const TastoRapidoMenuCadenza[2] = {"CTRL+P", "CTRL+ALT+P"};
const char* const TastoRapidoMenuAggiudicazioni[3] = {"F4", "F8", "F12"};
const char* const TastoRapidoMenuInfoPartita[5] = {"", "", "", "", "CTRL+F11"};
const char* const TastoRapidoMenuLibro[9] = {"", "CTRL+F2", "CTRL+E", "CTRL+ALT+E", "",
                                             "", "",        "",       "CTRL+B"};
