#include "platform/console_traits.h"
#include "speech/riga_cursore.h"

#include <string>

#include "platform/platform.h"
#include "speech/annuncio.h"

unsigned AnnunciFatti = 0;

namespace {

// A Windows screen reader follows the cursor by itself.
constexpr bool kLeggiLaRiga = !platform::kScreenReaderFollowsConsole;

}  // namespace

PrimaDelTasto RicordaPrimaDelTasto() {
  return {platform::current().cursor_row(), AnnunciFatti};
}

void LeggiRigaSeSpostata(const PrimaDelTasto& prima) {
  if (!kLeggiLaRiga) return;
  auto& os = platform::current();
  int riga = os.cursor_row();
  if (riga == prima.riga || AnnunciFatti != prima.annunci) return;
  // Runs of blanks (centring, the gap before a clock) are one blank to the
  // ear and waste cells on a braille display.
  std::string testo;
  for (char c : os.row_text(riga))
    if (c != ' ' || (!testo.empty() && testo.back() != ' ')) testo += c;
  while (!testo.empty() && testo.back() == ' ') testo.pop_back();
  // A blank row has nothing to say; the cursor's arrival is its own cue.
  if (testo.empty()) return;
  // Anuncia with assistance type 0 stays silent: the user's own screen
  // reader reads the terminal then.
  Anuncia(testo.c_str(), 1);
}
