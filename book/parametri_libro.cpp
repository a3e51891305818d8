// The book menu's values: the two book names and the builder's limits.
#include <cstdio>
#include <cstring>

#include "book/libro.h"
#include "clock/comando_numerico.h"
#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_config.h"
#include "platform/platform.h"
#include "speech/annuncio.h"
#include "ui/stato.h"

int ImpostaParametroLibro(int voce) {
  if (voce >= 5 && voce <= 7)
    return comando_ImpostaParametro(&ParametroIni[iniMinPlyBookLine + voce - 5]);
  if (voce != 0 && voce != 4) return 0;
  char* nome = voce == 0 ? LibroDaConsultare : LibroDaCostruire;
  const char* etichetta = Testo(voce == 0 ? StrLibroDaConsultare : StrLibroDaCostruire);
  char nuovo[sizeof LibroDaConsultare];
  std::snprintf(nuovo, sizeof nuovo, "%s", comando);
  CancellaComandoDigitato();
  // The menu refuses the characters a file name cannot hold as they are typed;
  // the same test as the settings file guards the rest (empty, too long).
  if (!ControllaNomeLibroInIni(etichetta, nuovo)) return 0;
  char domanda[512];
  std::snprintf(domanda, sizeof domanda, "%s %s %s %s?", Testo(StrImpostare), etichetta,
                Testo(StrImpostareIn), nuovo);
  if (FinestraDiDialogo(domanda, MB_YESNO) != IDYES) return 0;
  std::snprintf(nome, sizeof LibroDaConsultare, "%s", nuovo);
  Beep(3000, 5);
  ScriviIni();
  return 1;
}
