// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_design.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace design {

// A colour of the design as Qt draws it; `c` must be set.
QColor toColor(Rgb c);

// The palette of every window, its controls, their pop-ups and its dialogs:
// the Fusion style's light one, with every colour set, so that none of a
// dark desktop's colours reaches a design drawn for the classic light
// controls (white boxes with black text, black labels on the window grey).
QPalette lightPalette();

// Builds every control of `design` as a child of `window` in its design state,
// sizes the window to its client area and chains the tab order.
void build(const FormDesign& design, QWidget* window);

// The control that takes the focus when the window opens: the focusable one
// with the lowest tab index.
QWidget* firstInTabOrder(const FormDesign& design, QWidget* window);

}  // namespace design
