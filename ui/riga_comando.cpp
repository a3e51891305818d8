#include "ui/riga_comando.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/posizione.h"
#include "data/alternative.h"
#include "data/messages.h"
#include "data/msg_ui.h"
#include "platform/platform.h"
#include "speech/annuncio.h"
#include "ui/esploratore_scacchiera.h"
#include "ui/mossa_in_comando.h"
#include "ui/schermo.h"
#include "ui/stato.h"

int ByteCharattereInComando[128];
char UltimoCarattereInserito = 0;
int AlternativaUltimoCarattere = -1;

namespace {

constexpr int MassimoCifre = 4;
constexpr int MassimoTestoLibro = 30;
constexpr int MassimoTesto = 50;
constexpr const char* NoInNomeFile = " |/\\~\"#%&^*:!?<>{}";

void Scrivi(const char* testo) { platform::current().write(testo); }

void Rifiuta() { Beep(2000, 50); }

void CampoPieno(int limite, TabellaMessaggi unita) {
  // The Spanish unit "caracteres." carries its own full stop.
  const char* u = Testo(unita);
  const std::size_t n = std::strlen(u);
  std::snprintf(messaggio, sizeof messaggio, "%s %d %s%s", Testo(StrComandoTroppoLungo), limite,
                u, n && u[n - 1] == '.' ? "" : ".");
  FinestraDiDialogo(messaggio, 64);
}

// Bytes of comando in use: the sum of the typed characters' lengths.
int ByteInComando() {
  int n = 0;
  for (int i = 0; i < CharatteriInComando; ++i) n += ByteCharattereInComando[i];
  return n;
}

// BACKSPACE in text entry; keeps the alternatives cycle, which the caller
// decides about.
void TogliUltimoCarattereTesto() {
  Scrivi("\b \b");
  --CharatteriInComando;
  comando[ByteInComando()] = 0;
}

void AggiungiTesto(const char* testo) {
  int lunghezza = static_cast<int>(std::strlen(testo));
  int inizio = ByteInComando();
  std::memcpy(comando + inizio, testo, static_cast<std::size_t>(lunghezza));
  comando[inizio + lunghezza] = 0;
  ByteCharattereInComando[CharatteriInComando++] = lunghezza;
  Scrivi(testo);
}

void ProssimaAlternativa(int passo) {
  TabellaAlternative t = TrovaAlternative(UltimoCarattereInserito);
  if (!t.voci) {
    std::fputs("Errore nella funzione prossimo carattere alternativo", stderr);
    platform::current().exit_process(1);
  }
  int indice = AlternativaUltimoCarattere + passo;
  bool giro = indice < 0 || indice >= t.n;
  if (indice < 0) indice = t.n - 1;
  if (indice >= t.n) indice = 0;
  const char* carattere = t.voci[4 * indice];
  // The replacement must fit in comando with its terminator.
  int dopo = ByteInComando() - ByteCharattereInComando[CharatteriInComando - 1] +
             static_cast<int>(std::strlen(carattere));
  if (dopo >= static_cast<int>(sizeof comando)) {
    Rifiuta();
    return;
  }
  TogliUltimoCarattereTesto();
  if (giro) Beep(50000, 3);
  AlternativaUltimoCarattere = indice;
  AggiungiTesto(carattere);
  Anuncia(t.voci[4 * indice + 1 + lang()], 1);
  Beep(1500, 4);
}

// "=" with a square name: says the square and what stands on it.
void InterrogaCasa(const char* testo) {
  char nome[3] = {static_cast<char>(std::tolower(static_cast<unsigned char>(testo[0]))), testo[1],
                  0};
  for (int casa = 0; casa < 64; ++casa) {
    if (std::strncmp(nome, StringaCasa[casa], std::strlen(StringaCasa[casa])) != 0) continue;
    Anuncia(StringaCasa[casa], 1);
    // Queued behind the name: interrupting would cut the name off unheard.
    Anuncia(Testo(StrPezzoEColore, 16, static_cast<int>(PezzoIn[casa] >> 4)), 0);
    return;
  }
  Anuncia(Testo(StrComandoNonValido), 1);
}

}  // namespace

