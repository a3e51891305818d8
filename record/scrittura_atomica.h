// Writing a file whole or not at all: the text goes to a temporary file in the
// same folder, is flushed to the disk and renamed over the old file, so a
// crash, a full disk or a power cut leaves either the old file or the new one.
#pragma once

#include <string>
#include <string_view>

// Writes testo to percorso (relative to the working directory or absolute),
// creating its folder when missing. On failure the old file is left as it
// was, the temporary file is removed, and motivo (when given) says why in the
// current language.
bool ScriviFileIntero(const std::string& percorso, std::string_view testo,
                      std::string* motivo = nullptr);

// 1 (the default): every file is flushed to the disk before it is renamed.
// Tests that write thousands of games set 0 to spare the disk; a crash could
// then leave an empty file.
extern int SincronizzaSuDisco;

// For tests: called with the temporary file's name after it is flushed and
// before it is renamed; throwing from it stands for a crash at that moment.
extern void (*ProvaPrimaDelRinomino)(const std::string& temporaneo);
