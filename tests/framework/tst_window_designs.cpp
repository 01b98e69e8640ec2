// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program against its own design table: each control
// where the table puts it, the focus order the table gives, and a name a
// screen reader can announce that holds what the control shows; and some
// windows against their design written out apart from the table, so that a
// slip in a table shows too. Run at scale 1 and again at scale 2, where the
// layout must stay the same in logical pixels.
#include "framework/form_window.h"
#include "framework/window_registry.h"
#include "mnemonics.h"
#include "program.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextEdit>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// A window that is not part of the program, placed where twips do not divide
// by 15: each value must round to the nearest pixel.
class TwipsProbe : public FormWindow<TwipsProbe> {
 public:
  static const design::FormDesign kDesign;
};

constexpr design::ControlDesign kProbeControls[] = {
    {"Text1", design::Kind::TextBox, "", 8, 22, 1003, 293, {}, 0, {.accessible = "Probe box"}},
    {"Command1", design::Kind::Button, "Go", 1507, 7, 602, 397, {}, 1, {.accessible = "Go: probe"}},
};
constexpr design::FormDesign TwipsProbe::kDesign{"TwipsProbe", "Twips", 3008, 1492, kProbeControls};

// Every window as the program has always drawn it, written out by hand apart
// from its design table: its caption and size, how many boxes have a label
// beside them, the focus order from the control that has the focus at
// opening, Tab by Tab (the whole round, back to the first, where it is
// written whole), and some controls' places.
struct WrittenDesign {
  QString caption;
  QSize size;
  int labelledBoxes = 0;
  QString focus;  // "Text2-4 Command1": Text2, Text3, Text4, Command1
  QList<QPair<QString, QRect>> places;
};

// clang-format off
const QHash<QString, WrittenDesign>& writtenDesigns() {
  static const QHash<QString, WrittenDesign> written = {
      {"MainMenu", {"Torvak Utilities", {700, 396}, 0, "Command1-3 Random Command5-10 Command1",
                    {{"Label1", {128, 16, 457, 41}}, {"Command10", {616, 344, 73, 41}},
                     {"Combo1", {184, 328, 329, 21}}}}},
      {"Tourn8", {"Torvak Knockwell", {702, 384}, 2,
                  "Text1-8 Command1-8 Text9-12 Command9-12 Text13-15 Command13-14 Text16 "
                  "Command15-23 Text1", {}}},
      {"Tourn16", {"Torvak Knockwell", {702, 473}, 2,
                   "Reset Query Text1-16 Command1-16 Text17-24 Command17-24 Text25-28 "
                   "Command25-28 Text29-30 Command29-30 Text31-32 Reset", {}}},
      // The third entrant's box comes last, after the lower "Winner" and its
      // winner box.
      {"Match", {"Form1", {569, 312}, 2, "Text1-2 Command1 Text3-5 Command2 Text6-7 Command3 Text1",
                 {{"Text7", {384, 200, 169, 25}}, {"Command3", {248, 288, 73, 21}}}}},
      {"NameGen", {"Wrestler Name Generator", {465, 173}, 0, "Text1 Command1-2 Text1",
                   {{"Text1", {152, 88, 185, 25}}}}},
      {"Finisher", {"Random Finisher Generator", {562, 181}, 0,
                    "Command1 Text1 Command2 Combo1 Command1", {{"Combo1", {192, 104, 185, 21}}}}},
      {"FiniGimm", {"Gimmick => Finisher Generator", {699, 177}, 2,
                    "Text1-2 Command1 Combo1 Command2 Text1",
                    {{"Combo1", {240, 104, 241, 21}}, {"Text2", {384, 64, 249, 25}}}}},
      {"Rando", {"Random Number Generator", {564, 220}, 0, "Text1-2 Command1 Text3 Command2 Text1",
                 {{"Text3", {248, 160, 81, 19}}}}},
      // The title is first in the tab order but takes no focus.
      {"calc", {"Segment Ratings Calculator", {585, 288}, 9,
                "Text1-3 Command1-3 Text4-8 Text10 Command4-5 Text1",
                {{"Text10", {456, 256, 121, 25}}, {"Command4", {352, 224, 169, 17}}}}},
      {"HexRGB", {"RGB -> Hex Utility", {383, 219}, 3,
                  "Command1 preSets rEd grEen blUe hExD gEn2 gEn3 Command1",
                  {{"preView", {80, 120, 225, 25}}}}},
      {"Credits", {"TVU -- Credits", {540, 338}, 0, "Text1 Command1 Text1", {}}},
  };
  return written;
}
// clang-format on

