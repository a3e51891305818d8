// The menu tree: parents, labels, and what each item shows on its line.
#include "ui/menu_voci.h"

#include <cstdio>
#include <string>

#include "clock/orologio.h"
#include "config/ini.h"
#include "data/messages.h"
#include "data/msg_config.h"
#include "data/msg_menu.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "ui/menu.h"
#include "ui/schermo.h"
#include "ui/stato.h"

const int MenuPadre[NumeroMenu] = {0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 5,
                                   5, 5, 5, 5, 5, 5, 9, 9, 3, 3, 0};
const int VoceMenuChiuso[NumeroMenu] = {0, 0, 1, 2, 3, 1, 2, 3, 5, 7, 0,
                                        1, 1, 1, 1, 1, 1, 2, 3, 0, 1, 4};

namespace {

constexpr int LarghezzaRiga = 80;

// Label text of a table holding n labels per language.
const char* Da(const char* const* tabella, int n, int voce) { return Testo(tabella, n, voce); }

// "Enable ..." while the switch is off, "Disable ..." while it is on.
const char* EtichettaInterruttore(char* buffer, std::size_t spazio, int indice,
                                  const char* const* etichetta) {
  std::snprintf(buffer, spazio, "%s %s",
                Testo(StrInterruttoreAttivazione, 2, ParametroIni[indice].valore ? 1 : 0),
                Testo(etichetta));
  return buffer;
}

// The first `n` characters of a UTF-8 text.
std::string PrimiCaratteri(const char* testo, int n) {
  std::string s;
  int caratteri = 0;
  for (const char* p = testo; *p; ++p) {
    bool inizio = (static_cast<unsigned char>(*p) & 0xC0) != 0x80;
    if (inizio && caratteri++ == n) break;
    s += *p;
  }
  return s;
}

// A value shown from column x of row y, cut so that it stays on the row.
void ScriviValore(int x, int y, const char* testo) {
  gotoxy(x, y);
  platform::current().write(PrimiCaratteri(testo, LarghezzaRiga - x));
}

const char* OPuntoInterrogativo(const char* campo) { return campo[0] ? campo : "?"; }

const char* TastoDiVoce(int menu, int voce) {
  // Menus whose items show their keys; the others show values or nothing.
  static const char* const* const tasti[NumeroMenu] = {
      TastoRapidoMenuPrincipale,
      TastoRapidoMenuOrologio,
      TastoRapidoMenuPartita,
      TastoRapidoMenuAssistente,
      nullptr,
      TastoRapidoMenuCadenza,
      nullptr,
      nullptr,
      TastoRapidoMenuAggiudicazioni,
      TastoRapidoMenuInfoPartita,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      TastoRapidoMenuLibro,
  };
  if (menu == 1 && voce == 0 && InMoto) return TastoFermaOrologio;
  return tasti[menu] ? tasti[menu][voce] : "";
}

// The value of a setting or a game field shown on the item's line, or null.
const char* ValoreDiVoce(int menu, int voce, char* buffer, std::size_t spazio) {
  if (menu >= 11 && menu <= 16) {
    std::snprintf(buffer, spazio, "%d", ParametroIni[voce + 1].valore);
    return buffer;
  }
  switch (menu) {
    case 6: {
      int minuti = ParametroIni[inia1 + voce].valore;
      std::snprintf(buffer, spazio, "%d %s", minuti,
                    Testo(minuti ? StrUnitaAllarme : StrDisattivo));
      return buffer;
    }
    case 9:
      if (voce > 1) return nullptr;
      return OPuntoInterrogativo(voce == 0 ? StrEvent : StrRound);
    case 17:
    case 18:
      return OPuntoInterrogativo(CampoGiocatore(menu, voce));
    case 21:
      switch (voce) {
        case 0:
          std::snprintf(buffer, spazio, "%s.vobf", LibroDaConsultare);
          return buffer;
        case 4:
          std::snprintf(buffer, spazio, "%s.vobf", LibroDaCostruire);
          return buffer;
        case 5:
        case 6:
          std::snprintf(buffer, spazio, "%d %s",
                        ParametroIni[voce == 5 ? iniMinPlyBookLine : iniMaxPlyBookLine].valore,
                        Testo(StrSemimosse));
          return buffer;
        case 7:
          std::snprintf(buffer, spazio, "%d", ParametroIni[iniMinEloRating].valore);
          return buffer;
        default:
          return nullptr;
      }
    default:
      return nullptr;
  }
}

// The setting whose current value the menu's items list, or -1.
int ParametroDellaLista(int menu) {
  switch (menu) {
    case 4:
      return inilang;
    case 10:
      return iniClockMode;
    case 19:
      return iniAssistanceType;
    case 20:
      return iniMDV;
    default:
      return -1;
  }
}

}  // namespace

std::string ConMaiuscolaIniziale(const char* testo) {
  std::string s(testo);
  // Labels begin with a plain letter where they begin in lower case.
  if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
  return s;
}

