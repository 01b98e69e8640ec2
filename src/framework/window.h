// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_design.h"
#include "framework/window_name.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

// One window of the program. The instance lives for the whole run and keeps
// the window's own variables; the on-screen window and its controls exist
// only while it is loaded. A window asks for a switch or for the program's
// end by its signals; whoever holds the windows (the registry) answers them.
class Window : public QObject {
  Q_OBJECT

 public:
  explicit Window(const design::FormDesign& design);
  ~Window() override;

  QString name() const;
  const design::FormDesign& design() const { return design_; }
  bool isLoaded() const { return widget_ != nullptr; }
  QWidget* widget() const { return widget_; }  // nullptr while not loaded

  // Builds the controls in their design state, then runs Form_Load.
  void load();
  // Hides the window and destroys it with its controls.
  void unload();
  // Loads the window if needed and shows it centred on the screen.
  void show();

  // The text a control shows: a box's text, a combo's text, a caption.
  static QString textOf(const QWidget* control);
  static void setTextOf(QWidget* control, const QString& value);

  // A control of the loaded window by a name known only at run time;
  // nullptr when there is none. The window's own code names its controls
  // through FormWindow, where the compiler checks them.
  template <typename T = QWidget>
  T* findControl(const QString& controlName) const {
    return widget_ ? widget_->findChild<T*>(controlName) : nullptr;
  }

 Q_SIGNALS:
  // This window gives way to the window named `target`.
  void switchRequested(const QString& target);
  // The user ended the program: Quit, or the close box of the title bar.
  void endRequested();

 protected:
  // Wires each control's events to the handlers named after them.
  virtual void connectHandlers() {}
  virtual void Form_Load() {}
  // Runs as the window is about to go, its controls still there: whatever
  // unloads it, a switch, the close box or the program's end.
  virtual void Form_Unload() {}

  // The window switch: whoever holds the windows unloads this one, then
  // loads and shows `target`.
  void switchTo(WindowName target);
  // Quit: asks for the end of the program.
  void endProgram();

 private:
  const design::FormDesign& design_;
  QPointer<QWidget> widget_;
};
