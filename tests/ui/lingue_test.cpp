// Each family of messages in Italian, English and Spanish, produced by the code
// that shows or says it; the other tests of the interface use one language.
#include <functional>
#include <string>

#include "core/fen.h"
#include "record/partita.h"
#include "tests/ui/ascolto.h"
#include "ui/menu.h"

namespace {

using Lingue = Ascolto;

// What was said, joined by "|".
std::string Sentito() {
  std::string s;
  for (const auto& d : canale_finto::detti) s += (s.empty() ? "" : "|") + d.testo;
  return s;
}
// A screen row without its padding: runs of blanks become one.
std::string Riga(const Lingue& t, int riga) {
  std::string s;
  for (char c : t.fake.row(riga))
    if (c != ' ' || (!s.empty() && s.back() != ' ')) s += c;
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

struct Messaggio {
  const char* famiglia;
  std::function<std::string(Lingue&)> produci;
  const char* testi[3];  // it, en, es
};

const Messaggio kMessaggi[] = {
    {"start-up rows",
     [](Lingue& t) {
       std::string s = Riga(t, 11).substr(Riga(t, 11).find_last_of("\\") + 2);
       for (int r : {18, 19, 20, 21, 37, 38, 40}) s += "|" + Riga(t, r);
       return s;
     },
     {"Orologio per gli scacchi|La posizione corrente è quella iniziale|Diritti d'arrocco: bianco "
      "entrambi, nero entrambi|Semimosse: reversibili 0, totali 0|Mossa 1, tratto al bianco, "
      "orologio fermo|Bianco: 02:00:00|Nero: 02:00:00|Mossa o valore =>",
      "CHESS CLOCK|The current position is the initial one|Castling rights: white both, black both|"
      "Plies: reversible 0, total 0|Move 1, white's turn, clock stopped|White: 02:00:00|Black: "
      "02:00:00|Move or value =>",
      "RELOJ DE AJEDREZ|La posición actuál es la inicial|Derechos del enroque: blancas ambos, "
      "negras "
      "ambos|Jugadas: reversible 0, totál 0|Movida 1, turno de las blancas, relój "
      "Detenido|Blancas: "
      "02:00:00|Negras: 02:00:00|Movimiento o valor =>"}},
    {"explorer, a square, left by a letter",
     [](Lingue& t) {
       t.fake.press(VK_SPACE);
       t.fake.press(VK_UP);
       t.fake.press('E', 0, 'e');
       t.Esegui();
       return Sentito();
     },
     {"Esplorazione scacchiera attivata.|a1|torre bianca|a2|pedone bianco|Esplorazione scacchiera "
      "disattivata.|e: editazione.",
      "Chess board overview activated.|a1|white rook|a2|white pawn|Chess board overview "
      "deactivated.|e: edit.",
      " Revisión de tablero activada.|a1|torre blanca|a2|peón blanco|Revisión de tablero "
      "desactivada.|e: editar."}},
    {"square and pieces queries",
     [](Lingue& t) {
       for (const char* q : {"=d8", "=b", "=N"}) t.Mossa(q);
       NuovaPosizione("4k3/8/8/8/8/8/8/3QK3 w - - 0 1");
       for (const char* q : {"=Q", "=r"}) t.Mossa(q);
       return Sentito();
     },
     {"d8|donna nera|Alfieri neri: in Como 8 e in Firenze 8.|Cavalli bianchi: in Bologna 1 e in "
      "Genova 1.|donna bianca in Domodossola 1.|Non ci sono Torri nere.",
      "d8|black queen|black bishops: on Charlie 8 and on Foxtrot 8.|white Knights: on Bravo 1 and "
      "on "
      "Golf 1.|white queen on Delta 1.|There are no black rooks.",
      "d8|dama negra|alfiles negros: en César 8 y en Félix 8.|caballos blancos: en Bella 1 y en "
      "Gustavo 1.|dama blanca en David 1.|No hay torres negras."}},
    {"refused moves and a full field",
     [](Lingue& t) {
       std::string s;
       for (const char* m : {"z9", "e5"}) {
         t.Mossa(m);
         s += t.UltimoDialogo() + "|";
       }
       t.fake.type("abcdefgh1");
       t.Esegui();
       return s + t.UltimoDialogo();
     },
     {"'z9' - non è un'annotazione corretta di mossa.|'e5' - non è una mossa legale.|Questo campo "
      "non può contenere più di 8 caratteri.",
      "'z9' - is not a correct move record.|'e5' - is not a legal move.|This field cannot contain "
      "more than 8 characters.",
      "'z9' - no es un registro de movimiento correcto.|'e5' - es un movimiento ilegál.|Este campo "
      "no puede contener más de 8 caracteres."}},
    {"resignation said",
     [](Lingue& t) {
       t.Premi(VK_F8);
       return canale_finto::detti.back().testo;
     },
     {"il bianco abbandona, partita aggiudicata ( 0-1 ).",
      "white resins, game adjudicated ( 0-1 ).",
      "las blancas abandonan, partida adjudicada ( 0-1 )."}},
    {"checkmate",
     [](Lingue& t) {
       t.Mosse({"f3", "e5", "g4", "Qh4"});
       return t.UltimoDialogo();
     },
     {"Scaccomatto, partita aggiudicata ( 0-1 ).", "Checkmate, game adjudicated ( 0-1 ).",
      "Jaque Mate, partida adjudicada ( 0-1 )."}},
    {"quit question",
     [](Lingue& t) {
       t.fake.answer(IDNO);
       t.Premi(VK_F4, LEFT_ALT_PRESSED);
       return t.fake.dialogs.back().caption + "|" + t.UltimoDialogo();
     },
     {"Attenzione!|Sei sicuro di voler uscire da Vantorel?",
      "Attention!|Are you sure you want to quit Vantorel?",
      "¡Atención!|¿Seguro que quieres salir de Vantorel?"}},
    {"menus",
     [](Lingue& t) {
       t.Premi('O', LEFT_ALT_PRESSED);
       std::string s = Sentito() + "|" + Riga(t, 46) + "|" + Riga(t, 47);
       comando_ApriMenu(6, 0);
       return s + "|" + Riga(t, 46);
     },
     {" Orologio (aperto) ALT+O|Orologio in moto CTRL+ENTER|Cadenza di gioco (chiuso) ALT+C|Primo "
      "allarme 60 minuti rimasti",
      " Clock (opened) ALT+O|Start the clock CTRL+ENTER|Time control (closed) ALT+C|First alarm 60 "
      "minutes left",
      " Reloj (abrió) ALT+O|Arrancar el relój CTRL+ENTER|Ritmo de juego (cerrado) ALT+C|Primera "
      "alarma 60 minutos restantes"}},
    {"alternative letters",
     [](Lingue& t) {
       comando_ApriMenu(9, 0);
       t.Premi(VK_RETURN);
       t.fake.type("N");
       t.Premi(VK_NEXT);
       return Sentito();
     },
     {"Enne maiuscola con tilde", "Uppercase enn with tilde", "Eñe mayúscula con tilde"}},
};

TEST_F(Lingue, EachMessageInEachLanguage) {
  for (const auto& m : kMessaggi) {
    for (int lingua = 0; lingua < 3; ++lingua) {
      SCOPED_TRACE(std::string(m.famiglia) + " " + std::to_string(lingua));
      AvviaConCanale(lingua, 2);
      EXPECT_EQ(m.produci(*this), m.testi[lingua]);
      TearDown();
    }
  }
}

}  // namespace
