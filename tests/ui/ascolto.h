// The whole program through the fake backend, heard through the fake screen
// reader that also records whether each text interrupted what came before.
#pragma once

#include <string>
#include <vector>

#include "tests/speech/canale_finto.h"
#include "tests/ui/scenario.h"

struct Ascolto : scenario::Scenario {
  // tipo: the assistance type (0 dialog boxes, 2 the speaking channel).
  void AvviaConCanale(int lingua, int tipo) {
    fake.screen.clear();  // the fixture may start again in another language
    Avvia(lingua, tipo != 0);
    CaricaFinestraDiDialogo();
    canale_finto::installa(fake);
    ParametroIni[iniAssistanceType].valore = tipo;
    if (tipo == 0) CaricaAssistente(0);
  }
  static std::vector<std::string> Detti() {
    std::vector<std::string> v;
    for (auto& d : canale_finto::detti) v.push_back(d.testo);
    return v;
  }
  // Index of the first text said that contains parte, or -1.
  static int Indice(const std::string& parte) {
    for (std::size_t i = 0; i < canale_finto::detti.size(); ++i)
      if (canale_finto::detti[i].testo.find(parte) != std::string::npos) return static_cast<int>(i);
    return -1;
  }
  void Premi(std::uint16_t vk, std::uint32_t modificatori = 0) {
    canale_finto::detti.clear();
    fake.press(vk, modificatori);
    Esegui();
  }
};
