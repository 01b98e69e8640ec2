// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/control_name.h"
#include "framework/window.h"

#include <QAbstractButton>

// A window whose code names its controls: every name given to text(),
// setText(), control() and onClick() is checked against the window's design
// table, `Form::kDesign`, so that a misspelt name fails the build.
template <class Form>
class FormWindow : public Window {
 public:
  using Name = ControlName<Form>;

  FormWindow() : Window(Form::kDesign) {}

 protected:
  QString text(Name control) const { return textOf(findControl(control.name)); }
  void setText(Name control, const QString& value) { setTextOf(findControl(control.name), value); }

  template <typename T = QWidget>
  T* control(Name name) const {
    return findControl<T>(name.name);
  }

  template <typename Handler>
  void onClick(Name button, void (Handler::*handler)()) {
    connect(control<QAbstractButton>(button), &QAbstractButton::clicked,
            static_cast<Handler*>(this), handler);
  }
};
