// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/generators/random_finisher_generator.h"

#include "rules/finisher_names.h"
#include "rules/shared_random.h"

namespace {

using namespace design;

// clang-format off
constexpr ControlDesign kControls[] = {
  // name        kind           text                         left   top  width height font                          tab
  {"Label1",   Kind::Label,   "Torvak Utilities",            720,    0, 6855, 615, {kShowcard, 26.25, Bold},     0, {.fore = kNavy}},
  {"Label2",   Kind::Label,   "Random Finisher Generator",  1680,  600, 5055, 375, {kShowcard, 15.75, Bold},     1, {.fore = kNavy}},
  {"Command1", Kind::Button,  "GENERATE",                   3000, 1920, 2535, 375, {kShowcard, 14.25, Regular},  2, {.accessible = "Generate a finisher name"}},
  {"Text1",    Kind::TextBox, "<Finisher Name>",            1680, 1080, 5055, 375, kDefaultFont,                 3, {.align = Align::Centre, .accessible = "Finisher name"}},
  {"Command2", Kind::Button,  "Back",                       3720, 2400, 1095, 255, kDefaultFont,                 4, {.accessible = "Back to the menu"}},
  {"Combo1",   Kind::Combo,   "Finisher Style",             2880, 1560, 2775, 315, kDefaultFont,                 5, {.items = finisher_names::kStyles, .accessible = "Finisher style"}},
};
// clang-format on

}  // namespace

constexpr design::FormDesign RandomFinisherGenerator::kDesign{
    "Finisher", "Random Finisher Generator", 8430, 2715, kControls};

namespace {

constexpr RandomFinisherGenerator::Route kRoutes[] = {{"Command2", "MainMenu"}};

}  // namespace

void RandomFinisherGenerator::connectHandlers() {
  onClick("Command1", &RandomFinisherGenerator::Command1_Click);
  connectRoutes(kRoutes);
}

// The style is the whole text of the style box, typed or picked.
void RandomFinisherGenerator::Command1_Click() {
  setText("Text1", finisher_names::compose(text("Combo1"), shared_random::wholeDraw));
}

QString RandomFinisherGenerator::resultText() const {
  return result_text::labelled("Finisher:", text("Text1"));
}
