#include "record/testi.h"

#include "data/messages.h"
#include "data/msg_speech.h"
#include "speech/annunci.h"

std::string DurataInParole(int secondi) {
  if (secondi == 0) return std::string("0 ") + Testo(StrUnitaTempo, 3, 2);
  return StrTempo(secondi);
}
