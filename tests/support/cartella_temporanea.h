// Runs a test inside a fresh empty working directory, removed afterwards, so
// that files the program writes (vantorel.ini, pgn/, log/) never mix.
#pragma once

#include <filesystem>
#include <random>
#include <string>

class CartellaTemporanea {
 public:
  CartellaTemporanea() {
    std::random_device caso;
    do {
      percorso_ = std::filesystem::temp_directory_path() /
                  ("vantorel-" + std::to_string(caso()) + std::to_string(caso()));
    } while (!std::filesystem::create_directory(percorso_));
    precedente_ = std::filesystem::current_path();
    std::filesystem::current_path(percorso_);
  }
  ~CartellaTemporanea() {
    std::error_code e;
    std::filesystem::current_path(precedente_, e);
    std::filesystem::permissions(percorso_, std::filesystem::perms::owner_all, e);
    std::filesystem::remove_all(percorso_, e);
  }
  CartellaTemporanea(const CartellaTemporanea&) = delete;
  CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;
  const std::filesystem::path& percorso() const { return percorso_; }

 private:
  std::filesystem::path percorso_, precedente_;
};
