// Every window of the program against its own design table: each control
// where the table puts it, the focus order the table gives, and a name a
// screen reader can announce. Run at scale 1 and again at scale 2, where the
// layout must stay the same in logical pixels.
#include "program.h"
#include "shell/windows.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace {

const QStringList kWindows = {"MainMenu", "Tourn8", "Tourn16", "Match",  "NameGen", "Finisher",
                              "FiniGimm", "Rando",  "calc",    "HexRGB", "Credits"};

bool takesFocus(const layout::Control& c) {
  return c.kind != layout::Kind::Label && c.kind != layout::Kind::Line;
}

}  // namespace

class WindowDesignsTest : public QObject {
  Q_OBJECT

  Window* openOrSkip(const QString& name) {
    if (!windows::find(name)) return nullptr;
    return program::open(name);
  }

 private Q_SLOTS:
  void initTestCase() { program::start(); }
  void init() { program::reset(); }

  void eachWindow_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : kWindows) QTest::newRow(qPrintable(name)) << name;
  }

  void controlsWhereTheTablePutsThem_data() { eachWindow_data(); }
  void controlsWhereTheTablePutsThem() {
    QFETCH(QString, name);
    Window* w = openOrSkip(name);
    if (!w) QSKIP("not part of the program yet");
    const layout::Design& d = w->design();
    QCOMPARE(w->widget()->size(), QSize(layout::pixels(d.width), layout::pixels(d.height)));
    QCOMPARE(w->widget()->windowTitle(), QString::fromUtf8(d.caption));
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                            : 1.0;
    QCOMPARE(w->widget()->windowHandle()->devicePixelRatio(), scale);
    for (const layout::Control& c : d.controls) {
      QWidget* control = w->control(QString::fromUtf8(c.name));
      QVERIFY2(control, c.name);
      if (c.kind == layout::Kind::Line) continue;
      const QRect expected(layout::pixels(c.left), layout::pixels(c.top), layout::pixels(c.width),
                           layout::pixels(c.height));
      QVERIFY2(control->geometry() == expected, c.name);
      QCOMPARE(control->isVisible(), !c.look.hidden);
    }
  }

  void focusFollowsTheTabIndex_data() { eachWindow_data(); }
  void focusFollowsTheTabIndex() {
    QFETCH(QString, name);
    Window* w = openOrSkip(name);
    if (!w) QSKIP("not part of the program yet");
    std::vector<const layout::Control*> order;
    for (const layout::Control& c : w->design().controls) {
      if (takesFocus(c) && !c.look.hidden) order.push_back(&c);
    }
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    QVERIFY(!order.empty());
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    for (const layout::Control* c : order) {
      QWidget* expected = w->control(QString::fromUtf8(c->name));
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
    Window* w = openOrSkip(name);
    if (!w) QSKIP("not part of the program yet");
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
