// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/tournament/bracket_match.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <span>
#include <vector>

// A bracket as its table of matches sees it, for sharing: which slots the
// entrants are typed into and which hold results, and the whole bracket as
// text. Nothing here knows a bracket's size or routing beyond its table.
namespace bracket {

// The entrants' slots in bracket order: each first-round match's upper slot,
// then its lower one, in the order of the table.
std::vector<const char*> entrantSlots(std::span<const BracketMatch> matches);

// Every slot a match fills, the runner-up box included, in table order.
std::vector<const char*> resultSlots(std::span<const BracketMatch> matches);

// Every box of the bracket by name: the entrants' in bracket order, then the
// ones matches fill.
QStringList boxNames(std::span<const BracketMatch> matches);

// The rounds in order, each under its heading ("Round one", "Quarter-finals",
// "Semi-finals", "Final"), one line per match: "A def. B" once the box its
// winner fills holds one of its two names, "A vs B" before; an empty name
// shows as "(no name)". A decided final adds "Winner:" and "Runner up:".
QString asText(std::span<const BracketMatch> matches,
               const std::function<QString(const char* slot)>& slotText);

}  // namespace bracket
