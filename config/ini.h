// The settings: 26 integer parameters with their limits, and two book names.
#pragma once

#include <cstdint>

struct VoceIni {
  char nome[16];        // key in vantorel.ini
  std::int32_t valore;  // current value
  std::int32_t predefinito;
  std::int32_t minimo, massimo;  // closed range
};

// Indices into ParametroIni.
enum IndiceIni : int {
  iniClockMode,
  iniP1T,
  iniP1I,
  iniP1M,
  iniP2T,
  iniP2I,
  iniP2M,
  iniP3T,
  iniP3I,
  iniP3M,
  iniP4T,
  iniP4I,
  inia1,
  inia2,
  inia3,
  inia4,
  inia5,
  iniautorefresh,
  iniautosave,
  iniAssistanceType,
  iniMDV,
  inilang,
  iniEchoExplorer,
  iniMinPlyBookLine,
  iniMaxPlyBookLine,
  iniMinEloRating,
  NumeroParametriIni
};

extern VoceIni ParametroIni[NumeroParametriIni];
extern char LibroDaConsultare[256];  // key BookToConsult
extern char LibroDaCostruire[256];   // key BookToBild

// Every value back to its default, book names "book" and "my_book".
void DefaultIni();

// Name of the settings file, in the working directory.
constexpr const char* NomeFileIni = "vantorel.ini";
// The longest book name the file may give (the fields hold it with room to spare).
constexpr int LunghezzaMassimaNomeLibro = 127;

// Loads vantorel.ini over the defaults, telling the user of every fault found.
void LeggiIni();
// The same reading with no message and no rewrite, for what start-up needs
// before the speech channel is loaded (the language and the assistance type).
void LeggiIniInSilenzio();
// Writes the whole file with comments in the current language. The old file is
// replaced only once the new one is complete; 0 when it could not be written.
int ScriviIni();
// Label of a parameter (static buffer, valid until the next call).
const char* EtichettaParametroIni(int indice);
// Allowed-values description of a parameter (static buffer).
const char* ValoriAmmessiParametroIni(int indice);
// Information box: the file gives an invalid value for this parameter.
void AvisaValoreIniErrato(int indice);
// 1 when the book name holds no forbidden character; else tells the user and gives 0.
int ControllaNomeLibroInIni(const char* etichetta, const char* nome);
// Sets a parameter to the integer typed on the command line, after asking.
// Gives 1 when the value was stored.
int comando_ImpostaParametro(VoceIni* voce);

// Language of every user text: 0 Italian, 1 English, 2 Spanish.
inline int lang() { return ParametroIni[inilang].valore; }
