// Setting one parameter from the menus or a quick-parameter key.
#include <cstdio>

#include "clock/cadenza.h"
#include "clock/comando_numerico.h"
#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_config.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "record/salvataggio.h"
#include "speech/annuncio.h"
#include "ui/schermo.h"

int comando_ImpostaParametro(VoceIni* voce) {
  const int i = static_cast<int>(voce - ParametroIni);
  if (i < 0 || i >= NumeroParametriIni) return 0;
  char testo[1536];
  // While a menu is open the menus show the value entry under the item's own
  // label, which for these parameters is the parameter's label.
  if (!ComandoDigitato()) {
    std::snprintf(testo, sizeof testo, "%s\n%s", Testo(StrNoValoreParametro),
                  EtichettaParametroIni(i));
    FinestraDiDialogo(testo, 64);
    return 0;
  }
  const long valore = LeggiInteroDaComando();
  CancellaComandoDigitato();
  if (i <= iniP4I && !PartitaNonIniziata()) {
    AvvisaCadenzaNonModificabile();
    return 0;
  }
  if (valore < voce->minimo || valore > voce->massimo) {
    int k = std::snprintf(testo, sizeof testo, "%s %s", Testo(StrValoreNonValido),
                          EtichettaParametroIni(i));
    std::snprintf(testo + k, sizeof testo - k, ".\n%s", ValoriAmmessiParametroIni(i));
    FinestraDiDialogo(testo, 64);
    return 0;
  }
  const int v = static_cast<int>(valore);
  int k = std::snprintf(testo, sizeof testo, "%s %s %s", Testo(StrImpostare),
                        EtichettaParametroIni(i), Testo(StrImpostareIn));
  char* resto = testo + k;
  const std::size_t spazio = sizeof testo - k;
  if (i == iniClockMode)
    std::snprintf(resto, spazio, " %d - %s?", v, Testo(StrValorePeriodo, 6, v));
  else if (i == iniautorefresh || i == iniautosave || i == iniEchoExplorer)
    std::snprintf(resto, spazio, " %d - %s?", v, StrSpentoAcceso[v]);
  else if (i == iniAssistanceType)
    std::snprintf(resto, spazio, " %d - %s?", v, Testo(StrValoreAssistenza, 3, v));
  else if (i == iniMDV)
    std::snprintf(resto, spazio, " %d - %s?", v, Testo(StrValoreAssistente, 3, v));
  else if (i == inilang)
    std::snprintf(resto, spazio, " %d - %s?", v, str_ValoreLingua[v]);
  else if (i >= inia1 && i <= inia5)
    std::snprintf(resto, spazio, " %d %s?", v, Testo(StrUnitaAllarme));
  else if (i == iniMinPlyBookLine || i == iniMaxPlyBookLine)
    std::snprintf(resto, spazio, " %d %s?", v, Testo(StrSemimosseUnita));
  else
    std::snprintf(resto, spazio, " %d?", v);
  if (FinestraDiDialogo(testo, 4) != 6) return 0;

  voce->valore = v;
  if (i == iniAssistanceType) CaricaAssistente(v);
  if (i == inilang) platform::current().set_language(v);
  ScriviIni();
  Beep(3000, 5);
  if (i == iniautosave) {
    if (v == 1 && PartitaSalvata == 0) SalvaPartita();
    return 1;
  }
  if (i == inilang) {
    RistampaPannelloPrincipale();
    Anuncia(Testo(StrLinguaImpostata), 1);
    return 1;
  }
  if (i > iniP4I) return 1;
  CaricaTempoDaiParametri();
  SalvaOSegnaNonSalvata();
  return 1;
}
