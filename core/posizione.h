// The current position: the one on the real board, kept in process-wide globals
// and updated incrementally by the make and unmake operations.
//
// Squares: 0 = a8 ... 7 = h8, 8 = a7 ... 56 = a1 ... 63 = h1; 64 = no square.
// File = s & 7 (0 = a), row = s >> 3 (0 = rank 8). Colours: white 0, black 1.
// Piece types: pawn 0, knight 1, bishop 2, rook 3, queen 4, king 5.
#pragma once

#include <cstdint>

using Bitboard = std::uint64_t;

enum Colore : int { Bianco = 0, Nero = 1 };
enum TipoPezzo : int { Pedone = 0, Cavallo = 1, Alfiere = 2, Torre = 3, Donna = 4, Re = 5 };

inline constexpr std::uint64_t NessunaCasa = 64;
inline constexpr std::uint64_t CasaVuota = 0xFF;  // code of an empty square in PezzoIn

// Square names "a8" ... "h1" in square order.
extern const char* const StringaCasa[64];
inline constexpr char CaratterePezzo[] = "pnbrqk";
inline constexpr char CarattereColonna[] = "abcdefgh";

// Piece code in PezzoIn: high nibble = 2 * type + colour, low nibble = slot in its list.
inline constexpr int CodicePezzo(int tipo, int colore) { return (2 * tipo + colore) << 4; }

// Bitboards of the men, by type and colour. There is no king bitboard.
extern Bitboard btm_pedone_bianco, btm_cavallo_bianco, btm_alfiere_bianco, btm_torre_bianco,
    btm_donna_bianco;
extern Bitboard btm_pedone_nero, btm_cavallo_nero, btm_alfiere_nero, btm_torre_nero, btm_donna_nero;
extern Bitboard btm_bianco, btm_nero, btm_occupazione;

extern std::uint64_t PezzoIn[65];  // entry 64 is always empty

// Square lists, densely packed; their counts are the bytes of the material records.
inline constexpr int CapacitaPedoni = 8, CapacitaPezziMinori = 10, CapacitaTorri = 10,
                     CapacitaDonne = 9;
extern std::uint64_t casa_pedone_bianco[CapacitaPedoni], casa_cavallo_bianco[CapacitaPezziMinori],
    casa_alfiere_bianco[CapacitaPezziMinori], casa_torre_bianco[CapacitaTorri],
    casa_donna_bianco[CapacitaDonne];
extern std::uint64_t casa_pedone_nero[CapacitaPedoni], casa_cavallo_nero[CapacitaPezziMinori],
    casa_alfiere_nero[CapacitaPezziMinori], casa_torre_nero[CapacitaTorri],
    casa_donna_nero[CapacitaDonne];
extern std::uint64_t casa_re_bianco, casa_re_nero;

// Material record, byte 0 lowest: pawns, knights, bishops, rooks, queens, minor pieces,
// heavy weight (rook 1, queen 2), piece value (N 3, B 3, R 5, Q 9). The king is not counted.
extern std::uint64_t materiale_del_bianco, materiale_del_nero;
inline constexpr std::uint64_t MaterialePedone = 0x1, MaterialeCavallo = 0x0300010000000100,
                               MaterialeAlfiere = 0x0300010000010000,
                               MaterialeTorre = 0x0501000001000000,
                               MaterialeDonna = 0x0902000100000000;
inline constexpr std::uint64_t MaterialeDi[5] = {MaterialePedone, MaterialeCavallo,
                                                 MaterialeAlfiere, MaterialeTorre, MaterialeDonna};
// Count of men of one type (0-4) in a material record.
inline int Conta(std::uint64_t materiale, int tipo) { return (materiale >> (8 * tipo)) & 0xFF; }

