#include "platform/console_traits.h"
#include "speech/annuncio.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_speech.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/utf8.h"
#include "speech/riga_cursore.h"

void* nvda_dll = nullptr;
void* jaws_dll = nullptr;
FnTestoNvda annuncio_nvda = nullptr;
FnTestoNvda braille_nvda = nullptr;
FnStopNvda stop_NVDA = nullptr;
FnDiciJaws annuncio_jaws = nullptr;
int NvdaDisponibile = 0;
int JawsDisponibile = 0;

void (*const carica[3])() = {CaricaFinestraDiDialogo, CaricaJaws, CaricaNvda};

namespace {

constexpr int kUnitaBufferNvda = 4096;
constexpr int kByteBufferJaws = 4096;

// On a terminal nothing but us can read a dialog to the player; a Windows
// screen reader reads the message box by itself.
constexpr bool kParlaLeFinestre = !platform::kScreenReaderFollowsConsole;

// The screen readers learn the language from the backend; tell it on change.
int lingua_comunicata = -1;

void comunica_lingua() {
  if (lingua_comunicata == lang()) return;
  lingua_comunicata = lang();
  platform::current().set_language(lingua_comunicata);
}

// Decodes one UTF-8 character at p into cp and returns its length; an invalid
// byte gives U+FFFD and length 1.
int decodifica(const unsigned char* p, char32_t& cp) {
  auto cont = [&](int i) { return (p[i] & 0xC0) == 0x80; };
  if (p[0] < 0x80) {
    cp = p[0];
    return 1;
  }
  if ((p[0] & 0xE0) == 0xC0 && cont(1)) {
    cp = (char32_t(p[0] & 0x1F) << 6) | (p[1] & 0x3F);
    return 2;
  }
  if ((p[0] & 0xF0) == 0xE0 && cont(1) && cont(2)) {
    cp = (char32_t(p[0] & 0x0F) << 12) | (char32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
    return 3;
  }
  if ((p[0] & 0xF8) == 0xF0 && cont(1) && cont(2) && cont(3)) {
    cp = (char32_t(p[0] & 0x07) << 18) | (char32_t(p[1] & 0x3F) << 12) |
         (char32_t(p[2] & 0x3F) << 6) | (p[3] & 0x3F);
    if (cp > 0x10FFFF) cp = 0xFFFD;
    return 4;
  }
  cp = 0xFFFD;
  return 1;
}

// UTF-8 to UTF-16 into out[0..capacity), cut at a character boundary so the
// terminating 0 always fits.
void in_utf16(const char* testo, char16_t* out, int capacity) {
  auto p = reinterpret_cast<const unsigned char*>(testo);
  int n = 0;
  while (*p) {
    char32_t cp;
    p += decodifica(p, cp);
    if (cp >= 0x10000) {
      if (n + 2 >= capacity) break;
      cp -= 0x10000;
      out[n++] = static_cast<char16_t>(0xD800 + (cp >> 10));
      out[n++] = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      if (n + 1 >= capacity) break;
      out[n++] = static_cast<char16_t>(cp);
    }
  }
  out[n] = 0;
}

// The text with its first non-blank character in upper case (ASCII and the
// Latin-1 letters, which cover the three languages).
std::string con_maiuscola(const char* testo) {
  std::string s(testo);
  std::size_t i = s.find_first_not_of(" \t\n\r\v\f");
  if (i == std::string::npos) return s;
  auto c = static_cast<unsigned char>(s[i]);
  if (c >= 'a' && c <= 'z') {
    s[i] = static_cast<char>(c - 32);
  } else if (c == 0xC3 && i + 1 < s.size()) {
    auto d = static_cast<unsigned char>(s[i + 1]);
    // U+00E0..U+00FE except the division sign: upper case is 0x20 below.
    if (d >= 0xA0 && d <= 0xBE && d != 0xB7) s[i + 1] = static_cast<char>(d - 0x20);
  }
  return s;
}

// Kept from one dialog to the next, released by the next call or a null text.
std::string testo_tenuto, titolo_tenuto;

void libera_buffer() {
  std::string().swap(testo_tenuto);
  std::string().swap(titolo_tenuto);
}

// The words of the buttons a style shows, as the player hears them.
std::string parole_pulsanti(int stile) {
  switch (stile & 0x0F) {
    case MB_YESNO:
      return std::string(Testo(StrPulsanti, 4, 1)) + ", " + Testo(StrPulsanti, 4, 2);
    case MB_YESNOCANCEL:
      return std::string(Testo(StrPulsanti, 4, 1)) + ", " + Testo(StrPulsanti, 4, 2) + ", " +
             Testo(StrPulsanti, 4, 3);
    default:
      return Testo(StrPulsanti, 4, 0);
  }
}

int mostra(int stile, int interrompi) {
  // Speaking may itself open a dialog (a byte the 8-bit reader cannot take),
  // which replaces the kept buffers: show what was kept before speaking.
  std::string testo = testo_tenuto, titolo = titolo_tenuto;
  if (kParlaLeFinestre) {
    std::string detto = titolo + " " + testo + " " + parole_pulsanti(stile);
    Anuncia(detto.c_str(), interrompi);
  }
  return platform::current().message_box(testo, titolo, stile);
}

}  // namespace

int Anuncia(const char* testo, int interrompi) {
  if (testo && testo[std::strspn(testo, " ")]) ++AnnunciFatti;
  switch (ParametroIni[iniAssistanceType].valore) {
    case 1:
      return AnnuncioJAWS(testo, interrompi);
    case 2:
      return AnnuncioNVDA(testo, interrompi);
    default:
      return 0;
  }
}

int AnnuncioNVDA(const char* testo, int interrompi) {
  if (!NvdaDisponibile || !nvda_dll || !annuncio_nvda || !braille_nvda || !stop_NVDA) return 0;
  comunica_lingua();
  if (interrompi) stop_NVDA();
  if (!testo || !*testo) return 0;
  char16_t buffer[kUnitaBufferNvda];
  in_utf16(testo, buffer, kUnitaBufferNvda);
  auto r = annuncio_nvda(buffer);
  braille_nvda(buffer);
  return static_cast<int>(r);
}

int AnnuncioJAWS(const char* testo, int interrompi) {
  if (!JawsDisponibile || !jaws_dll || !annuncio_jaws) return 0;
  comunica_lingua();
  char buffer[kByteBufferJaws];
  ConvertiUtf8InAscii(testo ? testo : "", buffer, sizeof buffer);
  return annuncio_jaws(buffer, interrompi);
}

void ScaricaNvda() {
  if (nvda_dll) platform::current().unload_library(nvda_dll);
  nvda_dll = nullptr;
  annuncio_nvda = braille_nvda = nullptr;
  stop_NVDA = nullptr;
  NvdaDisponibile = 0;
}

void ScaricaJaws() {
  if (jaws_dll) platform::current().unload_library(jaws_dll);
  jaws_dll = nullptr;
  annuncio_jaws = nullptr;
  JawsDisponibile = 0;
}

void CaricaNvda() {
  if (jaws_dll) ScaricaJaws();
  if (NvdaDisponibile) return;
  auto& os = platform::current();
  // A library left loaded by an earlier attempt that lacked an entry point
  // is released before trying again.
  if (nvda_dll) ScaricaNvda();
  nvda_dll = os.load_library("nvda.dll");
  if (!nvda_dll) return;
  void* parla = os.library_symbol(nvda_dll, "nvdaController_speakText");
  void* braille = parla ? os.library_symbol(nvda_dll, "nvdaController_brailleMessage") : nullptr;
  void* stop = braille ? os.library_symbol(nvda_dll, "nvdaController_cancelSpeech") : nullptr;
  if (!stop) return;
  annuncio_nvda = reinterpret_cast<FnTestoNvda>(parla);
  braille_nvda = reinterpret_cast<FnTestoNvda>(braille);
  stop_NVDA = reinterpret_cast<FnStopNvda>(stop);
  NvdaDisponibile = 1;
}

void CaricaJaws() {
  if (nvda_dll) ScaricaNvda();
  if (JawsDisponibile) return;
  auto& os = platform::current();
  if (jaws_dll) ScaricaJaws();
  jaws_dll = os.load_library("jaws.dll");
  if (!jaws_dll) return;
  void* dici = os.library_symbol(jaws_dll, "JFWSayString");
  if (!dici) return;
  annuncio_jaws = reinterpret_cast<FnDiciJaws>(dici);
  JawsDisponibile = 1;
}

void CaricaFinestraDiDialogo() {
  if (nvda_dll) ScaricaNvda();
  if (jaws_dll) ScaricaJaws();
}

void CaricaAssistente(int tipo) {
  if (tipo < 0 || tipo > 2) return;
  carica[tipo]();
}

namespace {

int Dialogo(const char* testo, int tipo, int interrompi) {
  libera_buffer();
  if (!testo) return 0;
  testo_tenuto = con_maiuscola(testo);
  titolo_tenuto = con_maiuscola(Testo(StrAttenzione));
  return mostra(tipo, interrompi);
}

}  // namespace

int FinestraDiDialogo(const char* testo, int tipo) { return Dialogo(testo, tipo, 1); }

int FinestraDiDialogoInCoda(const char* testo, int tipo) { return Dialogo(testo, tipo, 0); }

int FinestraInfo(const char* titolo, const char* testo) {
  libera_buffer();
  if (!titolo || !testo) return 0;
  testo_tenuto = con_maiuscola(testo);
  titolo_tenuto = con_maiuscola(titolo);
  return mostra(MB_OK, 1);
}

void MsgFileNonTrovato(const char* nome) {
  char testo[512];
  std::snprintf(testo, sizeof testo, Testo(StrFileNonTrovato), nome);
  FinestraDiDialogo(testo, MB_ICONINFORMATION);
}
