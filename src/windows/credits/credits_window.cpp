// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/credits/credits_window.h"

#include <QStringList>

namespace {

using namespace design;

// clang-format off
constexpr ControlDesign kControls[] = {
  // name        kind                     text                           left   top  width height font                      tab
  {"Label1",   Kind::Label,            "Torvak Utilities -- Credits",     0,    0, 8055, 855, {kShowcard, 21.75, Regular}, 0, {.fore = kNavy, .align = Align::Centre}},
  {"Text1",    Kind::MultiLineTextBox, "",                             1080, 1440, 5895, 3015, {kArial, 11.25, Bold},      1, {.back = kPaleGrey, .align = Align::Centre, .accessible = "Thanks"}},
  {"Label2",   Kind::Label,            "",                              960,  600, 6135, 735, {kArial, 14.25, Bold},      2, {.align = Align::Centre}},
  {"Command1", Kind::Button,           "Back",                         3600, 4680,  855, 255, kDefaultFont,               3, {.accessible = "Back to the menu"}},
};
// clang-format on

}  // namespace

constexpr design::FormDesign CreditsWindow::kDesign{"Credits", "TVU -- Credits", 8100, 5070,
                                                    kControls};

namespace {

constexpr CreditsWindow::Route kRoutes[] = {{"Command1", "MainMenu"}};

const QString kLineBreak = QStringLiteral("\r\n");

}  // namespace

QString CreditsWindow::creditLines() {
  return QStringList{
      "Programmed by Dale Whitcombe",
      "A Gritstone Games production",
  }
      .join(kLineBreak);
}

QString CreditsWindow::thanksLines() {
  return QStringList{
      "Thank you for downloading and using Torvak Utilities!",
      "Thanks to Marcus Fenwright, maker of the Ringside Booker games, who also got me "
      "started in programming.",
      "Thanks to the members of the Canvas Talk and Squared Circle Bookers forums for "
      "their support and their ideas for the gimmick finishers.",
      "Thanks to the staff of Gritstone Games: Hal Brody, Nina Castell, Owen Pike and "
      "Lucy Arden.",
      "Thanks to the testers: Jack Mercer, Priya Dane, Tom Quill, Sara Voss, Ben Harte "
      "and Ellie Marsh.",
      "Special thanks to Gordon Ashby.",
      "Thanks to Freeport Hosting for hosting this program, and others, free of charge.",
  }
      .join(kLineBreak);
}

void CreditsWindow::connectHandlers() { connectRoutes(kRoutes); }

void CreditsWindow::Form_Load() {
  setText("Label2", creditLines());
  setText("Text1", thanksLines());
}
