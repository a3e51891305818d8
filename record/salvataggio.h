// Saving the game's files: the move list, the PGN file, the replay script and
// the log, each written whole (record/scrittura_atomica.h). A file that cannot
// be written is reported with its name and the reason, and the game stays
// unsaved.
#pragma once

#include <string>
#include <string_view>

// Writes, in this order, the move list, the PGN file, the replay script and
// the log. Gives 1 and marks the game saved only when all four were written;
// otherwise reports the failures (each once until that file is written again)
// and marks the game unsaved.
int SalvaPartita();
// For the commands the user gives on purpose: their failures are reported
// even when the same failure was reported before.
void RipetiAvvisiDiScrittura();
// The session is ending: an unsaved game with at least one move is saved,
// without asking or showing anything.
void SalvaAllaChiusura();

int SalvaPartitaTxt();
int SalvaPartitaPgn();
int SalvaPartitaHtml();

// Writes one of the game's files; on failure notes the file and the reason
// for SegnalaFileNonScritti. 1 when written.
int ScriviFileDellaPartita(const std::string& percorso, std::string_view testo);
// Shows the noted failures in one information box and forgets them. Only the
// failures of files not reported since they were last written are shown.
void SegnalaFileNonScritti(bool solo_nuovi = true);

// The move-list file of the current language.
std::string PercorsoListaMosse();
// The replay script and the replay page.
std::string PercorsoScriptHtml();
std::string PercorsoPaginaHtml();
