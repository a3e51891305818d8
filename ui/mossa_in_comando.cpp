#include "ui/mossa_in_comando.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "clock/aggiudica.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fai_mossa.h"
#include "core/fine_partita.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/notazione.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_clock.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "record/report.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "ui/schermo.h"
#include "ui/stato.h"

namespace {

void Rifiuto(TabellaMessaggi motivo) {
  std::snprintf(messaggio, sizeof messaggio, "'%s' - %s.", comando, Testo(motivo));
  FinestraDiDialogo(messaggio, 64);
}

void MossaAmbigua(const std::uint64_t* mosse, int n) {
  std::string testo = std::string("'") + comando + "' " + Testo(StrMossaAmbigua) + " ";
  for (int i = 0; i < n; ++i) {
    char san[16];
    ScriviNotazioneAlgebrica(mosse[i], san);
    if (i > 0) testo += std::string(" ") + Testo(StrXor) + " ";
    testo += san;
  }
  testo += ".";
  std::snprintf(messaggio, sizeof messaggio, "%s", testo.c_str());
  FinestraDiDialogo(messaggio, 64);
}

bool SottoScacco() { return (InfoPosizione & MascheraScacchi) != NessunoScacco; }

}  // namespace

void TestFinePartita() {
  if (FineMosseGenerate == BufferMosseGenerate) {
    AggiudicaDopoMossa(SottoScacco() ? verdettoScaccoMatto : verdettoStallo);
    return;
  }
  if (!PuoVincereIl_bianco() && !PuoVincereIl_nero()) {
    AggiudicaDopoMossa(verdettoMaterialeInsufficiente);
    return;
  }
  int reversibili = SemimosseReversibili();
  // 150 reversible plies end the game without asking.
  if (reversibili == 150) {
    Aggiudica("Fifty-move rule", Testo(StrCommentoVerdetto, 11, cv50Mosse), "1/2-1/2");
    avisa_aggiudicazione();
    return;
  }
  // The fifth occurrence of a position draws without asking, like 75 moves.
  if (ContaRipetizioni() == 4) {
    CercaRipetizioni();
    AggiudicaDopoMossa(verdettoQuintuplaRipetizione);
    return;
  }
  if (reversibili == 100 && AggiudicaDopoMossa(verdetto50Mosse)) return;
  CercaRipetizioni();
  if (Ripetizioni == 2) AggiudicaDopoMossa(verdettoTripliceRipetizione);
}

void EseguiMossaInComando() {
  // The per-ply arrays are full: nothing more can be recorded.
  if (!PuoGiocareAncoraMosse()) {
    FinestraDiDialogo(Testo(StrPartitaTroppoLunga), 64);
    return;
  }
  DettagliMossa dettagli;
  if (!LeggiDettagliMossaDaStringa(comando, &dettagli)) {
    Rifiuto(StrAnnotazioneNonValida);
    return;
  }
  std::uint64_t candidate[DimensioneBufferMosse];
  int n = TrovaMosseCompatibili(candidate, &dettagli, DimensioneBufferMosse);
  if (n == 0) {
    Rifiuto(StrMossaNonLegale);
    return;
  }
  if (n > 1) {
    MossaAmbigua(candidate, n);
    return;
  }
  std::uint64_t mossa = candidate[0];
  // Only a move that can be played may cancel a verdict.
  if (Result[0] != '*') {
    if (dom_AggiudicataModificaCMQ() != IDYES) return;
    RevocaAggiudicazione();
    StampaMossaCorrente();
  }
  if (TipoPromozioneMossa[SpecieMossa(mossa)] == Donna && dettagli.promozione == 8 &&
      FinestraDiDialogo(Testo(StrPromozioneNonSpecificata), MB_YESNO) == IDNO)
    return;

  // The text is written against the legal list of the position before the move.
  char san[16];
  ScriviNotazioneAlgebrica(mossa, san);
  int colore = static_cast<int>(ContatoreMosse & 1);
  if (!TavolaFaiMossa()[SpecieMossa(mossa)](mossa)) {
    std::fputs("Fai mossa legale in FaiMossaInComando\n", stderr);
    platform::current().exit_process(1);
  }
  if (InMoto) PremiOrologio(colore);
  GeneraMosseLegali();
  if (SottoScacco()) std::strcat(san, FineMosseGenerate == BufferMosseGenerate ? "#" : "+");
  // A move text takes at most 7 characters with its mark.
  char* testo = ElencoStringaMossa[ContatoreMosse];
  std::size_t lunghezza = std::min(std::strlen(san), sizeof ElencoStringaMossa[0] - 1);
  std::memcpy(testo, san, lunghezza);
  testo[lunghezza] = 0;
  InserisciNuovoRecord(recMossaInserita, san);
  // The move is heard before any verdict it brings.
  if (ParametroIni[iniAssistanceType].valore != 0) AnunciaUltimaMossa();
  TestFinePartita();
  StampaPosizione();
  SalvaOSegnaNonSalvata();
  if (!InMoto) {
    for (int i = 0; i < 3; ++i) Beep(1000, 60);
    Anuncia(Testo(StrStatoOrologio, 2, 0), 0);
  } else {
    Beep(3000, 5);
  }
}
