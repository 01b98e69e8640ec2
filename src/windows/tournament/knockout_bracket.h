// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"
#include "framework/result_text.h"
#include "framework/share_actions.h"
#include "rules/shared_random.h"
#include "windows/tournament/bracket_match.h"
#include "windows/tournament/bracket_text.h"
#include "windows/tournament/tournament_desk.h"
#include "windows/tournament/tournament_shelf.h"

#include <QAbstractButton>
#include <QPointer>

#include <array>
#include <cstddef>
#include <optional>
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
// its slots: every step reads and writes those texts and keeps nothing else,
// and each step of the bracket as a whole can be taken back (its desk).
template <class Form>
class KnockoutBracket : public FormWindow<Form>, public SharesResult {
 public:
  using Route = ButtonRoute<Form>;

  // `name` is the tournament selector's entry that opens it, and the name
  // its files give it.
  KnockoutBracket(std::span<const BracketMatch> matches, const char* name, TournamentShelf& shelf)
      : matches_(matches), name_(QString::fromUtf8(name)), shelf_(shelf) {
    shelf.enrol(this->name(), name_, bracket::boxNames(matches));
  }

  // The whole bracket as text, from the table of matches.
  QString resultText() const override {
    return bracket::asText(matches_, [this](const char* slot) {
      return Window::textOf(this->findControl(QString::fromUtf8(slot)));
    });
  }

 protected:
  // Every "Win" and "Random" button of the table, each click a step. A second
  // click simply overwrites, and nothing else changes.
  void connectMatches(std::span<const BracketMatch> matches, std::span<const Route> winRoutes) {
    desk_ = new TournamentDesk(
        {this->widget(), matches_, this->name(), name_,
         [this](const QString& window) { Q_EMIT this->switchRequested(window); }},
        shelf_);
    for (const BracketMatch& match : matches) {
      for (const char* button : {match.upperWin, match.lowerWin}) {
        QObject::connect(this->template findControl<QAbstractButton>(QString::fromUtf8(button)),
                         &QAbstractButton::clicked, this, [this, button, winRoutes] {
                           desk_->step([&] {
                             const QString winner = win(button, winRoutes);
                             return QStringLiteral("Win for %1").arg(result_text::name(winner));
                           });
                         });
      }
      if (!match.random) continue;
      QObject::connect(
          this->template findControl<QAbstractButton>(QString::fromUtf8(match.random)),
          &QAbstractButton::clicked, this, [this, &match, winRoutes] {
            desk_->step([&] {
              const QString winner = draw(match, winRoutes);
              return QStringLiteral("Random win for %1").arg(result_text::name(winner));
            });
          });
    }
  }

  // "Reset": empties every slot of the table, the entrants included.
  void emptySlots(std::span<const BracketMatch> matches) {
    desk_->step([&] {
      for (const BracketMatch& m : matches) {
        for (const char* slot : {m.upper, m.lower, m.into, m.runnerUp}) {
          if (slot) Window::setTextOf(this->findControl(QString::fromUtf8(slot)), QString());
        }
      }
      return QStringLiteral("Reset");
    });
  }

  // Whatever unloads the bracket, what it held is kept for "Reopen last
  // tournament".
  void Form_Unload() override {
    if (desk_) desk_->keep();
  }

 private:
  // Follows every route of `button` and names who went through.
  QString win(std::string_view button, std::span<const Route> winRoutes) {
    std::optional<QString> winner;  // the first route's: the final's second is the runner-up's
    for (const Route& route : winRoutes) {
      if (button != route.button.name) continue;
      if (!winner) winner = this->text(std::get<typename Route::Copy>(route.action).from);
      this->follow(route);
    }
    return winner.value_or(QString());
  }

  // One draw of 1 to 10 decides the match as its winner's "Win" would. Draws
  // before the final favour the upper wrestler, on 1 to 5; the final's
  // favours the upper finalist on 6 to 10 instead.
  QString draw(const BracketMatch& match, std::span<const Route> winRoutes) {
    const int r = shared_random::wholeDraw(10);
    const bool upperWins = match.isFinal() ? r > 5 : r < 6;
    return win(upperWins ? match.upperWin : match.lowerWin, winRoutes);
  }

  std::span<const BracketMatch> matches_;
  QString name_;
  TournamentShelf& shelf_;
  QPointer<TournamentDesk> desk_;
};
