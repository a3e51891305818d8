#include "clock/incolla.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "clock/aggiudica.h"
#include "clock/appunti_file.h"
#include "clock/cadenza.h"
#include "clock/orologio.h"
#include "config/ini.h"
#include "core/fai_mossa.h"
#include "core/fen.h"
#include "core/mossa.h"
#include "core/mosse_legali.h"
#include "core/notazione.h"
#include "core/posizione.h"
#include "data/messages.h"
#include "data/msg_appunti.h"
#include "data/msg_clock.h"
#include "data/msg_incolla.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "record/partita.h"
#include "record/report.h"
#include "speech/annunci.h"
#include "speech/annuncio.h"
#include "ui/comandi.h"
#include "ui/schermo.h"

namespace {

bool SottoScacco() { return (InfoPosizione & MascheraScacchi) != NessunoScacco; }

// The one legal move a token stands for; 0 with the reason when there is not
// exactly one (n > 1: ambiguous, candidates in `candidate`).
std::uint64_t MossaDelToken(const char* token, std::uint64_t* candidate, int* n) {
  DettagliMossa dettagli;
  *n = -1;
  if (!LeggiDettagliMossaDaStringa(token, &dettagli)) return 0;
  *n = TrovaMosseCompatibili(candidate, &dettagli, DimensioneBufferMosse);
  return *n == 1 ? candidate[0] : 0;
}

void Gioca(std::uint64_t mossa) {
  if (!TavolaFaiMossa()[SpecieMossa(mossa)](mossa)) {
    std::fputs("Fai mossa legale in CaricaMosseDaDatiPartita\n", stderr);
    platform::current().exit_process(1);
  }
  GeneraMosseLegali();
}

void RitiraFinoA(std::uint64_t ply) {
  while (ContatoreMosse > ply) {
    std::uint64_t m = ElencoMosse[ContatoreMosse];
    TavolaRitiraMossa()[SpecieMossa(m)](m);
  }
  GeneraMosseLegali();
}

// "12... 'Nd7' - is not a legal move." for token i, whose position is on the
// board; n is what MossaDelToken found (-1 no move record, 0 no move, more:
// ambiguous among `candidate`, as far as they were kept).
std::string MotivoRifiuto(int i, const char* token, int n, const std::uint64_t* candidate,
                          TabellaMessaggi oltre = nullptr) {
  std::string t = std::to_string(i / 2 + 1) + (i % 2 ? "..." : ".") + " '" + token + "' - ";
  if (oltre) return t + Testo(oltre) + ".";
  if (n < 0) return t + Testo(StrAnnotazioneNonValida) + ".";
  if (n == 0) return t + Testo(StrMossaNonLegale) + ".";
  t += std::string(Testo(StrMossaAmbigua)) + " ";
  for (int k = 0; k < n && k < DimensioneBufferMosse; ++k) {
    char san[16];
    ScriviNotazioneAlgebrica(candidate[k], san);
    if (k > 0) t += std::string(" ") + Testo(StrXor) + " ";
    t += san;
  }
  return t + ".";
}

// The refusal at token i: the first token cannot be kept; later ones offer to
// keep the game up to it.
int RifiutoOPartitaParziale(DatiPartita* d, int i, const std::string& motivo) {
  if (i == 0) {
    FinestraDiDialogo(motivo.c_str(), 64);
    return 0;
  }
  std::string domanda = motivo + "\n" + Testo(StrCaricaComunque);
  if (FinestraDiDialogo(domanda.c_str(), MB_YESNO) != IDYES) return 0;
  d->mosse = i;
  return 1;
}

}  // namespace

int CaricaPartitaDaFileCopiato(DatiPartita* d) {
  std::optional<std::vector<std::string>> file = platform::current().clipboard_files();
  if (!file || file->empty()) return -1;
  std::string percorso;
  if (!LeggiNomeFileNegliAppunti(percorso)) return 0;
  std::ifstream f(percorso, std::ios::binary);
  if (!f) {
    MsgFileNonTrovato(percorso.c_str());
    return 0;
  }
  std::stringstream testo;
  testo << f.rdbuf();
  LeggiDatiPartitaDaStringa(testo.str().c_str(), d);
  return 1;
}

int CaricaPartitaDagliAppunti(DatiPartita* d) {
  std::optional<std::string> testo = platform::current().clipboard_text();
  if (!testo) return 0;
  LeggiDatiPartitaDaStringa(testo->c_str(), d);
  return 1;
}

int MosseRegolariInDatiPartita(DatiPartita* d) {
  if (d->mosse == 0) {
    FinestraDiDialogo(Testo(MsgNessunaMossaNegliAppunti), 64);
    return 0;
  }
  const std::uint64_t inizio = ContatoreMosse;
  // A game holds MaxPly plies; the token after them is where it gets cut.
  const int limite = d->mosse < static_cast<int>(MaxPly) ? d->mosse : static_cast<int>(MaxPly);
  static std::uint64_t candidate[DimensioneBufferMosse];
  int accetta = 1;
  for (int i = 0; i < limite; ++i) {
    int n;
    std::uint64_t mossa = MossaDelToken(d->token[i], candidate, &n);
    if (!mossa) {
      accetta = RifiutoOPartitaParziale(d, i, MotivoRifiuto(i, d->token[i], n, candidate));
      break;
    }
    Gioca(mossa);
  }
  if (accetta && d->mosse > limite) {
    accetta = RifiutoOPartitaParziale(
        d, limite, MotivoRifiuto(limite, d->token[limite], 0, candidate, StrOltreIlLimite));
  }
  RitiraFinoA(inizio);
  return accetta;
}

