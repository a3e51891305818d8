// UTF-8 sequence tests and the conversion of UTF-8 text to the single-byte
// code page 1252, the form one of the screen readers takes.
#pragma once

#include <cstddef>

// UTF-8 encodings of the single-byte codes 128..255 (entry i is code 128 + i).
// The five codes the code page leaves unassigned stand for U+0081, U+008D,
// U+008F, U+0090 and U+009D.
extern const char* const ExAsciiChar[128];

bool utf8_is_continuation(unsigned char byte);
// Each looks at a NUL-terminated text at p; the multi-byte tests never read
// past a NUL, since a NUL is not a continuation byte.
bool utf8_is_single_byte(const char* p);
bool utf8_is_double_byte(const char* p);
bool utf8_is_triple_byte(const char* p);
bool utf8_is_quadruple_byte(const char* p);
// Bytes of the valid UTF-8 character at p (1 to 4), 0 when none starts there.
int utf8_sequence_length(const char* p);

// The single-byte code of the UTF-8 sequence of the given length, 0 when the
// code page has no such character.
unsigned char AsciiEsteso(const char* sequenza, int lunghezza);

// Converts NUL-terminated UTF-8 text to code page 1252. A character the code
// page lacks becomes '?'; a byte that starts no valid sequence is reported in
// a dialog and skipped. The destination needs strlen(sorgente) + 1 bytes.
void ConvertiUtf8InAscii(const char* sorgente, char* destinazione);
// The same into a buffer of capacita bytes (at least 1): the result is cut at
// a character boundary so that it always ends with its NUL inside the buffer.
void ConvertiUtf8InAscii(const char* sorgente, char* destinazione, std::size_t capacita);
