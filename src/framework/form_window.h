// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/button_route.h"
#include "framework/control_name.h"
#include "framework/result_text.h"
#include "framework/window.h"

#include <QAbstractButton>

#include <span>
#include <type_traits>

// A window whose code names its controls: every name given to text(),
// setText(), control() and onClick() is checked against the window's design
// table, `Form::kDesign`, name and kind, so that a misspelt name or a control
// asked for as another kind of widget fails the build.
template <class Form>
class FormWindow : public Window {
 public:
  using Name = ControlName<Form>;
  using Box = ControlName<Form, QLineEdit>;
  using Button = ControlName<Form, QAbstractButton>;
  using Shown = ControlName<Form, design::Shown>;
  using Route = ButtonRoute<Form>;

  FormWindow() : Window(Form::kDesign) {}

 protected:
  QString text(Shown control) const { return textOf(findControl(control.name)); }
  void setText(Shown control, const QString& value) { setTextOf(findControl(control.name), value); }

  // "Winner: Alpha", a line of the window's result as text: a label as the
  // window shows it, then the text of the box it names.
  QString labelled(Shown label, Shown box) const {
    return result_text::labelled(text(label), text(box));
  }

  // The control as the widget its design row makes: control<QLineEdit>("Text1").
  template <typename T = QWidget>
  T* control(std::type_identity_t<ControlName<Form, T>> name) const {
    return findControl<T>(name.name);
  }

  template <typename Handler>
  void onClick(Button button, void (Handler::*handler)()) {
    connect(control<QAbstractButton>(button), &QAbstractButton::clicked,
            static_cast<Handler*>(this), handler);
  }

  // The one loop for buttons that only switch windows or copy a text. A
  // second click simply does the same again.
  void connectRoutes(std::span<const Route> routes) {
    for (const Route& route : routes) {
      connect(control<QAbstractButton>(route.button), &QAbstractButton::clicked, this,
              [this, route] { follow(route); });
    }
  }

  // What a route's button does.
  void follow(const Route& route) {
    if (const auto* target = std::get_if<WindowName>(&route.action)) {
      switchTo(*target);
    } else {
      const auto& copy = std::get<typename Route::Copy>(route.action);
      setText(copy.into, text(copy.from));
    }
  }
};
