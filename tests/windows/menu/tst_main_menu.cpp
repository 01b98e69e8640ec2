// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_table_store.h"
#include "framework/fonts.h"
#include "framework/form_window.h"
#include "framework/window_registry.h"
#include "program.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>

using program::click;
using program::control;
using program::onScreenName;
using program::textOf;

namespace {

// A window that is not part of the program, to watch the framework itself:
// it counts its loads in a variable of its own and goes back to the menu.
class Probe : public FormWindow<Probe> {
 public:
  static const design::FormDesign kDesign;
  int loads = 0;

 protected:
  void connectHandlers() override;
  void Form_Load() override { ++loads; }

 private:
  void Back_Click() { switchTo("MainMenu"); }
};

constexpr design::ControlDesign kProbeControls[] = {
    {"Text1", design::Kind::TextBox, "design", 0, 0, 1500, 300, {}, 0},
    {"Back", design::Kind::Button, "Back", 0, 300, 1500, 300, {}, 1},
};
constexpr design::FormDesign Probe::kDesign{"Probe", "Probe", 3000, 1500, kProbeControls};

void Probe::connectHandlers() { onClick("Back", &Probe::Back_Click); }

Probe* probe = nullptr;

// Runs the event loop until the program ends it; false if it never does.
bool endsProgram(const std::function<void()>& action) {
  bool timedOut = false;
  QTimer::singleShot(0, action);
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, qApp, [&] {
    timedOut = true;
    QCoreApplication::exit(1);
  });
  watchdog.start(5000);
  const int status = QCoreApplication::exec();
  return !timedOut && status == 0;
}

}  // namespace

class MainMenuTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    program::start();
    auto owned = std::make_unique<Probe>();
    probe = owned.get();
    program::registry().add(std::move(owned));
  }

  void init() {
    program::reset();
    QVERIFY(program::open("MainMenu"));
  }

  void designState() {
    QWidget* menu = program::registry().find("MainMenu")->widget();
    QVERIFY(control("MainMenu", "Combo1")->isHidden());
    QVERIFY(control("MainMenu", "Command4")->isHidden());
    QCOMPARE(textOf("MainMenu", "Combo1"), QString("Select Your Match Type"));
    QCOMPARE(control<QComboBox>("MainMenu", "Combo1")->count(), 0);
    QCOMPARE(textOf("MainMenu", "Command7"), QString("Finisher Generator for Gimmicks"));
    QCOMPARE(menu->palette().color(QPalette::Window), QColor(128, 128, 128));
    QCOMPARE(control<QLabel>("MainMenu", "Label1")->palette().color(QPalette::WindowText),
             QColor(0, 0, 128));
    QVERIFY(!(menu->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(menu->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(menu->windowFlags() & Qt::WindowCloseButtonHint);
  }

  void titleFaceIsTheNamedOneOrItsFallback() {
    const QString family = QFontInfo(control("MainMenu", "Label1")->font()).family();
    QVERIFY2(family == "Showcard Gothic" || family == "Bebas Neue", qPrintable(family));
    const QString dialog = QFontInfo(control("MainMenu", "Command4")->font()).family();
    QVERIFY2(dialog == "Arial" || dialog == "Liberation Sans", qPrintable(dialog));
  }

  // Bebas Neue has Thin, Light, Book, Regular and Bold; the captions are
  // drawn in Regular and Bold, the faces the Windows package bundles, on
  // every platform. Where the named face itself is installed it is used as
  // it is, whatever its faces are called.
  void captionFacesAreTheBundledOnes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bold");
    QTest::newRow("Torvak Utilities") << "Label1" << true;
    QTest::newRow("Tournaments") << "Command1" << true;
    QTest::newRow("Colour Decoders") << "Command2" << true;
    QTest::newRow("Standard") << "Command3" << true;
    QTest::newRow("Randomiser") << "Random" << false;
    QTest::newRow("Ratings Calculator") << "Command5" << false;
    QTest::newRow("Wrestler Name Generator") << "Command6" << false;
    QTest::newRow("Finisher Generator for Gimmicks") << "Command7" << false;
    QTest::newRow("Random Finisher Generator") << "Command8" << false;
    QTest::newRow("Credits") << "Command9" << false;
    QTest::newRow("Quit") << "Command10" << false;
  }

  void captionFacesAreTheBundledOnes() {
    QFETCH(QString, name);
    QFETCH(bool, bold);
    const QFontInfo face(control("MainMenu", name)->font());
    if (face.family() == "Showcard Gothic") return;
    QCOMPARE(face.family(), QString("Bebas Neue"));
    QCOMPARE(face.styleName(), bold ? QString("Bold") : QString("Regular"));
  }

#ifdef TORVAK_BUNDLED_FONTS
  // A package that bundles the fallback faces registers them from its own
  // folder, whatever the machine has installed.
  void bundledFacesAreRegistered() {
    const QStringList families = fonts::registerBundledFaces(
        QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const char* family : {"Bebas Neue", "Cherry Bomb", "League Spartan"}) {
      QVERIFY2(families.contains(QLatin1String(family)), qPrintable(families.join(", ")));
    }
  }
#endif

  void tournamentsRevealsTheSelector() {
    QVERIFY(click("MainMenu", "Command1"));
    QVERIFY(click("MainMenu", "Command1"));
    auto* selector = control<QComboBox>("MainMenu", "Combo1");
    QVERIFY(selector->isVisible());
    QVERIFY(control("MainMenu", "Command4")->isVisible());
    QCOMPARE(selector->count(), 2);
    QCOMPARE(selector->itemText(0), QString("8 Man Tournament"));
    QCOMPARE(selector->itemText(1), QString("16 Man Tournament"));
    QCOMPARE(selector->currentText(), QString("Select Which Type of Tournament to use:"));
  }

  void commenceIgnoresOtherTexts_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("the prompt") << "Select Which Type of Tournament to use:";
    QTest::newRow("empty") << "";
    QTest::newRow("lower case") << "8 man tournament";
    QTest::newRow("trailing blank") << "16 Man Tournament ";
    QTest::newRow("leading blank") << " 8 Man Tournament";
  }

  void commenceIgnoresOtherTexts() {
    QFETCH(QString, typed);
    QVERIFY(click("MainMenu", "Command1"));
    if (typed != textOf("MainMenu", "Combo1")) QVERIFY(program::type("MainMenu", "Combo1", typed));
    QCOMPARE(textOf("MainMenu", "Combo1"), typed);
    QVERIFY(click("MainMenu", "Command4"));
    QCOMPARE(onScreenName(), QString("MainMenu"));
    QVERIFY(control("MainMenu", "Command4")->isVisible());
  }

  // Every menu route opens its window, and that window's Back returns to a
  // menu in its design state. A route is the menu's button, the window it
  // opens and that window's Back; the tournaments are chosen in the selector.
  void routes_data() {
    QTest::addColumn<QStringList>("route");
    QTest::addColumn<QString>("selection");
    QTest::newRow("Standard") << QStringList{"Command3", "Match", "Command3"} << "";
    QTest::newRow("Colour Decoders") << QStringList{"Command2", "HexRGB", "Command1"} << "";
    QTest::newRow("Randomiser") << QStringList{"Random", "Rando", "Command2"} << "";
    QTest::newRow("Ratings Calculator") << QStringList{"Command5", "calc", "Command5"} << "";
    QTest::newRow("Wrestler Name Generator")
        << QStringList{"Command6", "NameGen", "Command2"} << "";
    QTest::newRow("Finisher for Gimmicks") << QStringList{"Command7", "FiniGimm", "Command2"} << "";
    QTest::newRow("Random Finisher") << QStringList{"Command8", "Finisher", "Command2"} << "";
    QTest::newRow("Credits") << QStringList{"Command9", "Credits", "Command1"} << "";
    QTest::newRow("8 Man Tournament")
        << QStringList{"Command4", "Tourn8", "Command15"} << "8 Man Tournament";
    QTest::newRow("16 Man Tournament")
        << QStringList{"Command4", "Tourn16", "Query"} << "16 Man Tournament";
  }

  void routes() {
    QFETCH(QStringList, route);
    QFETCH(QString, selection);
    const QString button = route[0], target = route[1], back = route[2];
    QVERIFY(click("MainMenu", "Command1"));  // the selector is open: Back must close it
    if (!selection.isEmpty()) QVERIFY(program::choose("MainMenu", "Combo1", selection));
    QVERIFY2(program::registry().find(target), qPrintable(target + " is not part of the program"));
    QVERIFY(click("MainMenu", button));
    QCOMPARE(onScreenName(), target);
    QVERIFY(!program::registry().find("MainMenu")->isLoaded());
    QVERIFY(click(target, back));
    QCOMPARE(onScreenName(), QString("MainMenu"));
    QVERIFY(!program::registry().find(target)->isLoaded());
    QVERIFY(control("MainMenu", "Combo1")->isHidden());
    QVERIFY(control("MainMenu", "Command4")->isHidden());
    QCOMPARE(textOf("MainMenu", "Combo1"), QString("Select Your Match Type"));
  }

  void switchesKeepVariablesAndRebuildControls() {
    const int before = probe->loads;
    QPointer<QWidget> firstText;
    for (int i = 1; i <= 40; ++i) {
      program::registry().find("MainMenu")->unload();
      QVERIFY(program::open("Probe"));
      QCOMPARE(probe->loads, before + i);
      QCOMPARE(textOf("Probe", "Text1"), QString("design"));
      QVERIFY(program::type("Probe", "Text1", "typed"));
      if (i == 1) firstText = control("Probe", "Text1");
      QVERIFY(click("Probe", "Back"));
      QCOMPARE(onScreenName(), QString("MainMenu"));
      QVERIFY(!probe->isLoaded());
    }
    QVERIFY(firstText.isNull());  // the controls went with the window
  }

  void menuReloadDoesNotRereadTheTable() {
    QVERIFY(program::gimmicks().isLoaded());
    const GimmickTable before = program::gimmicks().table();
    program::gimmicks().table() = {Gimmick{"kept", {}}};
    QVERIFY(click("MainMenu", "Command9"));
    QVERIFY(click("Credits", "Command1"));
    QCOMPARE(onScreenName(), QString("MainMenu"));
    QCOMPARE(program::gimmicks().table(), (GimmickTable{Gimmick{"kept", {}}}));
    program::gimmicks().table() = before;
  }

  void quitEndsTheProgram() {
    QVERIFY(click("MainMenu", "Command1"));  // even with the selector open
    QVERIFY(endsProgram([] { QVERIFY(click("MainMenu", "Command10")); }));
    QVERIFY(!program::registry().current());
  }

  void titleBarCloseEndsTheProgram_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("menu") << "MainMenu";
    QTest::newRow("credits") << "Credits";
  }

  void titleBarCloseEndsTheProgram() {
    QFETCH(QString, window);
    if (window != "MainMenu") {
      QVERIFY(click("MainMenu", "Command9"));
      QCOMPARE(onScreenName(), window);
    }
    QVERIFY(endsProgram([window] { program::registry().find(window)->widget()->close(); }));
    QVERIFY(!program::registry().current());
  }
};

QTEST_MAIN(MainMenuTest)
#include "tst_main_menu.moc"
