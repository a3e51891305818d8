#include "record/utf8.h"

#include <cstring>

#include "platform/platform.h"
#include "speech/annuncio.h"

const char* const ExAsciiChar[128] = {
    "\xE2\x82\xAC", "\xC2\x81",     "\xE2\x80\x9A", "\xC6\x92",      // 80 € · ‚ ƒ
    "\xE2\x80\x9E", "\xE2\x80\xA6", "\xE2\x80\xA0", "\xE2\x80\xA1",  // 84 „ … † ‡
    "\xCB\x86",     "\xE2\x80\xB0", "\xC5\xA0",     "\xE2\x80\xB9",  // 88 ˆ ‰ Š ‹
    "\xC5\x92",     "\xC2\x8D",     "\xC5\xBD",     "\xC2\x8F",      // 8C Œ · Ž ·
    "\xC2\x90",     "\xE2\x80\x98", "\xE2\x80\x99", "\xE2\x80\x9C",  // 90 · ‘ ’ “
    "\xE2\x80\x9D", "\xE2\x80\xA2", "\xE2\x80\x93", "\xE2\x80\x94",  // 94 ” • – —
    "\xCB\x9C",     "\xE2\x84\xA2", "\xC5\xA1",     "\xE2\x80\xBA",  // 98 ˜ ™ š ›
    "\xC5\x93",     "\xC2\x9D",     "\xC5\xBE",     "\xC5\xB8",      // 9C œ · ž Ÿ
    "\xC2\xA0",     "\xC2\xA1",     "\xC2\xA2",     "\xC2\xA3",      // A0 · ¡ ¢ £
    "\xC2\xA4",     "\xC2\xA5",     "\xC2\xA6",     "\xC2\xA7",      // A4 ¤ ¥ ¦ §
    "\xC2\xA8",     "\xC2\xA9",     "\xC2\xAA",     "\xC2\xAB",      // A8 ¨ © ª «
    "\xC2\xAC",     "\xC2\xAD",     "\xC2\xAE",     "\xC2\xAF",      // AC ¬ · ® ¯
    "\xC2\xB0",     "\xC2\xB1",     "\xC2\xB2",     "\xC2\xB3",      // B0 ° ± ² ³
    "\xC2\xB4",     "\xC2\xB5",     "\xC2\xB6",     "\xC2\xB7",      // B4 ´ µ ¶ ·
    "\xC2\xB8",     "\xC2\xB9",     "\xC2\xBA",     "\xC2\xBB",      // B8 ¸ ¹ º »
    "\xC2\xBC",     "\xC2\xBD",     "\xC2\xBE",     "\xC2\xBF",      // BC ¼ ½ ¾ ¿
    "\xC3\x80",     "\xC3\x81",     "\xC3\x82",     "\xC3\x83",      // C0 À Á Â Ã
    "\xC3\x84",     "\xC3\x85",     "\xC3\x86",     "\xC3\x87",      // C4 Ä Å Æ Ç
    "\xC3\x88",     "\xC3\x89",     "\xC3\x8A",     "\xC3\x8B",      // C8 È É Ê Ë
    "\xC3\x8C",     "\xC3\x8D",     "\xC3\x8E",     "\xC3\x8F",      // CC Ì Í Î Ï
    "\xC3\x90",     "\xC3\x91",     "\xC3\x92",     "\xC3\x93",      // D0 Ð Ñ Ò Ó
    "\xC3\x94",     "\xC3\x95",     "\xC3\x96",     "\xC3\x97",      // D4 Ô Õ Ö ×
    "\xC3\x98",     "\xC3\x99",     "\xC3\x9A",     "\xC3\x9B",      // D8 Ø Ù Ú Û
    "\xC3\x9C",     "\xC3\x9D",     "\xC3\x9E",     "\xC3\x9F",      // DC Ü Ý Þ ß
    "\xC3\xA0",     "\xC3\xA1",     "\xC3\xA2",     "\xC3\xA3",      // E0 à á â ã
    "\xC3\xA4",     "\xC3\xA5",     "\xC3\xA6",     "\xC3\xA7",      // E4 ä å æ ç
    "\xC3\xA8",     "\xC3\xA9",     "\xC3\xAA",     "\xC3\xAB",      // E8 è é ê ë
    "\xC3\xAC",     "\xC3\xAD",     "\xC3\xAE",     "\xC3\xAF",      // EC ì í î ï
    "\xC3\xB0",     "\xC3\xB1",     "\xC3\xB2",     "\xC3\xB3",      // F0 ð ñ ò ó
    "\xC3\xB4",     "\xC3\xB5",     "\xC3\xB6",     "\xC3\xB7",      // F4 ô õ ö ÷
    "\xC3\xB8",     "\xC3\xB9",     "\xC3\xBA",     "\xC3\xBB",      // F8 ø ù ú û
    "\xC3\xBC",     "\xC3\xBD",     "\xC3\xBE",     "\xC3\xBF",      // FC ü ý þ ÿ
};

bool utf8_is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

static unsigned char byte_at(const char* p, int i) { return static_cast<unsigned char>(p[i]); }

bool utf8_is_single_byte(const char* p) { return byte_at(p, 0) < 0x80; }

bool utf8_is_double_byte(const char* p) {
  return (byte_at(p, 0) & 0xE0) == 0xC0 && utf8_is_continuation(byte_at(p, 1));
}

bool utf8_is_triple_byte(const char* p) {
  return (byte_at(p, 0) & 0xF0) == 0xE0 && utf8_is_continuation(byte_at(p, 1)) &&
         utf8_is_continuation(byte_at(p, 2));
}

bool utf8_is_quadruple_byte(const char* p) {
  return (byte_at(p, 0) & 0xF8) == 0xF0 && utf8_is_continuation(byte_at(p, 1)) &&
         utf8_is_continuation(byte_at(p, 2)) && utf8_is_continuation(byte_at(p, 3));
}

unsigned char AsciiEsteso(const char* sequenza, int lunghezza) {
  for (int i = 0; i < 128; ++i) {
    if (static_cast<int>(std::strlen(ExAsciiChar[i])) == lunghezza &&
        std::memcmp(ExAsciiChar[i], sequenza, static_cast<std::size_t>(lunghezza)) == 0)
      return static_cast<unsigned char>(128 + i);
  }
  return 0;
}

int utf8_sequence_length(const char* p) {
  if (utf8_is_single_byte(p)) return 1;
  if (utf8_is_double_byte(p)) return 2;
  if (utf8_is_triple_byte(p)) return 3;
  if (utf8_is_quadruple_byte(p)) return 4;
  return 0;
}

void ConvertiUtf8InAscii(const char* sorgente, char* destinazione, std::size_t capacita) {
  std::size_t n = 0;
  const char* p = sorgente;
  while (*p && n + 1 < capacita) {
    int len = utf8_sequence_length(p);
    if (len == 0) {
      FinestraDiDialogo(" Carattere con piu di 4 byte in ConvertiUtf8InAscii", MB_ICONINFORMATION);
      ++p;
      continue;
    }
    if (len == 1) {
      destinazione[n++] = *p;
    } else {
      // A 0 here would end the text for every reader and silence the rest of
      // the sentence, so a character the code page lacks is spoken as '?'.
      unsigned char c = AsciiEsteso(p, len);
      destinazione[n++] = c ? static_cast<char>(c) : '?';
    }
    p += len;
  }
  destinazione[n] = 0;
}

void ConvertiUtf8InAscii(const char* sorgente, char* destinazione) {
  ConvertiUtf8InAscii(sorgente, destinazione, std::strlen(sorgente) + 1);
}
