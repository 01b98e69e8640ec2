// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_design.h"

// Never defined: the check below calls it only for a name the design table
// lacks, and a call to a function that is not constexpr stops the compiler
// there, naming this function and the misspelt name.
void controlNameNotInTheDesignTable(const char* name);

// The name of a control of the window `Form`, checked against the window's
// design table (Form::kDesign) when the program is compiled.
template <class Form>
struct ControlName {
  consteval ControlName(const char* controlName) : name(controlName) {
    if (!design::find(Form::kDesign, controlName)) controlNameNotInTheDesignTable(controlName);
  }
  const char* name;
};
