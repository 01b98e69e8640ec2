// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tools/colour_decoder.h"

#include "framework/input_hint.h"
#include "rules/colour.h"
#include "rules/numbers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

using namespace design;

constexpr const char* kPresetsItem[] = {"Presets:"};
constexpr Look kNavyRight{.fore = kNavy, .align = Align::Right};

// clang-format off
constexpr ControlDesign kControls[] = {
  // name        kind             text                       left   top  width height font                        tab
  {"Label1",   Kind::Label,     "Colour Decoder Utility",   120,    0, 4815, 495, {kShowcard, 18, Regular},    0, {.fore = kNavy, .back = kWindowGrey}},
  {"Label2",   Kind::Label,     "Hex Code:",                120,  760,  855, 240, kDefaultFont,                1, kNavyRight},
  {"Label3",   Kind::Label,     "RGB Code:",                120, 1360,  855, 255, kDefaultFont,                2, kNavyRight},
  {"Label4",   Kind::Label,     "Preview:",                 120, 1920,  855, 255, kDefaultFont,                3, kNavyRight},
  {"Label5",   Kind::Label,     "Presets:",                 120, 2590,  855, 255, kDefaultFont,                4, kNavyRight},
  {"Command1", Kind::Button,    "Back",                    2520, 3000,  615, 255, kDefaultFont,                5, {.accessible = "Back to the menu"}},
  {"preSets",  Kind::ComboList, "",                        1080, 2520, 3615, 315, kDefaultFont,                6, {.items = kPresetsItem, .accessible = "Colour presets"}},
  {"preView",  Kind::Label,     "",                        1200, 1800, 3375, 375, kDefaultFont,                7, {.back = kWindowGrey}},
  {"rEd",      Kind::TextBox,   "",                        1080, 1320,  975, 285, kDefaultFont,                8, {.accessible = "RGB code: red"}},
  {"grEen",    Kind::TextBox,   "",                        2400, 1320,  975, 285, kDefaultFont,                9, {.accessible = "RGB code: green"}},
  {"blUe",     Kind::TextBox,   "",                        3720, 1320,  975, 285, kDefaultFont,               10, {.accessible = "RGB code: blue"}},
  {"hExD",     Kind::TextBox,   "",                        1080,  720, 3615, 285, kDefaultFont,               11, {.accessible = "Hex code"}},
  {"gEn2",     Kind::Button,    "Generate",                4800, 1320,  855, 255, kDefaultFont,               12, {.accessible = "Generate the hex code"}},
  {"gEn3",     Kind::Button,    "Generate",                4800, 2520,  855, 255, kDefaultFont,               13, {.accessible = "Generate from the preset"}},
};
// clang-format on

}  // namespace

constexpr design::FormDesign ColourDecoder::kDesign{"HexRGB", "RGB -> Hex Utility", 5745, 3285,
                                                    kControls};

namespace {

// A colour the preset list offers by name.
struct Preset {
  const char* name;
  int red, green, blue;
};

// clang-format off
constexpr Preset kPresets[] = {
  {"White", 255, 255, 255},        {"Black", 0, 0, 0},              {"Light Grey", 200, 200, 200},
  {"Grey", 100, 100, 100},         {"Dark Grey", 50, 50, 50},       {"Dark Brown", 75, 50, 50},
  {"Brown", 100, 50, 0},           {"Orange", 200, 100, 0},         {"Navy Blue", 0, 0, 50},
  {"Dark Blue", 0, 0, 100},        {"Blue", 0, 0, 255},             {"Light Blue", 0, 200, 255},
  {"Turquoise", 0, 255, 200},      {"Dark Green", 0, 100, 0},       {"Green", 0, 200, 0},
  {"Light Green", 100, 255, 100},  {"Yellow", 255, 255, 0},         {"Blood Red", 100, 0, 0},
  {"Red", 255, 0, 0},              {"Pink", 255, 0, 255},           {"Dark Purple", 50, 0, 100},
  {"Purple", 110, 0, 150},         {"Lilac", 200, 200, 255},        {"Beige", 255, 230, 230},
  {"Red Tint Cream", 255, 200, 200}, {"Blue Tint Cream", 230, 230, 255},
  {"Green Tint Cream", 230, 255, 230}, {"Cream", 230, 230, 230},
  {"Mustard", 150, 150, 0},        {"Violet", 150, 0, 200},
};
// clang-format on

constexpr ColourDecoder::Route kRoutes[] = {{"Command1", "MainMenu"}};

// Upper-case base-16 digits without leading zeros or prefix: 12 gives "C",
// 0 gives "0", 300 gives "12C".
QString hexDigits(std::int16_t component) { return QString::number(component, 16).toUpper(); }

}  // namespace

void ColourDecoder::connectHandlers() {
  onClick("gEn2", &ColourDecoder::gEn2_Click);
  onClick("gEn3", &ColourDecoder::gEn3_Click);
  connectRoutes(kRoutes);
}

// The presets follow the design item "Presets:"; nothing is chosen.
void ColourDecoder::Form_Load() {
  auto* list = control<QComboBox>("preSets");
  for (const Preset& preset : kPresets) list->addItem(QString::fromUtf8(preset.name));
}

void ColourDecoder::gEn2_Click() {
  input_hint::clearAll(widget());
  numbersToCode();
}

// Only the exact text of a preset's name picks it; "Presets:" and nothing
// chosen change nothing.
void ColourDecoder::gEn3_Click() {
  input_hint::clearAll(widget());
  const QString chosen = text("preSets");
  for (const Preset& preset : kPresets) {
    if (chosen != QString::fromUtf8(preset.name)) continue;
    setText("rEd", numbers::toText(preset.red));
    setText("grEen", numbers::toText(preset.green));
    setText("blUe", numbers::toText(preset.blue));
    numbersToCode();
    return;
  }
}

std::optional<std::int16_t> ColourDecoder::component(Box box) {
  const auto value = numbers::fromText16(text(box));
  if (value && *value >= 0) return value;
  input_hint::show(control<QLineEdit>(box), QStringLiteral("a whole number from 0 to 32767"));
  return std::nullopt;
}

// The swatch counts a component above 255 as 255; the code shows the
// component's own digits.
void ColourDecoder::numbersToCode() {
  const auto red = component("rEd");
  if (!red) return;
  const auto green = component("grEen");
  if (!green) return;
  const auto blue = component("blUe");
  if (!blue) return;

  const std::int32_t value = colour::value(*red, *green, *blue);
  auto* swatch = control<QLabel>("preView");
  QPalette p = swatch->palette();
  p.setColor(QPalette::Window,
             QColor(colour::redOf(value), colour::greenOf(value), colour::blueOf(value)));
  swatch->setPalette(p);
  swatch->setAutoFillBackground(true);

  setText("hExD", hexDigits(*red) + hexDigits(*green) + hexDigits(*blue));
}

// "Hex Code: FF800" and "RGB Code: 255, 128, 0", in the window's order; with
// all three component boxes empty the caption stands alone.
QString ColourDecoder::resultText() const {
  const QStringList components = {text("rEd"), text("grEen"), text("blUe")};
  const bool none = std::all_of(components.begin(), components.end(),
                                [](const QString& c) { return c.isEmpty(); });
  return labelled("Label2", "hExD") + u'\n' +
         result_text::labelled(text("Label3"), none ? QString() : components.join(", "));
}
