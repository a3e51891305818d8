#include "data/msg_costruttore.h"

const char* const StrLibroGiaPresente[3] = {
    "esiste già.\nConservare le linee in esso contenute?",
    "already exists.\nDo you want to keep the lines it contains?",
    "ya existe.\n¿Quieres mantener las líneas que contiene?",
};
const char* const StrImpossibileCostruireLibro[3] = {
    "Non è stato possibile avviare il processo della costruzione del libro.",
    "The book building process could not be started.",
    "El proceso de construcción del libro no pudo iniciarse.",
};
const char* const StrLibroPieno[3] = {
    "Raggiunta la dimensione massima. Non sarà più possibile inserire ulteriori linee in questo "
    "libro.",
    "Maximum size reached, it will no longer be possible to insert further lines in this book.",
    "Tamaño máximo alcanzado, ya no será posible insertar más líneas en este libro.",
};
const char* const StrPartiteSelezionate[3] = {
    "Partite che soddisfano i criteri specificati",
    "Games that meet the specified criteria",
    "Juegos que cumplen con los criterios especificados",
};
const char* const StrLineeNuoveInserite[3] = {
    "Nuove linee inserite nel libro",
    "New lines inserted in the book",
    "Nuevas líneas insertadas en el libro",
};
const char* const MsgLibroConOrologioInMoto[3] = {
    "Il libro non si può costruire mentre l'orologio è in moto: fermare prima l'orologio.",
    "The book cannot be built while the clock is running: stop the clock first.",
    "El libro no se puede construir mientras el reloj está en marcha: detenga primero el reloj.",
};
const char* const MsgLibroNonScritto[3] = {
    "Non è stato possibile scrivere il libro %s: il libro precedente è rimasto com'era.",
    "The book %s could not be written: the previous book is unchanged.",
    "No se pudo escribir el libro %s: el libro anterior no ha cambiado.",
};
