// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/menu/main_menu.h"

#include "data/gimmick_table_store.h"

#include <QComboBox>

namespace {

using namespace design;

constexpr Font kGrid{kShowcard, 15.75, Bold};

// clang-format off
constexpr ControlDesign kControls[] = {
  // name         kind           text                               left   top  width height font                         tab
  {"Label1",    Kind::Label,  "Torvak Utilities",                  1920,  240, 6855, 615, {kShowcard, 26.25, Bold},     0, {.fore = kNavy}},
  {"Command1",  Kind::Button, "Tournaments",                       3960, 1200, 2655, 855, kGrid,                        1},
  {"Command2",  Kind::Button, "Colour Decoders",                   7680, 1200, 2295, 855, kGrid,                        2},
  {"Command3",  Kind::Button, "Standard",                           480, 1200, 2295, 855, kGrid,                        3},
  {"Combo1",    Kind::Combo,  "Select Your Match Type",            2760, 4920, 4935, 315, kDefaultFont,                 4, {.hidden = true, .accessible = "Tournament type"}},
  {"Command4",  Kind::Button, "COMMENCE",                          4080, 5400, 2415, 375, kDefaultFont,                 5, {.hidden = true, .accessible = "Commence the tournament"}},
  {"Random",    Kind::Button, "Randomiser",                         480, 2400, 2295, 855, {kShowcard, 15.75, Regular},  6},
  {"Command5",  Kind::Button, "Ratings Calculator",                3960, 2400, 2655, 855, {kShowcard, 14.25, Regular},  7},
  {"Command6",  Kind::Button, "Wrestler Name Generator",           7680, 2400, 2295, 855, {kShowcard, 12, Regular},     8},
  {"Command7",  Kind::Button, "Finisher Generator for Gimmicks",    480, 3600, 2295, 855, {kShowcard, 11.25, Regular},  9},
  {"Command8",  Kind::Button, "Random Finisher Generator",         3960, 3600, 2655, 855, {kShowcard, 14.25, Regular}, 10},
  {"Command9",  Kind::Button, "Credits",                           7680, 3600, 2295, 855, {kShowcard, 14.25, Regular}, 11},
  {"Command10", Kind::Button, "Quit",                              9240, 5160, 1095, 615, {kShowcard, 15.75, Regular}, 12},
};
// clang-format on

}  // namespace

constexpr design::FormDesign MainMenu::kDesign{"MainMenu", "Torvak Utilities", 10500, 5940,
                                               kControls};

namespace {

// The buttons that do nothing but open a window.
constexpr MainMenu::Route kRoutes[] = {
    {"Command3", "Match"},    {"Command2", "HexRGB"},  {"Random", "Rando"},
    {"Command5", "calc"},     {"Command6", "NameGen"}, {"Command7", "FiniGimm"},
    {"Command8", "Finisher"}, {"Command9", "Credits"},
};

}  // namespace

MainMenu::MainMenu(GimmickTableStore& gimmicks) : gimmicks_(gimmicks) {}

void MainMenu::connectHandlers() {
  connectRoutes(kRoutes);
  onClick("Command1", &MainMenu::Command1_Click);
  onClick("Command4", &MainMenu::Command4_Click);
  onClick("Command10", &MainMenu::Command10_Click);
}

// Every return to the menu runs this; the table is read the first time only.
void MainMenu::Form_Load() { gimmicks_.loadOnce(); }

// Reveals the tournament selector. Setting entries 0 and 1 appends them to an
// empty list and overwrites them after that, so the list always holds two.
void MainMenu::Command1_Click() {
  auto* selector = control<QComboBox>("Combo1");
  const QString entries[] = {"8 Man Tournament", "16 Man Tournament"};
  for (int i = 0; i < 2; ++i) {
    if (i < selector->count()) {
      selector->setItemText(i, entries[i]);
    } else {
      selector->addItem(entries[i]);
    }
  }
  setText("Combo1", "Select Which Type of Tournament to use:");
  control("Combo1")->show();
  control("Command4")->show();
}

// Only the exact entry texts open a bracket: case and blanks count.
void MainMenu::Command4_Click() {
  const QString choice = text("Combo1");
  if (choice == "8 Man Tournament") {
    switchTo("Tourn8");
  } else if (choice == "16 Man Tournament") {
    switchTo("Tourn16");
  }
}

void MainMenu::Command10_Click() { endProgram(); }
