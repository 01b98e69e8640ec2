// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_design.h"

class QWidget;

namespace design {

// Builds every control of `design` as a child of `window` in its design state,
// sizes the window to its client area and chains the tab order.
void build(const FormDesign& design, QWidget* window);

// The control that takes the focus when the window opens: the focusable one
// with the lowest tab index.
QWidget* firstInTabOrder(const FormDesign& design, QWidget* window);

}  // namespace design
