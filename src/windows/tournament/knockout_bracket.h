// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"

#include <QAbstractButton>

#include <span>
#include <string_view>

// A "Win" button that does nothing but copy one slot's text into the next
// round's slot.
template <class Form>
struct SlotRoute {
  ControlName<Form> button, from, into;
};

// Each route's button is a button of the form and has one route only; its
// slots are text boxes.
template <class Form>
constexpr bool routesAreValid(std::span<const SlotRoute<Form>> routes) {
  const design::FormDesign& form = Form::kDesign;
  for (std::size_t i = 0; i < routes.size(); ++i) {
    const SlotRoute<Form>& r = routes[i];
    if (!design::has(form, r.button.name, design::Kind::Button) ||
        !design::has(form, r.from.name, design::Kind::TextBox) ||
        !design::has(form, r.into.name, design::Kind::TextBox)) {
      return false;
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (std::string_view(routes[j].button.name) == r.button.name) return false;
    }
  }
  return true;
}

// Whether the form has the text boxes Text1 to Text<count>.
constexpr bool hasNumberedSlots(const design::FormDesign& form, int count) {
  for (int n = 1; n <= count; ++n) {
    char name[16] = {'T', 'e', 'x', 't'};
    int length = 4;
    char digits[8] = {};
    int d = 0;
    for (int v = n; v > 0; v /= 10) digits[d++] = static_cast<char>('0' + v % 10);
    while (d > 0) name[length++] = digits[--d];
    if (!design::has(form, std::string_view(name, length), design::Kind::TextBox)) return false;
  }
  return true;
}

// What the two knock-out brackets share. A bracket is nothing but the text of
// its slots: every step reads and writes those texts and keeps nothing else.
template <class Form>
class KnockoutBracket : public FormWindow<Form> {
 protected:
  using Name = ControlName<Form>;

  // Connects every route's button to its copy: a second click simply
  // overwrites, and nothing else changes.
  void connectRoutes(std::span<const SlotRoute<Form>> routes) {
    for (const SlotRoute<Form>& route : routes) {
      QObject::connect(this->template control<QAbstractButton>(route.button),
                       &QAbstractButton::clicked, this,
                       [this, route] { advance(route.from, route.into); });
    }
  }

  // The text of one slot goes into the next round's slot.
  void advance(Name from, Name into) { this->setText(into, this->text(from)); }

  // The final: the chosen finalist into the winner box, the other one into
  // the runner-up box, both in the same click.
  void settleFinal(Name champion, Name other, Name winnerBox, Name runnerUpBox) {
    // Both texts are read first, so the order of the two writes never matters.
    const QString winner = this->text(champion);
    const QString runnerUp = this->text(other);
    this->setText(winnerBox, winner);
    this->setText(runnerUpBox, runnerUp);
  }

  // "Reset": empties Text1 to Text<Count>, the entrants included.
  template <int Count>
  void emptySlots() {
    static_assert(hasNumberedSlots(Form::kDesign, Count));
    for (int slot = 1; slot <= Count; ++slot) {
      Window::setTextOf(this->findControl(QStringLiteral("Text%1").arg(slot)), QString());
    }
  }
};
