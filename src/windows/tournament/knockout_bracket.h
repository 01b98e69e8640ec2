// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"
#include "rules/shared_random.h"
#include "windows/tournament/bracket_match.h"
#include "windows/tournament/bracket_text.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <utility>

namespace bracket {

// A "Win" copies its slot into the slot the match fills; the final's also
// copies the other finalist into the runner-up box.
constexpr std::size_t winRouteCount(std::span<const BracketMatch> matches) {
  std::size_t count = 0;
  for (const BracketMatch& m : matches) count += m.isFinal() ? 4 : 2;
  return count;
}

// Route `n` of the "Win" buttons of `Matches`, in the order of the table.
template <class Form, const auto& Matches>
consteval ButtonRoute<Form> winRoute(std::size_t n) {
  using Route = ButtonRoute<Form>;
  for (const BracketMatch& m : Matches) {
    const std::size_t own = m.isFinal() ? 4 : 2;
    if (n >= own) {
      n -= own;
      continue;
    }
    switch (n) {
      case 0:
        return Route(m.upperWin, m.upper, m.into);
      case 1:
        return Route(m.lowerWin, m.lower, m.into);
      case 2:
        return Route(m.upperWin, m.lower, m.runnerUp);
      default:
        return Route(m.lowerWin, m.upper, m.runnerUp);
    }
  }
  throw "no such route";  // not a constant expression: stops the build
}

template <class Form, const auto& Matches, std::size_t... N>
consteval auto winRoutesOf(std::index_sequence<N...>) {
  return std::array<ButtonRoute<Form>, sizeof...(N)>{winRoute<Form, Matches>(N)...};
}

// The routes of every "Win" button of `Matches`, made when the program is
// compiled, where each name is checked against the design as any route's is.
template <class Form, const auto& Matches>
consteval auto winRoutes() {
  return winRoutesOf<Form, Matches>(std::make_index_sequence<winRouteCount(Matches)>{});
}

}  // namespace bracket

// What the two knock-out brackets share. A bracket is nothing but the text of
// its slots: every step reads and writes those texts and keeps nothing else.
template <class Form>
class KnockoutBracket : public FormWindow<Form> {
 public:
  using Route = ButtonRoute<Form>;

  explicit KnockoutBracket(std::span<const BracketMatch> matches) : matches_(matches) {}

  // The whole bracket as text, and its first-round boxes for a pasted
  // roster and "Shuffle entrants", all from the table of matches.
  bool sharesResult() const override { return true; }
  QString resultText() const override {
    return bracket::asText(matches_, [this](const char* slot) {
      return Window::textOf(this->findControl(QString::fromUtf8(slot)));
    });
  }
  QList<QLineEdit*> entrantBoxes() const override {
    QList<QLineEdit*> boxes;
    for (const char* slot : bracket::entrantSlots(matches_)) boxes << box(slot);
    return boxes;
  }
  // A shuffle would leave results of matches its entrants never fought.
  QLineEdit* heldResult() const override {
    for (const char* slot : bracket::resultSlots(matches_)) {
      if (!box(slot)->text().isEmpty()) return box(slot);
    }
    return nullptr;
  }

 protected:
  // Every "Win" and "Random" button of the table. A second click simply
  // overwrites, and nothing else changes.
  void connectMatches(std::span<const BracketMatch> matches, std::span<const Route> winRoutes) {
    this->connectRoutes(winRoutes);
    for (const BracketMatch& match : matches) {
      if (!match.random) continue;
      QObject::connect(this->template findControl<QAbstractButton>(QString::fromUtf8(match.random)),
                       &QAbstractButton::clicked, this,
                       [this, &match, winRoutes] { draw(match, winRoutes); });
    }
  }

  // "Reset": empties every slot of the table, the entrants included.
  void emptySlots(std::span<const BracketMatch> matches) {
    for (const BracketMatch& m : matches) {
      for (const char* slot : {m.upper, m.lower, m.into, m.runnerUp}) {
        if (slot) Window::setTextOf(this->findControl(QString::fromUtf8(slot)), QString());
      }
    }
  }

 private:
  QLineEdit* box(const char* slot) const {
    return this->template findControl<QLineEdit>(QString::fromUtf8(slot));
  }

  std::span<const BracketMatch> matches_;

  // One draw of 1 to 10 decides the match as its winner's "Win" would. Draws
  // before the final favour the upper wrestler, on 1 to 5; the final's
  // favours the upper finalist on 6 to 10 instead.
  void draw(const BracketMatch& match, std::span<const Route> winRoutes) {
    const int r = shared_random::wholeDraw(10);
    const bool upperWins = match.isFinal() ? r > 5 : r < 6;
    const std::string_view winner = upperWins ? match.upperWin : match.lowerWin;
    for (const Route& route : winRoutes) {
      if (winner == route.button.name) this->follow(route);
    }
  }
};