int MosseRegolariSenzaToccareLaPartita(DatiPartita* d) {
  // Every game starts from the standard position, so taking its moves back
  // reaches the position the pasted game starts from.
  std::vector<std::uint64_t> partita(ElencoMosse, ElencoMosse + ContatoreMosse + 1);
  const std::uint64_t fine = ContatoreMosse;
  RitiraFinoA(TurnoIniziale);
  int accetta = MosseRegolariInDatiPartita(d);
  for (std::uint64_t k = ContatoreMosse + 1; k <= fine; ++k) Gioca(partita[k]);
  return accetta;
}

void CaricaMosseDaDatiPartita(const DatiPartita* d) {
  static std::uint64_t candidate[DimensioneBufferMosse];
  for (int i = 0; i < d->mosse && PuoGiocareAncoraMosse(); ++i) {
    int n;
    std::uint64_t mossa = MossaDelToken(d->token[i], candidate, &n);
    if (!mossa) break;  // the legality pass has stopped the game here already
    char san[16];
    ScriviNotazioneAlgebrica(mossa, san);
    Gioca(mossa);
    bool matto = FineMosseGenerate == BufferMosseGenerate;
    if (SottoScacco()) std::strcat(san, matto ? "#" : "+");
    // A move text takes at most 7 characters with its mark.
    std::size_t lunghezza = std::min(std::strlen(san), sizeof ElencoStringaMossa[0] - 1);
    std::memcpy(ElencoStringaMossa[ContatoreMosse], san, lunghezza);
    ElencoStringaMossa[ContatoreMosse][lunghezza] = 0;
    if (matto && SottoScacco())
      Aggiudica("Checkmate", Testo(StrCommentoVerdetto, 11, cvScaccoMatto),
                StringaSconfitta[ContatoreMosse & 1]);
    else if (matto)
      Aggiudica("stalemate", Testo(StrCommentoVerdetto, 11, cvStallo), "1/2-1/2");
  }
  StampaPosizione();
  if (ParametroIni[iniAssistanceType].valore != 0) AnunciaUltimaMossa();
}

void CaricaInfoDaDatiPartita(const DatiPartita* d) {
  std::snprintf(StrEvent, sizeof StrEvent, "%s", d->event);
  std::snprintf(StrRound, sizeof StrRound, "%s", d->round);
  std::snprintf(StrWhiteCognome, sizeof StrWhiteCognome, "%s", d->white_cognome);
  std::snprintf(StrWhiteNome, sizeof StrWhiteNome, "%s", d->white_nome);
  std::snprintf(StrBlackCognome, sizeof StrBlackCognome, "%s", d->black_cognome);
  std::snprintf(StrBlackNome, sizeof StrBlackNome, "%s", d->black_nome);
  std::snprintf(StrWhiteElo, sizeof StrWhiteElo, "%s", d->white_elo);
  std::snprintf(StrBlackElo, sizeof StrBlackElo, "%s", d->black_elo);
  std::snprintf(OraUTC, sizeof OraUTC, "%s", d->ora_utc);
  std::snprintf(DataUTC, sizeof DataUTC, "%s", d->data_utc);
  // The tag's result belongs to the whole game, not to the part kept of it.
  bool troncata = d->mosse < d->mosse_trovate;
  std::snprintf(Result, sizeof Result, "%s", troncata ? "*" : d->risultato);
  std::snprintf(Termination, sizeof Termination, "%s", troncata ? "?" : d->termination);
  CommentoRisultato[0] = 0;
}

std::string TestoLogPartitaIncollata() {
  std::string t = "(" + std::to_string(ContatoreMosse) + " " + Testo(StrSemimosseLog) + ")";
  for (std::uint64_t k = 1; k <= ContatoreMosse; ++k) {
    if (k % 2 == 1) {
      std::uint64_t n = (k - 1) / 2 + 1;
      if (n % 8 == 1) t += "\n\t";
      t += " " + std::to_string(n) + ".";
    }
    t += std::string(" ") + ElencoStringaMossa[k];
  }
  for (int c = 0; c < 2; ++c)
    t += std::string("\n\t") + Testo(StrColore, 2, c) + ": " + StrTempo(TempoVisualizzato[c]);
  return t;
}

void comando_incolla() {
  // The game is read and checked apart from the current one, which is given up
  // only once the pasted game is accepted and the user agrees.
  static DatiPartita d;
  InizializzaStrutturaDatiPartita(&d);
  int da_file = CaricaPartitaDaFileCopiato(&d);
  if (da_file == 0) return;
  if (da_file < 0 && !CaricaPartitaDagliAppunti(&d)) {
    FinestraDiDialogo(Testo(MsgNonLeggoAppunti), 64);
    return;
  }
  if (!MosseRegolariSenzaToccareLaPartita(&d)) return;
  if (!PartitaSostituibile()) return;
  NuovaPartita(FenIniziale);
  DatiCadenza& c = d.dati_cadenza;
  if (LeggiDatiCadenzaDaStringa(d.cadenza, &c) &&
      CopiaSecondiDaStringa(&c.tempo_bianco, d.tempo_bianco) &&
      CopiaSecondiDaStringa(&c.tempo_nero, d.tempo_nero))
    CaricaOrologioDaDatiCadenza(&c);
  CaricaInfoDaDatiPartita(&d);
  CaricaMosseDaDatiPartita(&d);
  InserisciNuovoRecord(recPartitaIncollata, TestoLogPartitaIncollata().c_str());
  PartitaCaricataDagliAppunti = 1;
  SalvaOSegnaNonSalvata();
}
