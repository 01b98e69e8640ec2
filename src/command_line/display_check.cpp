// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line/display_check.h"

#include <QByteArray>
#include <QtGlobal>

namespace display_check {

bool displayNamed(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  // A platform the user chose (offscreen, vnc, wayland on its default
  // socket) is left to Qt to open or to refuse.
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    if (argument == "-platform" || argument == "--platform") return true;
  }
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  Q_UNUSED(argc);
  Q_UNUSED(argv);
  return true;
#endif
}

}  // namespace display_check
