// The status lines, the board and the redraws that follow a change of the
// position or of the language.
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "clock/cadenza.h"
#include "clock/orologio.h"
#include "core/fine_partita.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_clock.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "ui/schermo.h"
#include "ui/stato.h"

namespace {

// Composition of a status line in messaggio, InMessaggio following its length.
void Inizia() {
  messaggio[0] = 0;
  InMessaggio = 0;
}

void Aggiungi(const char* formato, ...) {
  if (InMessaggio >= static_cast<int>(sizeof messaggio) - 1) return;
  va_list argomenti;
  va_start(argomenti, formato);
  int n =
      std::vsnprintf(messaggio + InMessaggio, sizeof messaggio - InMessaggio, formato, argomenti);
  va_end(argomenti);
  if (n > 0) InMessaggio = std::min(InMessaggio + n, static_cast<int>(sizeof messaggio) - 1);
}

// "12.Nf3": the move number and the stored text of ply h.
void AggiungiEtichettaMossa(int h) { Aggiungi("%d.%s", (h - 1) / 2 + 1, ElencoStringaMossa[h]); }

bool NessunaSemimossa() { return ContatoreMosse == TurnoIniziale; }

}  // namespace

void StampaCadenza() {
  Inizia();
  Aggiungi("%s: %s", Testo(str_NomeMenu, 22, 5), Cadenza);
  StampaMessaggioCentrato(y_cadenza);
}

void StampaRipetizioni() {
  Inizia();
  Aggiungi("%s ", Testo(StrLaPosizioneCorrente));
  if (Ripetizioni == 0) {
    Aggiungi("%s", NessunaSemimossa() ? Testo(StrEQuellaIniziale) : Testo(StrRipetizione, 3, 0));
  } else if (Ripetizioni == 1) {
    if (PosizioneRipetuta[0] == 0) {
      Aggiungi("%s", Testo(Str1RipPosizioneIniziale));
    } else {
      Aggiungi("%s ", Testo(StrRipetizione, 3, 1));
      AggiungiEtichettaMossa(static_cast<int>(PosizioneRipetuta[0]));
    }
  } else if (PosizioneRipetuta[1] != 0) {
    Aggiungi("%s ", Testo(StrRipetizione, 3, 2));
    AggiungiEtichettaMossa(static_cast<int>(PosizioneRipetuta[1]));
    Aggiungi(" %s ", Testo(StrECongiunzione));
    AggiungiEtichettaMossa(static_cast<int>(PosizioneRipetuta[0]));
  } else {
    Aggiungi("%s ", Testo(Str2RipPosizioneIniziale));
    AggiungiEtichettaMossa(static_cast<int>(PosizioneRipetuta[0]));
  }
  StampaMessaggioCentrato(y_ripetizioni);
}

void StampaDirittiArrocco() {
  int bianco = ((InfoPosizione & ArroccoCortoBianco) ? 1 : 0) |
               ((InfoPosizione & ArroccoLungoBianco) ? 2 : 0);
  int nero =
      ((InfoPosizione & ArroccoCortoNero) ? 1 : 0) | ((InfoPosizione & ArroccoLungoNero) ? 2 : 0);
  Inizia();
  Aggiungi("%s: %s %s, %s %s", Testo(StrDirittiArrocco), Testo(StrColore, 2, 0),
           Testo(StrInfoArrocco, 4, bianco), Testo(StrColore, 2, 1),
           Testo(StrInfoArrocco, 4, nero));
  StampaMessaggioCentrato(y_diritti_arrocco);
}

void StampaSemimosse() {
  Inizia();
  Aggiungi("%s: ", Testo(StrSemimosse));
  if (focus != 4 && !NessunaSemimossa())
    Aggiungi("%s %s, ", Testo(StrUltimaMossa), ElencoStringaMossa[ContatoreMosse]);
  Aggiungi("%s %d, %s %llu", Testo(StrMosseReversibili), SemimosseReversibili(), Testo(StrTotali),
           static_cast<unsigned long long>(ContatoreMosse));
  StampaMessaggioCentrato(y_semimosse);
}

void StampaMossaCorrente() {
  Inizia();
  if (Result[0] == '*') {
    Aggiungi("%s %llu, %s, %s", Testo(StrMossa),
             static_cast<unsigned long long>(ContatoreMosse / 2 + 1),
             Testo(StrTrattoAl, 2, static_cast<int>(ContatoreMosse & 1)),
             Testo(StrStatoOrologio, 2, InMoto ? 1 : 0));
  } else {
    if (CommentoRisultato[0]) Aggiungi("%s, ", CommentoRisultato);
    Aggiungi("%s ( %s )", Testo(StrPartitaAggiudicata), Result);
  }
  StampaMessaggioCentrato(y_mossa_corrente);
}

void StampaScacchiera() {
  auto& p = platform::current();
  for (int r = 0; r < 8; ++r) {
    char riga[64];
    int n = std::snprintf(riga, sizeof riga, "%d  ", 8 - r);
    for (int f = 0; f < 8; ++f) {
      std::uint64_t pezzo = PezzoIn[r * 8 + f];
      if (pezzo == CasaVuota) {
        n += std::snprintf(riga + n, sizeof riga - n, " - ");
      } else {
        char lettera = CaratterePezzo[pezzo >> 5];
        if (!(pezzo & 16)) lettera = static_cast<char>(lettera - 'a' + 'A');
        n += std::snprintf(riga + n, sizeof riga - n, " %c ", lettera);
      }
    }
    gotoxy(27, y_scacchiera + r);
    p.write(riga);
  }
  gotoxy(30, 34);
  p.write(" A  B  C  D  E  F  G  H");
}

void StampaPosizione() {
  StampaDirittiArrocco();
  StampaSemimosse();
  StampaRipetizioni();
  StampaMossaCorrente();
  StampaScacchiera();
  ImpostaFocus();
}

void RistampaPannelloPrincipale() {
  platform::current().clear();
  DisegnaIntestazione();
  StampaCadenza();
  StampaPannelloPrincipale();
  StampaPosizione();
  // Both clock rows are written again: what is shown is forgotten first.
  int lato = static_cast<int>(ContatoreMosse & 1);
  for (int c = 0; c < 2; ++c) TempoVisualizzato[c] = INT_MIN;
  for (int c = 0; c < 2; ++c)
    if (!InMoto || c != lato) StampaTempo(c, SecondiInMillisecondi(TempoRimasto[c]));
  // The running side's time is the one the clock computes from its start.
  if (InMoto) AggiornaTempoVisualizzato(lato);
  ImpostaFocus();
}
