#include "book/esploratore_libro.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "book/eco.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fai_mossa.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/notazione.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_libro.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "ui/schermo.h"
#include "ui/stato.h"

StatoAlberoLibro AlberoLibro;

namespace {

bool SottoScacco() { return (InfoPosizione & MascheraScacchi) != NessunoScacco; }

// Plays a legal move and writes its text, with its check mark, into the game
// record's slot for that ply.
void GiocaMossaLibro(std::uint64_t mossa) {
  char san[16];
  ScriviNotazioneAlgebrica(mossa, san);
  TavolaFaiMossa()[SpecieMossa(mossa)](mossa);
  GeneraMosseLegali();
  if (SottoScacco()) std::strcat(san, FineMosseGenerate == BufferMosseGenerate ? "#" : "+");
  // A move text takes at most 7 characters with its mark.
  std::snprintf(ElencoStringaMossa[ContatoreMosse], sizeof ElencoStringaMossa[0], "%.7s", san);
}

void RitiraMossaLibro() {
  std::uint64_t mossa = ElencoMosse[ContatoreMosse];
  TavolaRitiraMossa()[SpecieMossa(mossa)](mossa);
  GeneraMosseLegali();
}

// The continuation selected at the current ply, if the list has one.
const VoceLibro* Selezionata() {
  std::uint32_t i = AlberoLibro.selezionata[ContatoreMosse];
  return i < AlberoLibro.numero ? &AlberoLibro.lista[i] : nullptr;
}

void LeggiContinuazioniCorrenti() {
  AlberoLibro.numero = static_cast<std::uint32_t>(LeggiMosseSuggerite(AlberoLibro.lista));
}

void Scrivi(int y, const std::string& testo) {
  InMessaggio = std::snprintf(messaggio, sizeof messaggio, "%s", testo.c_str());
  if (InMessaggio >= static_cast<int>(sizeof messaggio)) InMessaggio = sizeof messaggio - 1;
  StampaMessaggioCentrato(y);
}

std::string Posto() {
  return std::to_string(AlberoLibro.selezionata[ContatoreMosse - 1] + 1) + " " + Testo(StrDi) +
         " " + std::to_string(AlberoLibro.numero);
}

// Steps shared by activation and every move: play the selected continuation,
// show and speak it, take it back.
int MostraNodo(bool attivazione) {
  const VoceLibro* voce = Selezionata();
  std::uint64_t mossa = voce ? MossaLegaleDelLibro(voce->mossa) : 0;
  if (!mossa || !PuoGiocareAncoraMosse()) return 0;
  GiocaMossaLibro(mossa);
  if (attivazione) focus = 4;
  InfoApertura eco;
  LeggiInfoApertura(&eco);
  const std::string conteggio = ParoleConteggio(voce->conteggio);
  if (ParametroIni[iniEchoExplorer].valore != 0) {
    if (attivazione) Scrivi(y_cadenza, std::string(Testo(StrEsplorazioneLibroAttiva)) + ": ");
    StampaDirittiArrocco();
    StampaRipetizioni();
    StampaSemimosse();
    std::uint64_t ply = ContatoreMosse;
    std::string riga = std::string(Testo(StrNodoCorrente)) + ": " +
                       std::to_string((ply - 1) / 2 + 1) + "." + (ply % 2 == 0 ? ".." : "") +
                       " " + ElencoStringaMossa[ply] + " - (" + conteggio + ") - " + Posto();
    Scrivi(y_mossa_corrente, riga);
    StampaScacchiera();
    char codice[8] = "----";
    if (eco.trovata) std::snprintf(codice, sizeof codice, "%c%02d", eco.lettera, eco.numero);
    Scrivi(y_comando, std::string("ECO ") + codice);
    Scrivi(y_tempo[0], eco.trovata ? NomeVariante[eco.apertura] : "----");
    Scrivi(y_tempo[1], eco.trovata && eco.variante != NessunaVariante
                           ? NomeVariante[eco.variante]
                           : "----");
    Anuncia(" ", 1);
  }
  if (ParametroIni[iniAssistanceType].valore != 0) {
    char ultima[1024];
    LeggiStringaUltimaMossa(ultima);
    std::string testo = attivazione ? std::string(Testo(StrEsplorazioneLibroAttiva)) + ". " : "";
    testo += std::string(ultima) + " -> (" + conteggio + ").";
    char nome[512] = "";
    ScriviInfoApertura(&eco, nome, sizeof nome);
    // Without a classification the count's full stop already ends the sentence.
    testo += std::string(nome) + (nome[0] ? ". " : " ") + Posto();
    Anuncia(testo.c_str(), 0);
  }
  RitiraMossaLibro();
  return 1;
}

void Fallimento() {
  FinestraDiDialogo(Testo(StrImpossibileLeggereLibro), 64);
  DisattivaEsplorazioneLibro();
}

void MostraONonLeggibile() {
  if (!AnunciaMossaSuggerita()) Fallimento();
}

}  // namespace

