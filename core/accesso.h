// Compile-time access to the position globals by colour and piece type, so that the
// per-colour and per-piece operations share one template body. Internal to core/.
#pragma once

#include "core/posizione.h"

template <int C>
inline Bitboard& Colori() {
  if constexpr (C == Bianco)
    return btm_bianco;
  else
    return btm_nero;
}

template <int C, int T>
inline Bitboard& Pezzi() {
  static_assert(T >= Pedone && T <= Donna);
  if constexpr (C == Bianco) {
    if constexpr (T == Pedone)
      return btm_pedone_bianco;
    else if constexpr (T == Cavallo)
      return btm_cavallo_bianco;
    else if constexpr (T == Alfiere)
      return btm_alfiere_bianco;
    else if constexpr (T == Torre)
      return btm_torre_bianco;
    else
      return btm_donna_bianco;
  } else {
    if constexpr (T == Pedone)
      return btm_pedone_nero;
    else if constexpr (T == Cavallo)
      return btm_cavallo_nero;
    else if constexpr (T == Alfiere)
      return btm_alfiere_nero;
    else if constexpr (T == Torre)
      return btm_torre_nero;
    else
      return btm_donna_nero;
  }
}

template <int C, int T>
inline std::uint64_t* Lista() {
  static_assert(T >= Pedone && T <= Donna);
  if constexpr (C == Bianco) {
    if constexpr (T == Pedone)
      return casa_pedone_bianco;
    else if constexpr (T == Cavallo)
      return casa_cavallo_bianco;
    else if constexpr (T == Alfiere)
      return casa_alfiere_bianco;
    else if constexpr (T == Torre)
      return casa_torre_bianco;
    else
      return casa_donna_bianco;
  } else {
    if constexpr (T == Pedone)
      return casa_pedone_nero;
    else if constexpr (T == Cavallo)
      return casa_cavallo_nero;
    else if constexpr (T == Alfiere)
      return casa_alfiere_nero;
    else if constexpr (T == Torre)
      return casa_torre_nero;
    else
      return casa_donna_nero;
  }
}

template <int C>
inline std::uint64_t& CasaRe() {
  if constexpr (C == Bianco)
    return casa_re_bianco;
  else
    return casa_re_nero;
}

template <int C>
inline std::uint64_t& Materiale() {
  if constexpr (C == Bianco)
    return materiale_del_bianco;
  else
    return materiale_del_nero;
}

template <int C, int T>
inline const std::uint64_t* Chiavi() {
  return HashPezzo[T][C];
}
