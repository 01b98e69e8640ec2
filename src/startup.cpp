// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "all_windows.h"
#include "data/table_location.h"
#include "framework/fonts.h"
#include "framework/window_registry.h"

#include <QApplication>
#include <QStyleFactory>

void startProgram(WindowRegistry& windows, GimmickTableStore& gimmicks) {
  // The name also tells QStandardPaths where the user's own gimmick table is,
  // the same folder the table tool writes.
  table_location::nameApplication();
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // Between unloading one window and showing the next, no window is open;
  // the program ends only through Quit or a title-bar close.
  QApplication::setQuitOnLastWindowClosed(false);
  fonts::registerBundledFaces(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
  fonts::installFallbacks();

  registerAllWindows(windows, gimmicks);
  QObject::connect(&windows, &WindowRegistry::endRequested, &windows, [&windows] {
    windows.unloadAll();
    QCoreApplication::exit(0);
  });
  windows.show(WindowName("MainMenu"));
}