int AnunciaMossaSuggerita() { return MostraNodo(false); }

void AttivaEsplorazioneLibro() {
  if (PrimaVoltaInMoto || ContatoreMosse != 0) {
    FinestraDiDialogo(Testo(StrEsplorazioneLibroNonDisponibile), 64);
    return;
  }
  AlberoLibro.selezionata[0] = 0;
  LeggiContinuazioniCorrenti();
  if (AlberoLibro.numero == 0) {
    Anuncia(Testo(StrNoContinuazioni), 1);
    return;
  }
  if (!MostraNodo(true)) Fallimento();
}

// The explorer opens only before the first move, so taking every explored
// move back restores the game as it was, event and player names included.
void DisattivaEsplorazioneLibro() {
  while (ContatoreMosse > 0) RitiraMossaLibro();
  GeneraMosseLegali();
  focus = 0;
  RistampaPannelloPrincipale();
  Anuncia(Testo(StrEsplorazioneLibroDisattiva), 1);
}

void RaggiungiNodoFratelloMinore() {
  Anuncia(" ", 1);
  std::uint32_t& i = AlberoLibro.selezionata[ContatoreMosse];
  if (AlberoLibro.numero > 0 && i < AlberoLibro.numero - 1) {
    ++i;
    Beep(1500, 4);
  } else {
    Beep(2000, 50);
  }
  MostraONonLeggibile();
}

void RaggiungiNodoFratelloMaggiore() {
  Anuncia(" ", 1);
  std::uint32_t& i = AlberoLibro.selezionata[ContatoreMosse];
  if (i >= 1) {
    --i;
    Beep(1500, 4);
  } else {
    Beep(2000, 50);
  }
  MostraONonLeggibile();
}

void RaggiungiNodoFiglio() {
  Anuncia(" ", 1);
  const VoceLibro* voce = Selezionata();
  std::uint64_t mossa = voce ? MossaLegaleDelLibro(voce->mossa) : 0;
  if (voce && voce->conteggio == 0) {
    Beep(2000, 50);
    Anuncia(Testo(StrTermineLinea), 0);
    return;
  }
  // One more ply would run past the game's per-ply arrays: the line ends here.
  if (mossa && ContatoreMosse + 2 >= MaxPly) {
    Beep(2000, 50);
    Anuncia(Testo(StrTermineLinea), 0);
    return;
  }
  if (!mossa) {
    Fallimento();
    return;
  }
  Beep(1500, 4);
  Beep(1500, 4);
  GiocaMossaLibro(mossa);
  AlberoLibro.selezionata[ContatoreMosse] = 0;
  LeggiContinuazioniCorrenti();
  if (AlberoLibro.numero == 0)
    Anuncia(Testo(StrNoContinuazioni), 0);
  else
    MostraONonLeggibile();
}

void RaggiungiNodoPadre() {
  Anuncia(" ", 1);
  if (ContatoreMosse == 0) {
    Beep(2000, 50);
  } else {
    RitiraMossaLibro();
    LeggiContinuazioniCorrenti();
  }
  Beep(1500, 4);
  Beep(1500, 4);
  MostraONonLeggibile();
}

int CopiaLineaNegliAppunti() {
  std::string testo;
  ScriviTagEco(testo, "\r\n");
  for (std::uint64_t i = 1; i <= ContatoreMosse; ++i) {
    if (i % 2 == 1) {
      std::uint64_t n = i / 2 + 1;
      if (n % 8 == 1) testo += "\r\n";
      testo += " " + std::to_string(n) + ".";
    }
    testo += std::string(" ") + ElencoStringaMossa[i];
  }
  testo += "\r\n*";
  return platform::current().clipboard_set_text(testo) ? 1 : 0;
}

void comando_CopiaLineaNegliAppunti() {
  const VoceLibro* voce = Selezionata();
  std::uint64_t mossa = voce ? MossaLegaleDelLibro(voce->mossa) : 0;
  bool giocata = mossa && PuoGiocareAncoraMosse();
  if (giocata) GiocaMossaLibro(mossa);
  int copiata = CopiaLineaNegliAppunti();
  if (giocata) RitiraMossaLibro();
  if (!copiata)
    FinestraDiDialogo(Testo(StrNonHoCopiatoLinea), 64);
  else if (ParametroIni[iniAssistanceType].valore != 0)
    Anuncia(Testo(StrHoCopiatoLinea), 1);
}
