#include "clock/appunti_file.h"

#include "data/messages.h"
#include "data/msg_appunti.h"
#include "platform/platform.h"
#include "speech/annuncio.h"

int LeggiNomeFileNegliAppunti(std::string& percorso) {
  auto files = platform::current().clipboard_files();
  if (!files) {
    FinestraDiDialogo(Testo(MsgNonLeggoAppunti), 64);
    return 0;
  }
  if (files->size() > 1) {
    FinestraDiDialogo(Testo(MsgPiuFileNegliAppunti), 64);
    return 0;
  }
  if (files->empty() || files->front().empty()) {
    FinestraDiDialogo(Testo(MsgNessunFileNegliAppunti), 64);
    return 0;
  }
  percorso = files->front();
  return static_cast<int>(percorso.size());
}
