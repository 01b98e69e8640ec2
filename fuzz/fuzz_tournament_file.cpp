// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a tournament file, read the way a bracket opens one. A
// file is refused with a reason or read whole; what is read writes back to a
// file that reads as exactly the same tournament.
#include "data/tournament_file.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const tournament_file::Read read = tournament_file::fromBytes(bytes);
  check(read.ok == read.problem.isEmpty());
  if (!read.ok) return 0;
  const tournament_file::Read again =
      tournament_file::fromBytes(tournament_file::toBytes(read.tournament));
  check(again.ok);
  check(again.tournament.bracket == read.tournament.bracket);
  check(again.tournament.boxes == read.tournament.boxes);
  return 0;
}
