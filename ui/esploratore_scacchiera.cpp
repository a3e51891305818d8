#include "ui/esploratore_scacchiera.h"

#include <cstring>
#include <string>

#include "config/ini.h"
#include "core/fai_mossa.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_esplorazione.h"
#include "data/msg_speech.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "ui/schermo.h"
#include "ui/stato.h"

std::uint64_t CasaSelezionata = 56;

namespace {


void AnunciaCasaSelezionata(int interrompi) {
  Anuncia(StringaCasa[CasaSelezionata], interrompi);
  Anuncia(Testo(StrPezzoEColore, 16, static_cast<int>(PezzoIn[CasaSelezionata] >> 4)), 0);
}

// A game loaded with black to move starts at half-move 1: review stops there.
bool AllInizio() { return ContatoreMosse <= TurnoIniziale; }

void Indietro() {
  const std::uint64_t mossa = ElencoMosse[ContatoreMosse];
  TavolaRitiraMossa()[SpecieMossa(mossa) & 63](mossa);
  GeneraMosseLegali();
}

void Avanti() {
  const std::uint64_t mossa = CopiaElencoMosse[ContatoreMosse + 1];
  if (!TavolaFaiMossa()[SpecieMossa(mossa) & 63](mossa)) {
    // The copy holds the moves of the game itself: one refused cannot happen.
    std::fputs("Fai mossa in EsploraAvanti\n", stderr);
    platform::current().exit_process(1);
  }
  GeneraMosseLegali();
}

}  // namespace


std::uint64_t SemimosseDellaPartita() {
  return focus == 1 ? static_cast<std::uint64_t>(UltimaMossaFatta) : ContatoreMosse;
}

void comando_AttivaEsplorazioneScacchiera() {
  // Without a screen reader there is nobody to speak the squares.
  if (ParametroIni[iniAssistanceType].valore == 0) return;
  UltimaMossaFatta = static_cast<int>(ContatoreMosse);
  std::memcpy(CopiaElencoMosse, ElencoMosse, (ContatoreMosse + 1) * sizeof ElencoMosse[0]);
  gotoxy(0, 35);
  focus = 1;
  Anuncia(Testo(StrEsplorazioneScacchieraAttiva), 1);
  AnunciaCasaSelezionata(0);
}

void comando_DisattivaEsplorazioneScacchiera() {
  while (ContatoreMosse < static_cast<std::uint64_t>(UltimaMossaFatta)) Avanti();
  StampaScacchiera();
  focus = 0;
  ImpostaFocus();
  Anuncia(Testo(StrEsplorazioneScacchieraDisattiva), 1);
}

void comando_CasaSelezionata(const TavolaCase& tavola) {
  if (tavola[CasaSelezionata] != NessunaCasa)
    CasaSelezionata = tavola[CasaSelezionata];
  else
    Beep(50000, 3);
  AnunciaCasaSelezionata(1);
}

void EsploraIndietro() {
  if (!AllInizio()) {
    Indietro();
    StampaScacchiera();
  } else {
    Beep(50000, 3);
  }
  AnunciaUltimaMossa();
}

void EsploraAvanti() {
  if (ContatoreMosse < static_cast<std::uint64_t>(UltimaMossaFatta)) {
    Avanti();
    StampaScacchiera();
  } else {
    Beep(50000, 3);
  }
  AnunciaUltimaMossa();
}

void EsploraIndietroTutta() {
  if (!AllInizio()) {
    while (!AllInizio()) Indietro();
    StampaScacchiera();
  } else {
    Beep(50000, 3);
  }
  AnunciaUltimaMossa();
}

void EsploraAvantiTutta() {
  if (ContatoreMosse != static_cast<std::uint64_t>(UltimaMossaFatta)) {
    while (ContatoreMosse < static_cast<std::uint64_t>(UltimaMossaFatta)) Avanti();
    StampaScacchiera();
  } else {
    Beep(50000, 3);
  }
  AnunciaUltimaMossa();
}

void AnunciaDisposizionePezzo(int tipo, int colore, int quanti, const std::uint64_t* case_) {
  const int k = colore + 2 * tipo;
  std::string testo;
  if (quanti == 0) {
    testo = std::string(Testo(StrNonCiSono)) + " " + Testo(StrPezzoEColorePlurale, 10, k) + ".";
  } else {
    if (quanti == 1)
      testo = std::string(Testo(StrPezzoEColore, 16, k)) + " " + Testo(StrSituatoIn);
    else
      testo = std::string(Testo(StrPezzoEColorePlurale, 10, k)) + ": " + Testo(StrSituatoIn);
    for (int i = 0; i < quanti; ++i) {
      if (i > 0 && i < quanti - 1) testo += ",";
      if (i > 0 && i == quanti - 1)
        testo += std::string(" ") + Testo(StrECongiunzione) + " " + Testo(StrSituatoIn);
      testo += std::string(" ") + Testo(StrSpellingLetteraColonna, 8, static_cast<int>(case_[i] % 8)) +
               " " + std::to_string(8 - case_[i] / 8);
    }
    testo += ".";
  }
  Anuncia(testo.c_str(), 1);
}

void comando_AnunciaDisposizionePezzo(char lettera) {
  static const char lettere[] = "pnbrqk";
  const char* p = lettera ? std::strchr(lettere, lettera | 0x20) : nullptr;
  if (!p || !((lettera >= 'a' && lettera <= 'z') || (lettera >= 'A' && lettera <= 'Z'))) {
    Anuncia(Testo(StrComandoNonValido), 1);
    return;
  }
  const int tipo = static_cast<int>(p - lettere);
  const int colore = (lettera >= 'a' && lettera <= 'z') ? 1 : 0;
  if (tipo == Re) {
    std::uint64_t re = colore == 0 ? casa_re_bianco : casa_re_nero;
    AnunciaDisposizionePezzo(tipo, colore, 1, &re);
    return;
  }
  static const std::uint64_t* const liste[2][5] = {
      {casa_pedone_bianco, casa_cavallo_bianco, casa_alfiere_bianco, casa_torre_bianco,
       casa_donna_bianco},
      {casa_pedone_nero, casa_cavallo_nero, casa_alfiere_nero, casa_torre_nero, casa_donna_nero}};
  const std::uint64_t materiale = colore == 0 ? materiale_del_bianco : materiale_del_nero;
  AnunciaDisposizionePezzo(tipo, colore, Conta(materiale, tipo), liste[colore][tipo]);
}
