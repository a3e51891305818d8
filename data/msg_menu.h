// Texts of the menus: item labels, the shortcut shown on each line and the
// words of the menu announcements. Languages in the order it, en, es; a label
// that ends in "(closed)" opens a submenu.
#pragma once

extern const char* const StrAperto[3];
extern const char* const StrChiuso[3];
extern const char* const StrMenuChiuso[3];
extern const char* const StrModalitaCorrente[3];
extern const char* const StrInterruttoreAttivazione[3 * 2];  // Enable, Disable
extern const char* const StrDisattivo[3];

// Item labels, one table per menu (count items per language).
extern const char* const str_EtichettaMenuPrincipale[3 * 8];
extern const char* const str_EtichettaMenuOrologio[3 * 5];  // items 1..3; 0 and 4 are built
extern const char* const StrCambiaStatoOrologio[3 * 2];     // clock stopped, running
extern const char* const EtichettaAggiornamentoAutomatico[3];
extern const char* const str_EtichettaMenuPartita[3 * 12];  // item 2 is built
extern const char* const EtichettaSalvataggioAutomatico[3];
extern const char* const str_EtichettaMenuAssistente[3 * 8];
extern const char* const str_EtichettaMenuCadenza[3 * 2];
extern const char* const str_EtichettaMenuModificaTempo[3 * 4];
extern const char* const str_EtichettaMenuAggiudicazioni[3 * 3];
extern const char* const str_EtichettaMenuInfoPartita[3 * 5];
extern const char* const StrVoceMenuPeriodo1[3 * 3];
extern const char* const str_EtichettaMenuInfoGiocatore[3 * 3];
extern const char* const str_EtichettaMenuSintesiVocale[3 * 3];
extern const char* const str_EtichettaMenuLibro[3 * 9];  // item 3 is built
extern const char* const StrEchoExplorer[3];

// Shortcuts: of each menu (its title line) and of the items, by menu.
extern const char* const TastoRapidoMenu[22];
extern const char* const TastoRapidoMenuPrincipale[8];
extern const char* const TastoRapidoMenuOrologio[5];  // item 0 while the clock is stopped
extern const char* const TastoFermaOrologio;          // item 0 while it runs
extern const char* const TastoRapidoMenuPartita[12];
extern const char* const TastoRapidoMenuAssistente[8];
extern const char* const TastoRapidoMenuCadenza[2];
extern const char* const TastoRapidoMenuAggiudicazioni[3];
extern const char* const TastoRapidoMenuInfoPartita[5];
extern const char* const TastoRapidoMenuLibro[9];
