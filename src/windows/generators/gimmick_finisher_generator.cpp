// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/generators/gimmick_finisher_generator.h"

#include "data/gimmick_table.h"
#include "rules/shared_random.h"

#include <QComboBox>
#include <QStringList>

namespace {

using namespace design;

constexpr const char* kPrompt[] = {"Select The Gimmick You Require:"};

// clang-format off
constexpr ControlDesign kControls[] = {
  // name        kind           text                                       left   top  width height font                      tab
  {"Label1",   Kind::Label,   "Torvak Finisher Generator for Gimmicks",   1800,  120, 6975, 375, {kShowcard, 15.75, Bold}, 0, {.fore = kNavy}},
  {"Label2",   Kind::Label,   "Click on the gimmick your wrestler uses to recieve a set of finishers applicable to that gimmick",
                                                                          1800,  600, 6855, 255, kDefaultFont,             1, {.fore = kNavy, .align = Align::Centre}},
  {"Label3",   Kind::Label,   "Finisher:",                                 960, 1080,  975, 255, kDefaultFont,             3},
  {"Text1",    Kind::TextBox, "",                                         1800,  960, 2895, 375, kDefaultFont,             2, {.accessible = "Finisher"}},
  {"Label4",   Kind::Label,   "Notes:",                                   5040, 1080,  975, 255, kDefaultFont,             5},
  {"Text2",    Kind::TextBox, "",                                         5760,  960, 3735, 375, kDefaultFont,             4, {.accessible = "Finisher notes"}},
  {"Combo1",   Kind::Combo,   "",                                         3600, 1560, 3615, 315, kDefaultFont,             7, {.items = kPrompt, .accessible = "Gimmick"}},
  {"Command1", Kind::Button,  "GENERATE",                                 3600, 2040, 3615, 495, kDefaultFont,             6, {.accessible = "Generate a finisher for the gimmick"}},
  {"Command2", Kind::Button,  "Back",                                     9720,  120,  615, 255, kDefaultFont,             8, {.accessible = "Back to the menu"}},
};
// clang-format on

}  // namespace

constexpr design::FormDesign GimmickFinisherGenerator::kDesign{
    "FiniGimm", "Gimmick => Finisher Generator", 10485, 2655, kControls};

namespace {

constexpr GimmickFinisherGenerator::Route kRoutes[] = {{"Command2", "MainMenu"}};

}  // namespace

GimmickFinisherGenerator::GimmickFinisherGenerator(const GimmickTable& gimmicks)
    : gimmicks_(gimmicks) {}

void GimmickFinisherGenerator::connectHandlers() {
  onClick("Command1", &GimmickFinisherGenerator::Command1_Click);
  connectRoutes(kRoutes);
}

// Every place of the table is listed, empty ones too, after the prompt of
// the design list.
void GimmickFinisherGenerator::Form_Load() {
  auto* list = control<QComboBox>("Combo1");
  for (int place = 0; place < GimmickTable::kPlaces; ++place) {
    list->addItem(gimmicks_.place(place).name);
  }
}

// The table's first place of the name in the box wins. With no match the
// last matched place stays chosen; before any match both boxes are emptied.
void GimmickFinisherGenerator::Command1_Click() {
  if (const std::optional<int> place = gimmicks_.firstPlaceNamed(text("Combo1"))) place_ = place;
  roll_ = shared_random::wholeDraw(Gimmick::kFinishers);
  const Finisher finisher = place_ ? gimmicks_.finisher(*place_, roll_) : Finisher{};
  setText("Text1", finisher.move);
  setText("Text2", finisher.note);
}

// The gimmick as the list shows it, then the finisher and its note under the
// window's own captions.
QString GimmickFinisherGenerator::resultText() const {
  return QStringList{
      result_text::labelled("Gimmick:", text("Combo1")),
      labelled("Label3", "Text1"),
      labelled("Label4", "Text2"),
  }
      .join(u'\n');
}