void comando_digitazione(char ch) {
  unsigned char u = static_cast<unsigned char>(ch);
  if (!std::isalnum(u) && (ch == 0 || !std::strchr(CaratteriExtra, ch))) return;
  if (CharatteriInComando >= MassimoCaratteriComando) {
    CampoPieno(MassimoCaratteriComando, StrCaratteri);
    return;
  }
  fuoco = 0;
  gotoxy(x_comando + CharatteriInComando, y_comando);
  char testo[2] = {ch, 0};
  Scrivi(testo);
  comando[CharatteriInComando] = ch;
  ByteCharattereInComando[CharatteriInComando] = 1;
  ++CharatteriInComando;
  Beep(1500, 4);
}

void comando_backspace() {
  if (CharatteriInComando == 0) {
    Rifiuta();
    return;
  }
  fuoco = 0;
  gotoxy(x_comando + CharatteriInComando, y_comando);
  --CharatteriInComando;
  Scrivi("\b \b");
}

void SvuotaRigaComando() {
  if (CharatteriInComando > 0) gotoxy(x_comando + CharatteriInComando, y_comando);
  for (; CharatteriInComando > 0; --CharatteriInComando) Scrivi("\b \b");
}

void comando_invio() {
  if (CharatteriInComando == 0) return;
  int lunghezza = CharatteriInComando;
  comando[lunghezza] = 0;
  fuoco = 0;
  SvuotaRigaComando();
  if (comando[0] != '=') {
    EseguiMossaInComando();
  } else if (lunghezza == 2) {
    comando_AnunciaDisposizionePezzo(comando[1]);
  } else if (lunghezza == 3) {
    InterrogaCasa(comando + 1);
  } else {
    Anuncia(Testo(StrComandoNonValido), 1);
  }
}

void comando_digitazioneIntero(char ch) {
  if (ch == 8) {
    if (CharatteriInComando == 0) {
      Rifiuta();
      return;
    }
    Scrivi("\b \b");
    comando[--CharatteriInComando] = 0;
    return;
  }
  if (ch < '0' || ch > '9') {
    Rifiuta();
    return;
  }
  if (CharatteriInComando >= MassimoCifre) {
    CampoPieno(MassimoCifre, StrCifre);
    return;
  }
  char testo[2] = {ch, 0};
  Scrivi(testo);
  ByteCharattereInComando[CharatteriInComando] = 1;
  comando[CharatteriInComando++] = ch;
  comando[CharatteriInComando] = 0;
  Beep(1500, 4);
}

void comando_digitazioneCarattere(int vk, unsigned char ch) {
  if (vk == VK_BACK) {
    if (CharatteriInComando == 0) {
      Rifiuta();
      return;
    }
    TogliUltimoCarattereTesto();
    // Once the player removes a character, PAGE UP/DOWN must not go on to
    // replace the one before it.
    AlternativaUltimoCarattere = -1;
    return;
  }
  if (vk == VK_NEXT || vk == VK_PRIOR) {
    if (AlternativaUltimoCarattere == -1 || CharatteriInComando == 0) {
      Rifiuta();
      return;
    }
    ProssimaAlternativa(vk == VK_NEXT ? 1 : -1);
    return;
  }
  if (ch < 0x20 || ch > 0x7E) return;
  bool libro = MenuAttivo == 21;
  if (libro && std::strchr(NoInNomeFile, ch)) {
    Rifiuta();
    return;
  }
  int limite = libro ? MassimoTestoLibro : MassimoTesto;
  if (CharatteriInComando >= limite) {
    CampoPieno(limite, StrCaratteri);
    return;
  }
  char testo[2] = {static_cast<char>(ch), 0};
  AggiungiTesto(testo);
  UltimoCarattereInserito = static_cast<char>(ch);
  AlternativaUltimoCarattere = std::strchr(CaratteriConAlternative, ch) ? 0 : -1;
  Beep(1500, 4);
}

const char* NumeroPuntato(unsigned n) {
  static char StringaNumeroPuntato[64];
  char cifre[16];
  int k = std::snprintf(cifre, sizeof cifre, "%u", n);
  int j = 0;
  for (int i = 0; i < k; ++i) {
    if (i > 0 && (k - i) % 3 == 0) StringaNumeroPuntato[j++] = '.';
    StringaNumeroPuntato[j++] = cifre[i];
  }
  StringaNumeroPuntato[j] = 0;
  return StringaNumeroPuntato;
}
