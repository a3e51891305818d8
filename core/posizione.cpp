#include "core/posizione.h"

#include "core/accesso.h"

const char* const StringaCasa[64] = {
    "a8", "b8", "c8", "d8", "e8", "f8", "g8", "h8", "a7", "b7", "c7", "d7", "e7", "f7", "g7", "h7",
    "a6", "b6", "c6", "d6", "e6", "f6", "g6", "h6", "a5", "b5", "c5", "d5", "e5", "f5", "g5", "h5",
    "a4", "b4", "c4", "d4", "e4", "f4", "g4", "h4", "a3", "b3", "c3", "d3", "e3", "f3", "g3", "h3",
    "a2", "b2", "c2", "d2", "e2", "f2", "g2", "h2", "a1", "b1", "c1", "d1", "e1", "f1", "g1", "h1"};

Bitboard btm_pedone_bianco, btm_cavallo_bianco, btm_alfiere_bianco, btm_torre_bianco,
    btm_donna_bianco;
Bitboard btm_pedone_nero, btm_cavallo_nero, btm_alfiere_nero, btm_torre_nero, btm_donna_nero;
Bitboard btm_bianco, btm_nero, btm_occupazione;
std::uint64_t PezzoIn[65] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                             0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                             0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                             0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                             0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                             0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
std::uint64_t casa_pedone_bianco[CapacitaPedoni], casa_cavallo_bianco[CapacitaPezziMinori],
    casa_alfiere_bianco[CapacitaPezziMinori], casa_torre_bianco[CapacitaTorri],
    casa_donna_bianco[CapacitaDonne];
std::uint64_t casa_pedone_nero[CapacitaPedoni], casa_cavallo_nero[CapacitaPezziMinori],
    casa_alfiere_nero[CapacitaPezziMinori], casa_torre_nero[CapacitaTorri],
    casa_donna_nero[CapacitaDonne];
std::uint64_t casa_re_bianco = 60, casa_re_nero = 4;
std::uint64_t materiale_del_bianco, materiale_del_nero;
std::uint64_t InfoPosizione = NessunoScacco;
std::uint64_t ChiaveHash, HashPedoni;
std::uint64_t ContatoreMosse, TurnoIniziale;
std::uint64_t ElencoMosse[DimensioneElencoMosse];
std::uint64_t backup_ChiaveHash[DimensioneBackup], backup_HashPedoni[DimensioneBackup],
    backup_InfoPosizione[DimensioneBackup];

std::uint64_t hash_pedone_bianco_in[64], hash_cavallo_bianco_in[64], hash_alfiere_bianco_in[64],
    hash_torre_bianco_in[64], hash_donna_bianco_in[64], hash_re_bianco_in[64];
std::uint64_t hash_pedone_nero_in[64], hash_cavallo_nero_in[64], hash_alfiere_nero_in[64],
    hash_torre_nero_in[64], hash_donna_nero_in[64], hash_re_nero_in[64];
std::uint64_t HashArrocco[4];
std::uint64_t HashPermessoEnpassantIn[64];
std::uint64_t HashSpostaPedone_bianco_in[64], HashSpostaPedone_nero_in[64], HashSpostaPedone2In[64],
    HashCatturaEnpassantIn[64];
std::uint64_t* const HashPezzo[6][2] = {
    {hash_pedone_bianco_in, hash_pedone_nero_in},   {hash_cavallo_bianco_in, hash_cavallo_nero_in},
    {hash_alfiere_bianco_in, hash_alfiere_nero_in}, {hash_torre_bianco_in, hash_torre_nero_in},
    {hash_donna_bianco_in, hash_donna_nero_in},     {hash_re_bianco_in, hash_re_nero_in}};

