// A scratch folder the benchmark works in, for the files a save writes; the
// folder the benchmark started in is restored and the scratch folder removed.
#pragma once

#include <unistd.h>

#include <filesystem>

struct CartellaDiBench {
  std::filesystem::path prima = std::filesystem::current_path();
  std::filesystem::path cartella;
  CartellaDiBench() {
    char modello[] = "/tmp/vantorel-bench-XXXXXX";
    cartella = mkdtemp(modello);
    std::filesystem::current_path(cartella);
  }
  ~CartellaDiBench() {
    std::filesystem::current_path(prima);
    std::filesystem::remove_all(cartella);
  }
};
