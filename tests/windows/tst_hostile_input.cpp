// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile text in every editable box of every window, through every button
// of that window: the program neither crashes nor hangs, brackets copy names
// unchanged, and number boxes fail without writing a result.
#include "framework/window_registry.h"
#include "program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

// Buttons that leave the window; every other button is pressed.
const QStringList kLeaving = {"Back", "Quit"};

bool leaves(QAbstractButton* button) {
  return kLeaving.contains(button->text()) || button->window() == nullptr;
}

QList<QWidget*> editableBoxes(QWidget* window) {
  QList<QWidget*> boxes;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty()) continue;  // parts of a control, not controls
    if (auto* box = qobject_cast<QLineEdit*>(w); box && !box->isReadOnly()) boxes << w;
    if (auto* box = qobject_cast<QTextEdit*>(w); box && !box->isReadOnly()) boxes << w;
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->isEditable()) boxes << w;
  }
  return boxes;
}

// Enters the text as a user can: pasted, which is how 100,000 characters or a
// NUL arrive in a box.
void paste(QWidget* box, const QString& text) {
  QApplication::clipboard()->setText(text);
  QWidget* target = box;
  if (auto* combo = qobject_cast<QComboBox*>(box)) target = combo->lineEdit();
  target->setFocus();
  QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

// The one message box of the program is modal; answer it whenever it shows.
void answerModalDialogs() {
  if (QWidget* modal = QApplication::activeModalWidget()) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->accept();
  }
}

// Every hostile text in every window named, one row each.
void hostileTexts(const QStringList& windowNames) {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("text");
  const QList<QPair<const char*, QString>> texts = {
      {"100,000 characters", QString(100000, u'W')},
      {"100,000 digits", QString(100000, u'9')},
      {"right-to-left",
       QString::fromUtf8("\u0645\u0635\u0627\u0631\u0639 \u05e9\u05dc\u05d5\u05dd")},
      {"combining marks", QString::fromUtf8("Ze\u0301\u0301\u0301\u0336\u0489lgo")},
      {"emoji", QString::fromUtf8("\U0001F93C\u200D\u2642\uFE0F \U0001F3C6")},
      {"control characters", QString::fromUtf8("\x01\x1b[31m\x7f\t\r\n")},
      {"embedded NUL", QString::fromUtf8("12\0"
                                         "34",
                                         5)},
      {"lone surrogate", QString(QChar(0xD83E))},
      {"fullwidth digits", QString::fromUtf8("\uFF11\uFF12")},
  };
  for (const QString& window : windowNames) {
    for (const auto& [tag, text] : texts) {
      QTest::newRow(qPrintable(window + ", " + tag)) << window << text;
    }
  }
}

}  // namespace

class HostileInputTest : public QObject {
  Q_OBJECT

  QTimer dialogs_;

 private Q_SLOTS:
  void initTestCase() {
    program::start();
    connect(&dialogs_, &QTimer::timeout, this, &answerModalDialogs);
    dialogs_.start(20);
  }
  void init() {
    program::reset();
    program::expectDialogs();  // answered above
  }

  void everyBoxEveryButton_data() { hostileTexts(program::windowNames()); }
  void everyBoxEveryButton() {
    QFETCH(QString, window);
    QFETCH(QString, text);
    Window* w = program::open(window);
    QVERIFY(w);
    if (window == "MainMenu") QVERIFY(program::click("MainMenu", "Command1"));  // show the selector

    const QList<QWidget*> boxes = editableBoxes(w->widget());
    for (QWidget* box : boxes) paste(box, text);

    for (auto* button : w->widget()->findChildren<QAbstractButton*>()) {
      if (leaves(button) || !button->isVisible()) continue;
      // A button that opens another window (the menu's) is left for the
      // route tests; only buttons that keep this window on screen remain.
      if (window == "MainMenu" && button->objectName() != "Command1" &&
          button->objectName() != "Command4") {
        continue;
      }
      QElapsedTimer clock;
      clock.start();
      QTest::mouseClick(button, Qt::LeftButton);
      QVERIFY2(clock.elapsed() < 3000, qPrintable(button->objectName() + " took too long"));
      if (!w->isLoaded()) break;  // COMMENCE with an exact name would leave; these never are
    }
    QCOMPARE(program::onScreen()->name(), window);
    // No pop-up or message box of the window stayed open after the presses.
    for (QWidget* child : w->widget()->findChildren<QWidget*>()) {
      QVERIFY2(!child->isWindow() || !child->isVisible(),
               qPrintable(QString("left open: ") + child->metaObject()->className()));
    }
  }

  // A name pasted as the user gave it goes through the bracket unchanged.
  void bracketsCopyNamesUnchanged_data() { hostileTexts({"Tourn8", "Tourn16"}); }
  void bracketsCopyNamesUnchanged() {
    QFETCH(QString, window);
    QFETCH(QString, text);
    QVERIFY(program::open(window));
    auto* entrant = program::control<QLineEdit>(window, "Text1");
    paste(entrant, text);
    const QString entered = entrant->text();
    QVERIFY(!entered.isEmpty());
    QVERIFY(program::click(window, "Command1"));
    const QString next = window == "Tourn8" ? "Text9" : "Text17";
    QCOMPARE(program::textOf(window, next), entered);
  }

  // Number boxes refuse what is not a number of their width and leave the
  // result as it was.
  void numberBoxesFailCleanly_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::newRow("Rando") << "Rando" << QStringList{"Text1", "Text2"} << "Command1"
                           << "Text3";
    QTest::newRow("calc overall") << "calc" << QStringList{"Text2", "Text3"} << "Command1"
                                  << "Text4";
    QTest::newRow("calc average") << "calc" << QStringList{"Text5", "Text6", "Text7", "Text8"}
                                  << "Command4"
                                  << "Text10";
    QTest::newRow("HexRGB") << "HexRGB" << QStringList{"rEd", "grEen", "blUe"} << "gEn2"
                            << "hExD";
  }

  void numberBoxesFailCleanly() {
    QFETCH(QString, window);
    QFETCH(QStringList, inputs);
    QFETCH(QString, button);
    QFETCH(QString, result);
    const QStringList hostile = {QString(100000, u'9'),
                                 QString::fromUtf8("12\0"
                                                   "34",
                                                   5),
                                 QString::fromUtf8("\uFF11\uFF12"), QString::fromUtf8("\U0001F3C6"),
                                 QString::fromUtf8("1e3")};
    QVERIFY(program::open(window));
    auto* out = program::control<QWidget>(window, result);
    for (const QString& text : hostile) {
      for (const QString& input : inputs) paste(program::control(window, input), text);
      const QString before = Window::textOf(out);
      QVERIFY(program::click(window, button));
      QCOMPARE(Window::textOf(out), before);
    }
  }
};

QTEST_MAIN(HostileInputTest)
#include "tst_hostile_input.moc"
