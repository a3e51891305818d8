#include "speech/annuncio.h"

#include <cctype>
#include <string>

#include "data/messages.h"
#include "data/msg_ui.h"
#include "platform/platform.h"

// The screen-reader channels are not built yet: with no channel every
// announcement is dropped, exactly as the dialog-box assistance type does.
int Anuncia(const char*, int) { return 0; }

static std::string con_maiuscola(const char* testo) {
  std::string s(testo);
  for (auto& c : s) {
    if (c == ' ' || c == '\n' || c == '\t') continue;
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    break;
  }
  return s;
}

int FinestraDiDialogo(const char* testo, int tipo) {
  if (!testo) return 0;
  return platform::current().message_box(con_maiuscola(testo), Testo(StrAttenzione), tipo);
}

int FinestraInfo(const char* titolo, const char* testo) {
  if (!titolo || !testo) return 0;
  return platform::current().message_box(testo, titolo, MB_OK);
}

// Screen-reader libraries are loaded by the speech work; until then no channel
// is loaded and Anuncia stays silent.
void CaricaAssistente(int) {}
