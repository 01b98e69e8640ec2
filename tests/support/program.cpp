#include "program.h"

#include "common/shared_random.h"
#include "scripted_random.h"
#include "shell/windows.h"
#include "startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

namespace program {

void start() {
  startProgram();  // exactly as the program starts; each test opens what it needs
  windows::unloadAll();
  settle();
}

void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void reset() {
  windows::unloadAll();
  settle();
  shared_random::restart();
  shared_random::clearScript();
}

Window* onScreen() {
  settle();
  Window* w = windows::current();
  if (w && !QTest::qWaitForWindowExposed(w->widget())) return nullptr;
  return w;
}

Window* open(const QString& windowName) {
  windows::show(windowName);
  return onScreen();
}

QString openFromMenu(const QString& menuButton) {
  if (!open(QStringLiteral("MainMenu"))) return {};
  click(QStringLiteral("MainMenu"), menuButton);
  Window* w = onScreen();
  return w ? w->name() : QString();
}

QWidget* control(const QString& windowName, const QString& controlName) {
  Window* w = windows::find(windowName);
  return w ? w->control(controlName) : nullptr;
}

void click(const QString& windowName, const QString& controlName) {
  auto* button = control<QAbstractButton>(windowName, controlName);
  QVERIFY2(button, qPrintable(windowName + "." + controlName + " is not a button on screen"));
  QVERIFY2(button->isVisible(), qPrintable(windowName + "." + controlName + " is hidden"));
  QTest::mouseClick(button, Qt::LeftButton);
}

void type(const QString& windowName, const QString& controlName, const QString& text) {
  QWidget* w = control(windowName, controlName);
  QVERIFY2(w, qPrintable(windowName + "." + controlName + " is not on screen"));
  if (auto* combo = qobject_cast<QComboBox*>(w)) w = combo->lineEdit();
  QVERIFY2(w, qPrintable(controlName + " takes no typing"));
  w->setFocus();
  QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(w, Qt::Key_Delete);
  QTest::keyClicks(w, text);
}

QString textOf(const QString& windowName, const QString& controlName) {
  return Window::textOf(control(windowName, controlName));
}

}  // namespace program
