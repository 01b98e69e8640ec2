// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

// A window's design state, written once as a table: one row per control in
// the order of the window's layout. The shared builder turns a table into
// widgets (object name = control name, twips / 15 = pixels).
namespace design {

enum class Kind {
  Label,
  TextBox,           // one line; `locked` makes it read-only but focusable
  MultiLineTextBox,  // wraps at its width, vertical scroll bar
  Button,
  Combo,      // drop-down with an editable text field
  ComboList,  // drop-down list: a choice from the list only
  Line,       // left, top, width, height hold the end points x1, y1, x2, y2
};

struct Rgb {
  int red = -1, green = -1, blue = -1;  // -1: the toolkit's default
  constexpr bool isSet() const { return red >= 0; }
};

inline constexpr Rgb kDefault{};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kDarkGrey{64, 64, 64};
inline constexpr Rgb kWindowGrey{128, 128, 128};
inline constexpr Rgb kLightGrey{192, 192, 192};
inline constexpr Rgb kPaleGrey{224, 224, 224};

enum Weight : bool { Regular = false, Bold = true };

struct Font {
  const char* face = nullptr;  // nullptr: the window's default font
  double points = 0;
  Weight weight = Regular;
};

inline constexpr Font kDefaultFont{};
inline constexpr const char* kShowcard = "Showcard Gothic";
inline constexpr const char* kSnap = "Snap ITC";
inline constexpr const char* kStamford = "Stamford Heavy SF";
inline constexpr const char* kArial = "Arial";

enum class Align { Default, Left, Centre, Right };

// What few controls need beyond name, text, place, font and tab index.
struct Look {
  Rgb fore = kDefault;
  Rgb back = kDefault;
  Align align = Align::Default;
  bool hidden = false;
  bool locked = false;
  const char* tooltip = nullptr;
  std::span<const char* const> items = {};  // a combo's design-time list
  const char* accessible = nullptr;         // what a screen reader calls the control
};

// The two label looks of the tools on the window grey: plain, and the navy
// of titles and notes.
inline constexpr Look kGreyLabel{.back = kWindowGrey};
inline constexpr Look kNavyLabel{.fore = kNavy, .back = kWindowGrey};

struct ControlDesign {
  const char* name;
  Kind kind;
  const char* text = "";
  int left = 0, top = 0, width = 0, height = 0;  // twips
  Font font = kDefaultFont;
  int tab = -1;  // place in the focus order; -1 for lines
  Look look = {};
};

struct FormDesign {
  const char* name;
  const char* caption;
  int width = 0, height = 0;  // client area, twips
  std::span<const ControlDesign> controls;
};

// Twips to logical pixels at 96 dots per inch, to the nearest pixel.
constexpr int pixels(int twips) { return (twips + 7) / 15; }

// The row of `form` named `name`; nullptr when the form has none. Usable at
// compile time, where it checks the names that code uses.
constexpr const ControlDesign* find(const FormDesign& form, std::string_view name) {
  for (const ControlDesign& c : form.controls) {
    if (std::string_view(c.name) == name) return &c;
  }
  return nullptr;
}

// Whether `form` has a control of that name and kind.
constexpr bool has(const FormDesign& form, std::string_view name, Kind kind) {
  const ControlDesign* c = find(form, name);
  return c && c->kind == kind;
}

}  // namespace design
