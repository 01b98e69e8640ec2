// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tournament/bracket_text.h"

#include "framework/result_text.h"

#include <QStringList>

#include <algorithm>

namespace bracket {
namespace {

bool isEntrant(std::span<const BracketMatch> matches, const char* slot) {
  return fillerOf(matches, slot) < 0;
}

// 1 for a match of two entrants, else one more than the later of the two
// matches its finalists come from.
int roundOf(std::span<const BracketMatch> matches, const BracketMatch& match) {
  int round = 1;
  for (const char* slot : {match.upper, match.lower}) {
    const int filler = fillerOf(matches, slot);
    if (filler >= 0) round = std::max(round, roundOf(matches, matches[filler]) + 1);
  }
  return round;
}

// Named from the final back; the first round is always round one, as the
// window's draws call it, so an eight-man bracket has no quarter-finals.
QString heading(int round, int rounds) {
  if (round == rounds) return QStringLiteral("Final");
  if (round == 1) return QStringLiteral("Round one");
  if (round == rounds - 1) return QStringLiteral("Semi-finals");
  if (round == rounds - 2) return QStringLiteral("Quarter-finals");
  return QStringLiteral("Round %1").arg(round);
}

// The winner's box decides, and only when it holds one of the two names: an
// empty box is a match still to come, whatever the names.
bool isDecided(const QString& upper, const QString& lower, const QString& winner) {
  return !winner.isEmpty() && (winner == upper || winner == lower);
}

QString matchLine(const QString& upper, const QString& lower, const QString& winner) {
  if (!isDecided(upper, lower, winner)) {
    return result_text::name(upper) + QStringLiteral(" vs ") + result_text::name(lower);
  }
  const QString& loser = winner == upper ? lower : upper;
  return result_text::name(winner) + QStringLiteral(" def. ") + result_text::name(loser);
}

}  // namespace

std::vector<const char*> entrantSlots(std::span<const BracketMatch> matches) {
  std::vector<const char*> found;
  for (const BracketMatch& m : matches) {
    for (const char* slot : {m.upper, m.lower}) {
      if (isEntrant(matches, slot)) found.push_back(slot);
    }
  }
  return found;
}

std::vector<const char*> resultSlots(std::span<const BracketMatch> matches) {
  std::vector<const char*> found;
  for (const BracketMatch& m : matches) {
    found.push_back(m.into);
    if (m.runnerUp) found.push_back(m.runnerUp);
  }
  return found;
}

QStringList boxNames(std::span<const BracketMatch> matches) {
  QStringList names;
  for (const char* slot : entrantSlots(matches)) names << QString::fromUtf8(slot);
  for (const char* slot : resultSlots(matches)) names << QString::fromUtf8(slot);
  return names;
}

QString asText(std::span<const BracketMatch> matches,
               const std::function<QString(const char* slot)>& slotText) {
  const int rounds = roundOf(matches, matches.back());
  QStringList lines;
  for (int round = 1; round <= rounds; ++round) {
    if (round > 1) lines << QString();
    lines << heading(round, rounds);
    for (const BracketMatch& m : matches) {
      if (roundOf(matches, m) != round) continue;
      lines << matchLine(slotText(m.upper), slotText(m.lower), slotText(m.into));
    }
  }
  const BracketMatch& final = matches.back();
  if (isDecided(slotText(final.upper), slotText(final.lower), slotText(final.into))) {
    lines << QString();
    lines << QStringLiteral("Winner: ") + result_text::name(slotText(final.into));
    lines << QStringLiteral("Runner up: ") + result_text::name(slotText(final.runnerUp));
  }
  return lines.join(u'\n');
}

}  // namespace bracket
