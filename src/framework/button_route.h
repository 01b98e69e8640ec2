// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/control_name.h"
#include "framework/window_name.h"

#include <variant>

// A button that does nothing but switch windows or copy one control's text
// into another: a menu button, a "Back" button, a bracket's "Win". Every
// window gives its routes as a table, and FormWindow::connectRoutes connects
// them all in one loop. Names are checked when the program is compiled.
template <class Form>
struct ButtonRoute {
  using Button = ControlName<Form, QAbstractButton>;
  using Box = ControlName<Form, design::Shown>;

  struct Copy {
    Box from, into;
  };

  constexpr ButtonRoute(Button button, WindowName target) : button(button), action(target) {}
  constexpr ButtonRoute(Button button, Box from, Box into)
      : button(button), action(Copy{from, into}) {}

  Button button;
  std::variant<WindowName, Copy> action;
};
