// Every window of the program against its own design table: each control
// where the table puts it, the focus order the table gives, and a name a
// screen reader can announce. Run at scale 1 and again at scale 2, where the
// layout must stay the same in logical pixels.
#include "framework/form_window.h"
#include "framework/window_registry.h"
#include "program.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

const QStringList kWindows = {"MainMenu", "Tourn8", "Tourn16", "Match",  "NameGen", "Finisher",
                              "FiniGimm", "Rando",  "calc",    "HexRGB", "Credits"};

// A window that is not part of the program, placed where twips do not divide
// by 15: each value must round to the nearest pixel.
class TwipsProbe : public FormWindow<TwipsProbe> {
 public:
  static const design::FormDesign kDesign;
};

constexpr design::ControlDesign kProbeControls[] = {
    {"Text1", design::Kind::TextBox, "", 8, 22, 1003, 293, {}, 0, {.accessible = "Probe box"}},
    {"Command1", design::Kind::Button, "Go", 1507, 7, 602, 397, {}, 1, {.accessible = "Probe"}},
};
constexpr design::FormDesign TwipsProbe::kDesign{"TwipsProbe", "Twips", 3008, 1492, kProbeControls};

// Twips to pixels worked out apart from the program's own conversion.
int nearestPixel(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

bool takesFocus(const design::ControlDesign& c) {
  return c.kind != design::Kind::Label && c.kind != design::Kind::Line;
}

}  // namespace

class WindowDesignsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    program::start();
    WindowRegistry::add(std::make_unique<TwipsProbe>());
  }
  void init() { program::reset(); }

  void eachWindow_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : kWindows) QTest::newRow(qPrintable(name)) << name;
    QTest::newRow("twips that do not divide by 15") << "TwipsProbe";
  }

  void controlsWhereTheTablePutsThem_data() { eachWindow_data(); }
  void controlsWhereTheTablePutsThem() {
    QFETCH(QString, name);
    Window* w = program::open(name);
    QVERIFY2(w && w->name() == name, qPrintable(name + " is not part of the program"));
    const design::FormDesign& d = w->design();
    QCOMPARE(w->widget()->size(), QSize(nearestPixel(d.width), nearestPixel(d.height)));
    QCOMPARE(w->widget()->windowTitle(), QString::fromUtf8(d.caption));
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                            : 1.0;
    QCOMPARE(w->widget()->windowHandle()->devicePixelRatio(), scale);
    for (const design::ControlDesign& c : d.controls) {
      QWidget* control = w->findControl(QString::fromUtf8(c.name));
      QVERIFY2(control, c.name);
      if (c.kind == design::Kind::Line) continue;
      const QRect expected(nearestPixel(c.left), nearestPixel(c.top), nearestPixel(c.width),
                           nearestPixel(c.height));
      QVERIFY2(control->geometry() == expected, c.name);
      QCOMPARE(control->isVisible(), !c.look.hidden);
    }
  }

  void focusFollowsTheTabIndex_data() { eachWindow_data(); }
  void focusFollowsTheTabIndex() {
    QFETCH(QString, name);
    Window* w = program::open(name);
    QVERIFY2(w && w->name() == name, qPrintable(name + " is not part of the program"));
    std::vector<const design::ControlDesign*> order;
    for (const design::ControlDesign& c : w->design().controls) {
      if (takesFocus(c) && !c.look.hidden) order.push_back(&c);
    }
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    QVERIFY(!order.empty());
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    for (const design::ControlDesign* c : order) {
      QWidget* expected = w->findControl(QString::fromUtf8(c->name));
      QVERIFY2(focused == expected || focused->focusProxy() == expected ||
                   expected->isAncestorOf(focused),
               qPrintable(QString("expected %1, focus on %2").arg(c->name, focused->objectName())));
      QTest::keyClick(focused, Qt::Key_Tab);
      focused = QApplication::focusWidget();
    }
  }

  void everyControlHasAMeaningfulAccessibleName_data() { eachWindow_data(); }
  void everyControlHasAMeaningfulAccessibleName() {
    QFETCH(QString, name);
    Window* w = program::open(name);
    QVERIFY2(w && w->name() == name, qPrintable(name + " is not part of the program"));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w->widget());
    QVERIFY(window);
    QSet<QString> names;
    int interactive = 0;
    for (int i = 0; i < window->childCount(); ++i) {
      QAccessibleInterface* child = window->child(i);
      const QAccessible::Role role = child->role();
      if (role != QAccessible::EditableText && role != QAccessible::ComboBox &&
          role != QAccessible::PushButton) {
        continue;
      }
      ++interactive;
      const QString objectName = child->object()->objectName();
      const QString spoken = child->text(QAccessible::Name);
      QVERIFY2(!spoken.trimmed().isEmpty(), qPrintable(objectName + " has no accessible name"));
      static const QRegularExpression codeName("^(Text|Command|Combo|Label|Line)[0-9]+$");
      QVERIFY2(!codeName.match(spoken).hasMatch(),
               qPrintable(objectName + " is announced by its code name"));
      QVERIFY2(!names.contains(spoken), qPrintable(objectName + " shares its name: " + spoken));
      names.insert(spoken);
    }
    QVERIFY(interactive > 0);
  }
};

QTEST_MAIN(WindowDesignsTest)
#include "tst_window_designs.moc"
