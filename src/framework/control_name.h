// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_design.h"

#include <type_traits>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QWidget;
class CaptionButton;
class LineControl;

namespace design {

// Any control that shows a text: everything but a line.
struct Shown;

constexpr unsigned bit(Kind kind) { return 1u << static_cast<unsigned>(kind); }

// The kinds of design row a widget type stands for: the type a window asks
// for a control as must be what the builder makes of the control's row.
template <class Widget>
constexpr unsigned kindsFor() {
  if constexpr (std::is_same_v<Widget, QWidget>) {
    return bit(Kind::Label) | bit(Kind::TextBox) | bit(Kind::MultiLineTextBox) | bit(Kind::Button) |
           bit(Kind::Combo) | bit(Kind::ComboList) | bit(Kind::Line);
  } else if constexpr (std::is_same_v<Widget, Shown>) {
    return kindsFor<QWidget>() & ~bit(Kind::Line);
  } else if constexpr (std::is_same_v<Widget, QLabel>) {
    return bit(Kind::Label);
  } else if constexpr (std::is_same_v<Widget, QLineEdit>) {
    return bit(Kind::TextBox);
  } else if constexpr (std::is_same_v<Widget, QTextEdit>) {
    return bit(Kind::MultiLineTextBox);
  } else if constexpr (std::is_same_v<Widget, QAbstractButton> ||
                       std::is_same_v<Widget, QPushButton> ||
                       std::is_same_v<Widget, CaptionButton>) {
    return bit(Kind::Button);
  } else if constexpr (std::is_same_v<Widget, QComboBox>) {
    return bit(Kind::Combo) | bit(Kind::ComboList);
  } else if constexpr (std::is_same_v<Widget, LineControl>) {
    return bit(Kind::Line);
  } else {
    static_assert(!sizeof(Widget), "the builder makes no control of this type");
    return 0;
  }
}

}  // namespace design

// Never defined: the checks below call them only for a name the design table
// lacks or a control of another kind, and a call to a function that is not
// constexpr stops the compiler there, naming the function and the name.
void controlNameNotInTheDesignTable(const char* name);
void controlIsOfAnotherKind(const char* name);

// The name of a control of the window `Form`, checked against the window's
// design table (Form::kDesign) when the program is compiled: the name must be
// a row of the table, and the row's kind one that `As` stands for.
template <class Form, class As = QWidget>
struct ControlName {
  consteval ControlName(const char* controlName) : name(controlName) {
    const design::ControlDesign* row = design::find(Form::kDesign, controlName);
    if (!row) {
      controlNameNotInTheDesignTable(controlName);
      return;
    }
    if (!(design::bit(row->kind) & design::kindsFor<As>())) controlIsOfAnotherKind(controlName);
    kind = row->kind;
  }

  // A name checked as a narrower type is also a name of a wider one: a text
  // box is a control, and one that shows a text.
  template <class Narrower>
  requires(!std::is_same_v<Narrower, As> &&
           (design::kindsFor<Narrower>() & ~design::kindsFor<As>()) ==
               0) constexpr ControlName(ControlName<Form, Narrower> other)
      : name(other.name), kind(other.kind) {}

  const char* name;
  design::Kind kind = design::Kind::Label;  // the design row's kind
};
