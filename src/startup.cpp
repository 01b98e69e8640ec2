#include "startup.h"

#include "all_windows.h"
#include "shell/fonts.h"
#include "shell/windows.h"

#include <QApplication>
#include <QStyleFactory>

void startProgram() {
  QApplication::setApplicationName(QStringLiteral("Torvak Utilities"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // Between unloading one window and showing the next, no window is open;
  // the program ends only through Quit or a title-bar close.
  QApplication::setQuitOnLastWindowClosed(false);
  fonts::installFallbacks();

  registerAllWindows();
  windows::show(QStringLiteral("MainMenu"));
}