// "Text2-4 Command1" written out: Text2, Text3, Text4, Command1.
QStringList expanded(const QString& names) {
  static const QRegularExpression range("^(\\D+)(\\d+)-(\\d+)$");
  QStringList all;
  for (const QString& word : names.split(' ', Qt::SkipEmptyParts)) {
    const QRegularExpressionMatch m = range.match(word);
    if (!m.hasMatch()) all << word;
    for (int n = m.captured(2).toInt(); m.hasMatch() && n <= m.captured(3).toInt(); ++n) {
      all << m.captured(1) + QString::number(n);
    }
  }
  return all;
}

// Twips to pixels worked out apart from the program's own conversion.
int nearestPixel(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

bool takesFocus(const design::ControlDesign& c) {
  return c.kind != design::Kind::Label && c.kind != design::Kind::Line;
}

// A text as it is heard or said: capitals, runs of blanks and the line breaks
// a wrapping caption carries do not count. An "&" is an ordinary character:
// the program draws it as it stands, so a name must hold it too.
QString spokenForm(const QString& text) { return text.simplified().toCaseFolded(); }

// Whether `name` holds `caption` as whole words, in the spoken form: "Win:
// entrant 1" holds "Win", "Entrant 1 wins" does not, since a speech-input
// user who says "Win" is not saying "wins".
bool holds(const QString& name, const QString& caption) {
  const QString n = spokenForm(name);
  const QString c = spokenForm(caption);
  if (c.isEmpty()) return true;
  for (qsizetype at = n.indexOf(c); at >= 0; at = n.indexOf(c, at + 1)) {
    const qsizetype end = at + c.size();
    const bool wordStart =
        at == 0 || !n[at - 1].isLetterOrNumber() || !c.front().isLetterOrNumber();
    const bool wordEnd =
        end == n.size() || !n[end].isLetterOrNumber() || !c.back().isLetterOrNumber();
    if (wordStart && wordEnd) return true;
  }
  return false;
}

bool isBox(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
         qobject_cast<const QComboBox*>(w);
}

// How far, in logical pixels, a box may start past the end of its label and
// still read as the label's box.
constexpr int kBesideGap = 16;

// The box that a label sits beside as its visible label: level with it,
// starting right of the label's start and at most a few pixels past its end
// (a label's box may run under the box it names), the nearest such on the
// right. nullptr when there is none.
QWidget* boxBeside(const QLabel* label) {
  const QRect l = label->geometry();
  QWidget* nearest = nullptr;
  for (QWidget* w : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!isBox(w)) continue;
    const QRect b = w->geometry();
    const bool level = b.top() <= l.bottom() && l.top() <= b.bottom();
    const bool justRight = b.left() > l.left() && b.left() - (l.right() + 1) <= kBesideGap;
    if (level && justRight && (!nearest || b.left() < nearest->geometry().left())) nearest = w;
  }
  return nearest;
}

}  // namespace

class WindowDesignsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    program::start();
    program::registry().add(std::make_unique<TwipsProbe>());
  }
  void init() { program::reset(); }

  // The start-up registers exactly the windows the program names, and they
  // are the windows written out above.
  void everyNamedWindowIsRegistered() {
    QStringList registered, named = program::windowNames();
    for (const Window* w : program::registry().windows()) {
      if (w->name() != "TwipsProbe") registered << w->name();
    }
    QStringList written = writtenDesigns().keys();
    registered.sort();
    named.sort();
    written.sort();
    QCOMPARE(registered, named);
    QCOMPARE(registered, written);
  }

  // Every window of the program, and the probe.
  void eachWindow_data() {
    QTest::addColumn<QString>("name");
    for (const Window* w : program::registry().windows()) {
      const QString name = w->name();
      QTest::newRow(qPrintable(name == "TwipsProbe" ? "twips that do not divide by 15" : name))
          << name;
    }
  }

  void controlsWhereTheTablePutsThem_data() { eachWindow_data(); }
  void controlsWhereTheTablePutsThem() {
    QFETCH(QString, name);
    Window* w = program::open(name);
    QVERIFY(w);
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
    if (name == "TwipsProbe") return;
    const WrittenDesign& written = writtenDesigns()[name];
    QCOMPARE(w->widget()->windowTitle(), written.caption);
    QCOMPARE(w->widget()->size(), written.size);
    for (const auto& [control, place] : written.places) {
      QVERIFY2(w->findControl(control), qPrintable(control));
      QCOMPARE(w->findControl(control)->geometry(), place);
    }
  }

  void focusFollowsTheTabIndex_data() { eachWindow_data(); }
  void focusFollowsTheTabIndex() {
    QFETCH(QString, name);
    Window* w = program::open(name);
    QVERIFY(w);
    std::vector<const design::ControlDesign*> order;
    for (const design::ControlDesign& c : w->design().controls) {
      if (takesFocus(c) && !c.look.hidden) order.push_back(&c);
    }
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    QVERIFY(!order.empty());
    QStringList names;
    for (const design::ControlDesign* c : order) names << QString::fromUtf8(c->name);
    names << names.first();  // Tab from the last goes round to the first
    QWidget* focused = QApplication::focusWidget();
    for (const QString& next : names) {
      QVERIFY(focused);
      QWidget* expected = w->findControl(next);
      QVERIFY2(focused == expected || focused->focusProxy() == expected ||
                   expected->isAncestorOf(focused),
               qPrintable(QString("expected %1, focus on %2").arg(next, focused->objectName())));
      QTest::keyClick(focused, Qt::Key_Tab);
      focused = QApplication::focusWidget();
    }
    const QStringList written = expanded(writtenDesigns().value(name).focus);
    QVERIFY(written.size() <= names.size());
    QCOMPARE(names.first(written.size()), written);
  }

  void everyControlHasAMeaningfulAccessibleName_data() { eachWindow_data(); }
  void everyControlHasAMeaningfulAccessibleName() {
    QFETCH(QString, name);
    Window* w = program::open(name);
    QVERIFY(w);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w->widget());
    QVERIFY(window);
    QSet<QString> names;
    int interactive = 0;
    int captioned = 0;
    for (int i = 0; i < window->childCount(); ++i) {
      QAccessibleInterface* child = window->child(i);
      const QAccessible::Role role = child->role();
      const QString objectName = child->object()->objectName();
      const QString spoken = child->text(QAccessible::Name);
      // Label in name: a speech-input user says what a control shows, so a
      // button's or label's caption must be part of its name. The text in a
      // text box or a combo box is its value, which the user types over, not
      // a caption.
      if (role == QAccessible::PushButton || role == QAccessible::StaticText) {
        const QString caption = Window::textOf(qobject_cast<QWidget*>(child->object()));
        if (!spokenForm(caption).isEmpty()) ++captioned;
        QVERIFY2(
            holds(spoken, caption),
            qPrintable(
                QString("%1 shows \"%2\" but is called \"%3\"").arg(objectName, caption, spoken)));
      }
      if (role != QAccessible::EditableText && role != QAccessible::ComboBox &&
          role != QAccessible::PushButton) {
        continue;
      }
      ++interactive;
      QVERIFY2(!spoken.trimmed().isEmpty(), qPrintable(objectName + " has no accessible name"));
      static const QRegularExpression codeName("^(Text|Command|Combo|Label|Line)[0-9]+$");
      QVERIFY2(!codeName.match(spoken).hasMatch(),
               qPrintable(objectName + " is announced by its code name"));
      // Two names that sound the same are one name to a listener.
      QVERIFY2(!names.contains(spokenForm(spoken)),
               qPrintable(objectName + " shares its name: " + spoken));
      names.insert(spokenForm(spoken));
    }
    QVERIFY(interactive > 0);
    QVERIFY(captioned > 0);
  }

  // Alt and a letter reach one control each: no two labels, buttons or menu
  // titles of a window carry one mnemonic.
  void noTwoControlsShareAMnemonic_data() { eachWindow_data(); }
  void noTwoControlsShareAMnemonic() {
    QFETCH(QString, name);
    Window* w = program::open(name);
    QVERIFY(w);
    const QStringList repeats = mnemonics::repeated(mnemonics::ofWindow(*w->widget()));
    QVERIFY2(repeats.isEmpty(), qPrintable(repeats.join("; ")));
  }

  // A label ending in a colon that sits just left of a box is that box's
  // visible label ("Winner:" beside the winner box): the box's name holds the
  // label's words, so "click Winner" finds the box. The written designs give
  // how many such boxes each window has, so a label moved away shows too.
  void aLabelledBoxIsCalledByItsLabel_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("labelled");
    for (const Window* w : program::registry().windows()) {
      if (w->name() == "TwipsProbe") continue;
      QTest::newRow(qPrintable(w->name()))
          << w->name() << writtenDesigns()[w->name()].labelledBoxes;
    }
  }
  void aLabelledBoxIsCalledByItsLabel() {
    QFETCH(QString, name);
    QFETCH(int, labelled);
    Window* w = program::open(name);
    QVERIFY(w);
    int found = 0;
    for (const QLabel* label : w->widget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      QString words = spokenForm(label->text());
      if (!words.endsWith(u':')) continue;
      words.chop(1);
      QWidget* box = boxBeside(label);
      if (!box) continue;
      ++found;
      QAccessibleInterface* boxInterface = QAccessible::queryAccessibleInterface(box);
      QVERIFY(boxInterface);
      const QString spoken = boxInterface->text(QAccessible::Name);
      QVERIFY2(holds(spoken, words),
               qPrintable(QString("%1 sits beside \"%2\" but is called \"%3\"")
                              .arg(box->objectName(), label->text(), spoken)));
    }
    QCOMPARE(found, labelled);
  }
};

QTEST_MAIN(WindowDesignsTest)
#include "tst_window_designs.moc"
