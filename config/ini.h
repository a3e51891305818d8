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
  iniClockMode, iniP1T, iniP1I, iniP1M, iniP2T, iniP2I, iniP2M, iniP3T, iniP3I, iniP3M,
  iniP4T, iniP4I, inia1, inia2, inia3, inia4, inia5, iniautorefresh, iniautosave,
  iniAssistanceType, iniMDV, inilang, iniEchoExplorer, iniMinPlyBookLine, iniMaxPlyBookLine,
  iniMinEloRating, NumeroParametriIni
};

extern VoceIni ParametroIni[NumeroParametriIni];
extern char LibroDaConsultare[256];  // key BookToConsult
extern char LibroDaCostruire[256];   // key BookToBild

// Every value back to its default, book names "book" and "my_book".
void DefaultIni();

// Language of every user text: 0 Italian, 1 English, 2 Spanish.
inline int lang() { return ParametroIni[inilang].valore; }
