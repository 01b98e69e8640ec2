// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "data/gimmick_table_store.h"
#include "data/table_location.h"
#include "framework/window_name.h"
#include "framework/window_registry.h"
#include "program/startup.h"
#include "rules/shared_random.h"
#include "windows/tournament/tournament_shelf.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

namespace program {
namespace {

std::unique_ptr<ScopedRandomSource>& randomSource() {
  static std::unique_ptr<ScopedRandomSource> source;
  return source;
}

bool dialogsExpected = false;

// Polled rather than hooked: a dialog's own event loop still runs timers.
void closeUnexpectedDialog() {
  QWidget* dialog = QApplication::activeModalWidget();
  if (!dialog || dialogsExpected) return;
  const auto* box = qobject_cast<const QMessageBox*>(dialog);
  const QString text = box ? box->text() : dialog->windowTitle();
  dialog->close();
  QTest::qFail(qPrintable(QStringLiteral("a modal dialog no test expected: \"%1\"").arg(text)),
               __FILE__, __LINE__);
}

}  // namespace

QString programFolder() {
  static const QTemporaryDir folder;
  return folder.path();
}

GimmickTableStore& gimmicks() {
  // Read as the program reads its own, from programFolder() for the folder
  // beside the program.
  static GimmickTableStore store(
      [] { return loadGimmickTable(table_location::userTablePath(), programFolder()); });
  return store;
}

QString keptFolder() {
  static const QTemporaryDir folder;
  return folder.path();
}

TournamentShelf& tournaments() {
  // The last tournaments kept where no other suite running at the same time
  // keeps its own.
  static TournamentShelf shelf(keptFolder());
  return shelf;
}

WindowRegistry& registry() {
  static WindowRegistry windows;
  return windows;
}

QStringList windowNames() {
  QStringList names;
  for (std::string_view name : kWindowNames) {
    names << QString::fromUtf8(name.data(), qsizetype(name.size()));
  }
  return names;
}

void start() {
  // On every platform: the table a user keeps must never change a result.
  QStandardPaths::setTestModeEnabled(true);
  auto* guard = new QTimer(qApp);
  QObject::connect(guard, &QTimer::timeout, guard, &closeUnexpectedDialog);
  guard->start(50);
  // Exactly as the program starts; each test opens what it needs.
  startProgram(registry(), gimmicks(), tournaments());
  registry().unloadAll();
  settle();
}

QStringList filesItCouldWrite() {
  const QStringList beside = {QCoreApplication::applicationDirPath(), programFolder(),
                              keptFolder()};
  QStringList folders = beside, found;
#ifdef Q_OS_UNIX
  for (auto where : {QStandardPaths::GenericDataLocation, QStandardPaths::GenericConfigLocation,
                     QStandardPaths::GenericCacheLocation}) {
    folders << QStandardPaths::writableLocation(where);
  }
#endif
  for (const QString& folder : folders) {
    if (folder.isEmpty()) continue;
    QDirIterator it(
        folder, QDir::Files | QDir::Hidden | QDir::System,
        beside.contains(folder) ? QDirIterator::NoIteratorFlags : QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QFileInfo file(it.next());
      found << QStringLiteral("%1 %2 %3")
                   .arg(file.filePath())
                   .arg(file.size())
                   .arg(file.lastModified().toMSecsSinceEpoch());
    }
  }
  found.sort();
  return found;
}

void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void reset() {
  registry().unloadAll();
  settle();
  // Leaving a bracket keeps its tournament; no test finds an earlier one's.
  for (const char* bracket : {"Tourn8", "Tourn16"}) {
    QFile::remove(tournaments().keptPath(QString::fromLatin1(bracket)));
  }
  shared_random::restart();
  dialogsExpected = false;
  randomSource().reset();  // the old queue goes before the new one is set
  randomSource() = std::make_unique<ScopedRandomSource>();
}

void expectDialogs() { dialogsExpected = true; }

ScopedRandomSource& random() {
  if (!randomSource()) randomSource() = std::make_unique<ScopedRandomSource>();
  return *randomSource();
}

Window* onScreen() {
  settle();
  Window* w = registry().current();
  if (w && !QTest::qWaitForWindowExposed(w->widget())) return nullptr;
  return w;
}

Window* open(const QString& windowName) {
  if (!registry().find(windowName)) {
    failed(windowName + " is not part of the program");
    return nullptr;
  }
  registry().show(windowName);
  return onScreen();
}

QString onScreenName() {
  Window* w = onScreen();
  return w ? w->name() : QString();
}

QString openFromMenu(const QString& menuButton, const QString& selection) {
  const QString menu = QStringLiteral("MainMenu");
  if (!open(menu)) return {};
  if (!selection.isEmpty() && (!click(menu, QStringLiteral("Command1")) ||
                               !type(menu, QStringLiteral("Combo1"), selection))) {
    return {};
  }
  if (!click(menu, menuButton)) return {};
  return onScreenName();
}

bool reopen(const QString& windowName, const QString& back, const QString& menuButton,
            const QString& selection) {
  if (!click(windowName, back)) return false;
  if (onScreenName() != QStringLiteral("MainMenu")) {
    return failed(windowName + "." + back + " did not go back to the menu");
  }
  if (openFromMenu(menuButton, selection) != windowName) {
    return failed("the menu did not open " + windowName + " again");
  }
  return true;
}

QWidget* control(const QString& windowName, const QString& controlName) {
  Window* w = registry().find(windowName);
  return w ? w->findControl(controlName) : nullptr;
}

bool failed(const QString& message) {
  QTest::qFail(qPrintable(message), __FILE__, __LINE__);
  return false;
}

bool click(const QString& windowName, const QString& controlName) {
  auto* button = control<QAbstractButton>(windowName, controlName);
  if (!button) return failed(windowName + "." + controlName + " is not a button on screen");
  if (!button->isVisible()) return failed(windowName + "." + controlName + " is hidden");
  QTest::mouseClick(button, Qt::LeftButton);
  return true;
}

bool type(const QString& windowName, const QString& controlName, const QString& text) {
  QWidget* w = control(windowName, controlName);
  if (!w) return failed(windowName + "." + controlName + " is not on screen");
  if (auto* combo = qobject_cast<QComboBox*>(w)) w = combo->lineEdit();
  if (!w) return failed(windowName + "." + controlName + " takes no typing");
  w->setFocus();
  QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(w, Qt::Key_Delete);
  QTest::keyClicks(w, text);
  return true;
}

bool act(const QString& windowName, const QString& steps) {
  for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
    const qsizetype equals = step.indexOf(u'=');
    bool number = false;
    step.toInt(&number);
    const bool done = equals >= 0
                          ? type(windowName, step.left(equals), step.mid(equals + 1))
                          : click(windowName, number ? QStringLiteral("Command") + step : step);
    if (!done) return false;
  }
  return true;
}

bool choose(const QString& windowName, const QString& comboName, const QString& entry) {
  auto* combo = control<QComboBox>(windowName, comboName);
  if (!combo) return failed(windowName + "." + comboName + " is not a combo on screen");
  const int index = combo->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) return failed(entry + " is not in the list of " + comboName);
  combo->setCurrentIndex(index);
  if (combo->currentText() != entry) return failed(comboName + " does not show " + entry);
  return true;
}

QString textOf(const QString& windowName, const QString& controlName) {
  return Window::textOf(control(windowName, controlName));
}

}  // namespace program
