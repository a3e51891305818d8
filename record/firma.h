// The signature of the event log: SipHash-2-4 of the text between the two
// marks, keyed by two of the position-hash keys, so a log validates only in a
// build with the same keys and any edit of the region changes it.
#pragma once

#include <cstdint>
#include <string_view>

// SipHash-2-4 of a message under the 128-bit key (k0, k1).
std::uint64_t SipHash24(std::uint64_t k0, std::uint64_t k1, std::string_view messaggio);

// Signature of a log region (the text between the marks). CR LF is taken as
// LF, so a file whose line ends were converted still validates.
std::uint64_t FirmaRegione(std::string_view regione);
