// The one file the user copied to the clipboard in the file manager, for the
// commands that open a file by name (log check, paste, book builder).
#pragma once

#include <string>

// Puts the full path of the one copied file into percorso and gives its
// length. Otherwise shows why in an information box ("Unable to read the
// clipboard.", more than one file, no file) and gives 0.
int LeggiNomeFileNegliAppunti(std::string& percorso);