namespace {

// splitmix64: a fixed seed gives the same keys in every run and every build.
std::uint64_t Prossimo(std::uint64_t& stato) {
  std::uint64_t z = (stato += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

void InizializzaChiaviHash() {
  std::uint64_t stato = 0x56616E746F72656Cull;
  for (int tipo = 0; tipo < 6; ++tipo)
    for (int colore = 0; colore < 2; ++colore)
      for (int s = 0; s < 64; ++s) HashPezzo[tipo][colore][s] = Prossimo(stato);
  for (auto& k : HashArrocco) k = Prossimo(stato);
  for (int s = 0; s < 64; ++s) HashPermessoEnpassantIn[s] = 0;
  for (int s = 24; s < 40; ++s) HashPermessoEnpassantIn[s] = Prossimo(stato);

  for (int t = 0; t < 64; ++t) {
    HashSpostaPedone_bianco_in[t] = HashSpostaPedone_nero_in[t] = 0;
    HashSpostaPedone2In[t] = HashCatturaEnpassantIn[t] = 0;
  }
  for (int t = 8; t <= 47; ++t)
    HashSpostaPedone_bianco_in[t] = hash_pedone_bianco_in[t + 8] ^ hash_pedone_bianco_in[t];
  for (int t = 16; t <= 55; ++t)
    HashSpostaPedone_nero_in[t] = hash_pedone_nero_in[t - 8] ^ hash_pedone_nero_in[t];
  for (int t = 32; t <= 39; ++t) {
    HashSpostaPedone2In[t] = hash_pedone_bianco_in[t + 16] ^ hash_pedone_bianco_in[t];
    HashCatturaEnpassantIn[t] = hash_pedone_bianco_in[t] ^ hash_pedone_nero_in[t + 8];
  }
  for (int t = 24; t <= 31; ++t) {
    HashSpostaPedone2In[t] = hash_pedone_nero_in[t - 16] ^ hash_pedone_nero_in[t];
    HashCatturaEnpassantIn[t] = hash_pedone_nero_in[t] ^ hash_pedone_bianco_in[t - 8];
  }
}

namespace {

template <int C, int T>
void Inserisci(std::uint64_t s) {
  const Bitboard b = Bitboard{1} << s;
  Colori<C>() ^= b;
  btm_occupazione ^= b;
  ChiaveHash ^= HashPezzo[T][C][s];
  if constexpr (T == Re) {
    PezzoIn[s] = CodicePezzo(Re, C);
    CasaRe<C>() = s;
  } else {
    Pezzi<C, T>() ^= b;
    std::uint64_t& materiale = Materiale<C>();
    const int slot = Conta(materiale, T);
    PezzoIn[s] = CodicePezzo(T, C) | slot;
    Lista<C, T>()[slot] = s;
    materiale += MaterialeDi[T];
    if constexpr (T == Pedone) HashPedoni ^= HashPezzo[T][C][s];
  }
}

}  // namespace

void inserisci_pedone_bianco(std::uint64_t s) { Inserisci<Bianco, Pedone>(s); }
void inserisci_cavallo_bianco(std::uint64_t s) { Inserisci<Bianco, Cavallo>(s); }
void inserisci_alfiere_bianco(std::uint64_t s) { Inserisci<Bianco, Alfiere>(s); }
void inserisci_torre_bianco(std::uint64_t s) { Inserisci<Bianco, Torre>(s); }
void inserisci_donna_bianco(std::uint64_t s) { Inserisci<Bianco, Donna>(s); }
void inserisci_re_bianco(std::uint64_t s) { Inserisci<Bianco, Re>(s); }
void inserisci_pedone_nero(std::uint64_t s) { Inserisci<Nero, Pedone>(s); }
void inserisci_cavallo_nero(std::uint64_t s) { Inserisci<Nero, Cavallo>(s); }
void inserisci_alfiere_nero(std::uint64_t s) { Inserisci<Nero, Alfiere>(s); }
void inserisci_torre_nero(std::uint64_t s) { Inserisci<Nero, Torre>(s); }
void inserisci_donna_nero(std::uint64_t s) { Inserisci<Nero, Donna>(s); }
void inserisci_re_nero(std::uint64_t s) { Inserisci<Nero, Re>(s); }

void SvuotaScacchiera() {
  for (auto& p : PezzoIn) p = CasaVuota;
  HashPedoni = ChiaveHash = 0;
  materiale_del_bianco = materiale_del_nero = 0;
  btm_occupazione = btm_bianco = btm_nero = 0;
  btm_pedone_bianco = btm_cavallo_bianco = btm_alfiere_bianco = btm_torre_bianco =
      btm_donna_bianco = 0;
  btm_pedone_nero = btm_cavallo_nero = btm_alfiere_nero = btm_torre_nero = btm_donna_nero = 0;
  InfoPosizione = 0;
  ContatoreMosse = 0;
  ElencoMosse[0] = 0;
}