int CaratteriUtf8(const char* testo) {
  int n = 0;
  for (const char* p = testo; *p; ++p) n += (static_cast<unsigned char>(*p) & 0xC0) != 0x80;
  return n;
}

int ColonnaValoreMenu(int menu) {
  if (menu == 7 || (menu >= 11 && menu <= 16)) return 72;
  if (menu == 9 || menu == 17 || menu == 18) return 25;
  if (menu == 6) return 44;
  if (menu == 21) return 40;
  return 0;
}

char* CampoGiocatore(int menu, int voce) {
  static char* const bianco[3] = {StrWhiteCognome, StrWhiteNome, StrWhiteElo};
  static char* const nero[3] = {StrBlackCognome, StrBlackNome, StrBlackElo};
  return (menu == 17 ? bianco : nero)[voce];
}

const char* EtichettaVoce(int menu, int voce) {
  static char buffer[512];
  if (menu < 0 || menu >= NumeroMenu || voce < 0 || voce >= NumeroVociMenu[menu]) return "";
  switch (menu) {
    case 0:
      return Da(str_EtichettaMenuPrincipale, 8, voce);
    case 1:
      if (voce == 0) return Testo(StrCambiaStatoOrologio, 2, InMoto ? 1 : 0);
      if (voce == 4)
        return EtichettaInterruttore(buffer, sizeof buffer, iniautorefresh,
                                     EtichettaAggiornamentoAutomatico);
      return Da(str_EtichettaMenuOrologio, 5, voce);
    case 2:
      if (voce == 2)
        return EtichettaInterruttore(buffer, sizeof buffer, iniautosave,
                                     EtichettaSalvataggioAutomatico);
      return Da(str_EtichettaMenuPartita, 12, voce);
    case 3:
      return Da(str_EtichettaMenuAssistente, 8, voce);
    case 4:
      return str_ValoreLingua[voce];
    case 5:
      return Da(str_EtichettaMenuCadenza, 2, voce);
    case 6:
      std::snprintf(buffer, sizeof buffer, "%s", EtichettaParametroIni(inia1 + voce));
      return buffer;
    case 7:
      return Da(str_EtichettaMenuModificaTempo, 4, voce);
    case 8:
      return Da(str_EtichettaMenuAggiudicazioni, 3, voce);
    case 9:
      return Da(str_EtichettaMenuInfoPartita, 5, voce);
    case 10:
      return Da(StrValorePeriodo, 6, voce);
    case 11:
    case 12:
    case 16:
      return Da(StrVoceMenuPeriodo1, 3, voce);
    case 13:
    case 14:
    case 15:
      std::snprintf(buffer, sizeof buffer, "%s", EtichettaParametroIni(voce + 1));
      return buffer;
    case 17:
    case 18:
      return Da(str_EtichettaMenuInfoGiocatore, 3, voce);
    case 19:
      return Da(str_EtichettaMenuSintesiVocale, 3, voce);
    case 20:
      return Da(StrValoreAssistente, 3, voce);
    default:  // 21
      if (voce == 3)
        return EtichettaInterruttore(buffer, sizeof buffer, iniEchoExplorer, StrEchoExplorer);
      return Da(str_EtichettaMenuLibro, 9, voce);
  }
}

void StampaVoceMenu(int menu, int voce) {
  const int y = y_voci_menu + voce;
  std::string riga = "    ";
  riga += ConMaiuscolaIniziale(EtichettaVoce(menu, voce));
  int lista = ParametroDellaLista(menu);
  if (lista >= 0 && ParametroIni[lista].valore == voce)
    riga += std::string(" (") + Testo(StrModalitaCorrente) + ")";
  gotoxy(0, y);
  platform::current().write(PrimiCaratteri(riga.c_str(), LarghezzaRiga));
  char buffer[320];
  if (const char* valore = ValoreDiVoce(menu, voce, buffer, sizeof buffer)) {
    ScriviValore(ColonnaValoreMenu(menu), y, valore);
    return;
  }
  const char* tasto = TastoDiVoce(menu, voce);
  if (tasto[0]) StampaTastoRapido(y, tasto);
}

int SottomenuDiVoce(int menu, int voce) {
  struct Ramo {
    int menu, voce, sottomenu;
  };
  static const Ramo rami[] = {
      {0, 0, 1},  {0, 1, 2}, {0, 2, 3}, {0, 3, 4},  {0, 4, 21}, {1, 1, 5},  {1, 2, 6},  {1, 3, 7},
      {5, 0, 10}, {2, 5, 8}, {2, 7, 9}, {9, 2, 17}, {9, 3, 18}, {3, 0, 19}, {3, 1, 20},
  };
  // The properties item leads to the periods of the current clock mode.
  if (menu == 5 && voce == 1) return 11 + ParametroIni[iniClockMode].valore;
  for (const Ramo& r : rami)
    if (r.menu == menu && r.voce == voce) return r.sottomenu;
  return -1;
}
