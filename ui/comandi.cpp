#include "ui/comandi.h"

#include <cstdlib>

#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "speech/annuncio.h"

void comando_esci() {
  if (ParametroIni[iniautosave].valore == 0 && PartitaSalvata == 0) {
    int r = FinestraDiDialogo(Testo(MsgSalvaInChiusura), MB_YESNOCANCEL);
    if (r == IDCANCEL) return;
    // Saving the game's files is not built yet: the question is asked so the
    // player can cancel, but Yes cannot save anything and so cancels too.
    if (r == IDYES) return;
    ChiudiIlProgramma();
  }
  if (FinestraDiDialogo(Testo(StrVuoiUscire), MB_YESNO) == IDNO) return;
  ChiudiIlProgramma();
}

void ChiudiIlProgramma() {
  FinestraDiDialogo(nullptr, 0);
  platform::current().exit_process(0);
  std::abort();  // exit_process never returns
}
