// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window to PNG files, as it opens and after a typical use:
//   torvak-screenshots DIRECTORY
// Part of the test build, not of the program (scripts/screenshots.sh).
#include "data/gimmick_table_store.h"
#include "framework/window.h"
#include "framework/window_registry.h"
#include "program.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTest>

#include <cstdio>
#include <functional>

namespace {

// Not a test: a control that is not there leaves its picture as it is.
void click(const QString& window, const QString& control) {
  static_cast<void>(program::click(window, control));
}
void type(const QString& window, const QString& control, const QString& text) {
  static_cast<void>(program::type(window, control, text));
}

void choose(const QString& window, const QString& combo, const QString& entry) {
  auto* box = program::control<QComboBox>(window, combo);
  box->setCurrentIndex(box->findText(entry));
}

// What a typical user does in a window before its second picture; a window
// not listed is pictured as it opens and again unchanged.
struct Use {
  const char* window;
  std::function<void()> use;
};

const Use kUses[] = {
    {"MainMenu", [] { click("MainMenu", "Command1"); }},
    {"Tourn8",
     [] {
       const char* names[] = {"Biker Bob", "The Lumberjack", "Cowboy Carl", "Masked Marvel",
                              "Sumo Sam",  "Rock Star Ray",  "Ninja Nick",  "Pirate Pete"};
       for (int i = 0; i < 8; ++i) type("Tourn8", QString("Text%1").arg(i + 1), names[i]);
       for (const char* b : {"Command1", "Command4", "Command6", "Command7", "Command22",
                             "Command21", "Command23"}) {
         click("Tourn8", b);
       }
     }},
    {"Tourn16",
     [] {
       for (int i = 1; i <= 16; ++i)
         type("Tourn16", QString("Text%1").arg(i), QString("Wrestler %1").arg(i));
       for (int b = 1; b <= 27; b += 2) click("Tourn16", QString("Command%1").arg(b));
       click("Tourn16", "Command29");
     }},
    {"Match",
     [] {
       type("Match", "Text1", "Biker Bob");
       type("Match", "Text2", "Cowboy Carl");
       click("Match", "Command1");
       type("Match", "Text4", "Ninja Nick");
       type("Match", "Text5", "Sumo Sam");
       type("Match", "Text7", "Pirate Pete");
       click("Match", "Command2");
     }},
    {"NameGen", [] { click("NameGen", "Command1"); }},
    {"Finisher",
     [] {
       choose("Finisher", "Combo1", "Moniker + Adjective + Move");
       click("Finisher", "Command1");
     }},
    {"FiniGimm",
     [] {
       choose("FiniGimm", "Combo1", "Lumberjack");
       click("FiniGimm", "Command1");
     }},
    {"Rando",
     [] {
       type("Rando", "Text1", "1");
       type("Rando", "Text2", "100");
       click("Rando", "Command1");
     }},
    {"calc",
     [] {
       type("calc", "Text2", "55");
       type("calc", "Text3", "60");
       click("calc", "Command1");
       type("calc", "Text5", "80");
       type("calc", "Text6", "75");
       type("calc", "Text7", "0");
       type("calc", "Text8", "");
       click("calc", "Command4");  // the empty fourth rating is refused
     }},
    {"HexRGB",
     [] {
       choose("HexRGB", "preSets", "Orange");
       click("HexRGB", "gEn3");
     }},
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QDir out(argc > 1 ? argv[1] : "screenshots");
  QDir().mkpath(out.path());
  // The shipped table, as the program beside it would read it.
  program::gimmicks().loadOnce();  // the run's load, then the shipped table instead
  program::gimmicks().table() = loadGimmickTable(QStringLiteral(TORVAK_DATA_DIR));
  program::start();
  for (const Window* registered : program::registry().windows()) {
    const QString name = registered->name();
    program::reset();
    Window* w = program::open(name);
    if (!w) continue;
    w->widget()->grab().save(out.filePath(name + ".png"));
    for (const Use& use : kUses) {
      if (name == QLatin1String(use.window)) use.use();
    }
    QApplication::processEvents();
    w->widget()->grab().save(out.filePath(name + "-in-use.png"));
    std::printf("%s\n", qPrintable(name));
  }
  program::reset();
  return 0;
}
