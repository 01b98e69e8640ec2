// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keeps a screen reader's unexpected calls from crashing the program inside
// Qt's Linux accessibility bridge (AT-SPI over D-Bus). Qt 6.4's bridge takes
// a call's arguments without counting them: a GetAll of
// org.freedesktop.DBus.Properties (sent by gdbus introspect and by screen
// readers built on zbus), which has one argument where the bridge reads two,
// or a method called with too few arguments, reads past the message and
// crashes the program. The guard stands in front of the bridge and answers
// such calls with a D-Bus error; every other call reaches the bridge
// unchanged. Installed once by each program with windows, after its
// application object exists; it does nothing where there is no such bridge
// (Windows) or until the bridge is switched on.
namespace accessibility_bridge_guard {

void install();

}  // namespace accessibility_bridge_guard
