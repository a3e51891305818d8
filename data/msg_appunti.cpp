#include "data/msg_appunti.h"

const char* const MsgNonLeggoAppunti[3] = {"Non riesco a leggere gli appunti.",
                                           "Unable to read the clipboard.",
                                           "No se puede leer el portapapeles."};
const char* const MsgPiuFileNegliAppunti[3] = {
    "Negli appunti c'è più di un file.\nSi può leggere un solo file alla volta.",
    "The clipboard has more than one file.\nOnly one file can be read at a time.",
    "El portapapeles contiene más de un archivo.\nSolo se puede leer un archivo a la vez."};
const char* const MsgNessunFileNegliAppunti[3] = {"Il file non è stato trovato negli appunti.",
                                                  "The file was not found on the clipboard.",
                                                  "No se encontró el archivo en el portapapeles."};