// InfoPosizione, bits 26-63 always 0:
//   0-6   reversible-ply count, saturating at 127 (the full count: SemimosseReversibili())
//   7     white may castle king-side     8  white queen-side
//   9     black may castle king-side    10  black queen-side
//   11    en-passant permission (last move a double step beside an enemy pawn)
//   12-18 square of a man giving check to the side to move, 64 if none
//   19-25 square of a second (discovered) checker, 64 if none
// Below NessunoScacco exactly when the side to move is in check.
extern std::uint64_t InfoPosizione;
inline constexpr std::uint64_t MascheraSemimosse = 0x7F;
inline constexpr std::uint64_t ArroccoCortoBianco = 0x80, ArroccoLungoBianco = 0x100,
                               ArroccoCortoNero = 0x200, ArroccoLungoNero = 0x400,
                               PermessoEnpassant = 0x800;
inline constexpr std::uint64_t MascheraScacchi = 0x3FFF000;
inline constexpr std::uint64_t NessunoScacco = (NessunaCasa << 12) | (NessunaCasa << 19);
inline int PrimoScaccoDa(std::uint64_t info) { return (info >> 12) & 0x7F; }
inline int SecondoScaccoDa(std::uint64_t info) { return (info >> 19) & 0x7F; }

extern std::uint64_t ChiaveHash;  // Zobrist key of the position (side to move not hashed)
extern std::uint64_t HashPedoni;  // Zobrist key of the pawns alone

// Plies since the position was loaded, plus 1 if it was loaded with black to move.
extern std::uint64_t ContatoreMosse;
// 0 or 1: the side to move of the loaded position (the first ply of the game).
extern std::uint64_t TurnoIniziale;

// Per-ply arrays. ElencoMosse[k] is the move that led to ply k; the backups hold the keys and
// the information word as they stood at ply k. A game may reach ply MaxPly and no further.
inline constexpr int DimensioneElencoMosse = 520;
inline constexpr int DimensioneBackup = 512;
inline constexpr std::uint64_t MaxPly = DimensioneBackup - 1;
extern std::uint64_t ElencoMosse[DimensioneElencoMosse];
extern std::uint64_t backup_ChiaveHash[DimensioneBackup], backup_HashPedoni[DimensioneBackup],
    backup_InfoPosizione[DimensioneBackup];

// 1 while one more move may be played without running past the per-ply arrays.
inline int PuoGiocareAncoraMosse() { return ContatoreMosse < MaxPly; }

// Zobrist keys, fixed for every run and build (the signed event log depends on them).
extern std::uint64_t hash_pedone_bianco_in[64], hash_cavallo_bianco_in[64],
    hash_alfiere_bianco_in[64], hash_torre_bianco_in[64], hash_donna_bianco_in[64],
    hash_re_bianco_in[64];
extern std::uint64_t hash_pedone_nero_in[64], hash_cavallo_nero_in[64], hash_alfiere_nero_in[64],
    hash_torre_nero_in[64], hash_donna_nero_in[64], hash_re_nero_in[64];
// Castling-right keys: white king-side, white queen-side, black king-side, black queen-side.
extern std::uint64_t HashArrocco[4];
extern std::uint64_t HashPermessoEnpassantIn[64];  // by the square of the double-stepped pawn
extern std::uint64_t HashSpostaPedone_bianco_in[64], HashSpostaPedone_nero_in[64],
    HashSpostaPedone2In[64], HashCatturaEnpassantIn[64];
// Keys of a man by type (0-5) and colour, pointing into the tables above.
extern std::uint64_t* const HashPezzo[6][2];

// Builds the keys from a fixed seed. Idempotent.
void InizializzaChiaviHash();

void inserisci_pedone_bianco(std::uint64_t s);
void inserisci_cavallo_bianco(std::uint64_t s);
void inserisci_alfiere_bianco(std::uint64_t s);
void inserisci_torre_bianco(std::uint64_t s);
void inserisci_donna_bianco(std::uint64_t s);
void inserisci_re_bianco(std::uint64_t s);
void inserisci_pedone_nero(std::uint64_t s);
void inserisci_cavallo_nero(std::uint64_t s);
void inserisci_alfiere_nero(std::uint64_t s);
void inserisci_torre_nero(std::uint64_t s);
void inserisci_donna_nero(std::uint64_t s);
void inserisci_re_nero(std::uint64_t s);

// Empties the board and clears keys, material, InfoPosizione and the ply counter.
// The king squares are left as they were.
void SvuotaScacchiera();
