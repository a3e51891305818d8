// Writing a file whole or not at all: the text goes to a temporary file in the
// same folder, is flushed to the disk and renamed over the old file, so a
// crash, a full disk or a power cut leaves either the old file or the new one.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

// Writes testo to percorso (relative to the working directory or absolute),
// creating its folder when missing. On failure the old file is left as it
// was, the temporary file is removed, and motivo (when given) says why in the
// current language. The new file keeps the permissions of the one it
// replaces. binario: the bytes as they are (text mode turns line feeds into
// the platform's line end).
bool ScriviFileIntero(const std::string& percorso, std::string_view testo,
                      std::string* motivo = nullptr, bool binario = false);

// 1 (the default): every file is flushed to the disk before it is renamed.
// Tests that write thousands of games set 0 to spare the disk; a crash could
// then leave an empty file.
extern int SincronizzaSuDisco;

// For tests: called with the temporary file's name after it is flushed and
// before it is renamed; throwing from it stands for a crash at that moment.
extern void (*ProvaPrimaDelRinomino)(const std::string& temporaneo);

// The file operations a write goes through, in the order it calls them. Each
// reports failure as the C library does, with errno set. Tests put in their
// own to make any of them fail.
struct OperazioniFile {
  std::FILE* (*apri)(const char* nome, const char* modo);
  std::size_t (*scrivi)(const void* dati, std::size_t n, std::FILE* f);  // bytes written
  int (*svuota)(std::FILE* f);                                           // 0 or EOF
  bool (*su_disco)(std::FILE* f);
  int (*chiudi)(std::FILE* f);  // 0 or EOF; the file is closed either way
  bool (*sostituisci)(const std::string& da, const std::string& a);
};
extern const OperazioniFile OperazioniReali;
extern OperazioniFile OperazioniScrittura;  // OperazioniReali unless a test changed them
