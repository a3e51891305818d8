#include "config/ini.h"

#include <cstring>

VoceIni ParametroIni[NumeroParametriIni] = {
    {"ClockMode", 1, 1, 0, 5},
    {"P1T", 120, 120, 1, 720},
    {"P1I", 0, 0, 0, 600},
    {"P1M", 40, 40, 10, 100},
    {"P2T", 120, 120, 1, 720},
    {"P2I", 0, 0, 0, 600},
    {"P2M", 40, 40, 10, 100},
    {"P3T", 120, 120, 1, 720},
    {"P3I", 0, 0, 0, 600},
    {"P3M", 40, 40, 10, 100},
    {"P4T", 120, 120, 1, 720},
    {"P4I", 0, 0, 0, 600},
    {"a1", 60, 60, 0, 720},
    {"a2", 45, 45, 0, 720},
    {"a3", 30, 30, 0, 720},
    {"a4", 15, 15, 0, 720},
    {"a5", 5, 5, 0, 720},
    {"autorefresh", 1, 1, 0, 1},
    {"autosave", 0, 0, 0, 1},
    {"AssistanceType", 0, 0, 0, 2},
    {"MDV", 1, 1, 0, 2},
    {"lang", 1, 1, 0, 2},
    {"EchoExplorer", 1, 1, 0, 1},
    {"MinPlyBookLine", 8, 8, 1, 100},
    {"MaxPlyBookLine", 40, 40, 1, 300},
    {"MinEloRating", 0, 0, 0, 4000},
};

char LibroDaConsultare[256] = "book";
char LibroDaCostruire[256] = "my_book";

void DefaultIni() {
  for (auto& v : ParametroIni) v.valore = v.predefinito;
  std::strcpy(LibroDaConsultare, "book");
  std::strcpy(LibroDaCostruire, "my_book");
}
