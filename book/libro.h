// Opening books: the ".vobf" file and the continuations of the game's position.
//
// A book is a sequence of 16-byte nodes, no header, four unsigned 32-bit
// little-endian fields each:
//   0  move      low 32 bits of the move word
//   4  child     byte offset of the first node of the next ply, 0 = none
//   8  sibling   byte offset of the next alternative at the same ply, 0 = none
//   12 count     number of distinct lines of the book through this node
// The node at offset 0 is the first move of ply 1 and the moves of ply 1 are
// its sibling chain, so offset 0 is never a link target. An empty file is an
// empty book. Nodes are only appended; links of existing nodes are rewritten.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

inline constexpr std::uint64_t DimensioneNodoLibro = 16;
inline constexpr int MaxContinuazioni = 256;  // a chain is read no further

struct NodoLibro {
  std::uint32_t mossa = 0, figlio = 0, fratello = 0, conteggio = 0;
  bool operator==(const NodoLibro&) const = default;
};

// One continuation: the move and its count, 0 when the node ends its line.
struct VoceLibro {
  std::uint32_t mossa = 0, conteggio = 0;
};

// "<name>.vobf" in the working directory.
std::string PercorsoLibro(const char* nome);

// Reads nodes of an open book and checks every link before it is followed: a
// link is sound only when it points past the node that holds it, at a multiple
// of 16 and at a whole node inside the file. So no walk can loop.
class LettoreLibro {
 public:
  explicit LettoreLibro(const std::string& percorso);
  bool Aperto() const { return aperto_; }
  bool Leggi(std::uint64_t posizione, NodoLibro& nodo);
  bool LinkValido(std::uint64_t da, std::uint32_t link) const {
    return link > da && link % DimensioneNodoLibro == 0 &&
           link + DimensioneNodoLibro <= dimensione_;
  }
  std::uint64_t dimensione() const { return dimensione_; }

 private:
  std::ifstream f_;
  bool aperto_ = false;
  std::uint64_t dimensione_ = 0;
};

// The continuations of the current game's position in the book to consult,
// largest count first (equal counts in file order). Gives their number: 0
// when there are none, or when the book cannot be opened (then said so).
int LeggiMosseSuggerite(VoceLibro* lista);
// The same from an open book: -1 when a link or a move does not fit the line.
int LeggiContinuazioni(LettoreLibro& libro, const std::uint64_t* mosse, std::uint64_t n,
                       VoceLibro* lista);

// CTRL+F2: the continuations in a dialog box.
void MostraMosseSuggerite();

// The move's text in the current position: SAN when it is a legal move here,
// "??" when the book holds a move the position does not allow. out: 8 bytes.
void ScriviNotazioneLibro(std::uint32_t mossa, char* out);
// The continuation's move in the legal list of the current position, or 0.
std::uint64_t MossaLegaleDelLibro(std::uint32_t mossa);

// A value typed in the book menu (item 0 and 4 the book names, 5 to 7 the
// builder's limits), after asking; 1 when stored.
int ImpostaParametroLibro(int voce);

// "(1.234 lines)"-style count words: "terminal node", "a line", "1.234 lines".
std::string ParoleConteggio(std::uint32_t conteggio);
