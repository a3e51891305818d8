// A Windows screen reader reads the console line under the cursor whenever the
// cursor moves, and the panel, the menus and the value entry rely on it. On a
// terminal the program's own speech channel stands in for it: after a key that
// moved the cursor to another row and spoke nothing, it reads that row.
#pragma once

// Non-blank announcements made so far (a key compares the count before and after).
extern unsigned AnnunciFatti;

// What the row reader needs to know from before a key was handled.
struct PrimaDelTasto {
  int riga;
  unsigned annunci;
};
PrimaDelTasto RicordaPrimaDelTasto();
// Speaks the row under the cursor, trimmed and interrupting, when the cursor
// changed row since prima and nothing was spoken in between.
void LeggiRigaSeSpostata(const PrimaDelTasto& prima);
