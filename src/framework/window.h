#pragma once

#include "shell/layout.h"

#include <QAbstractButton>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

// One window of the program. The instance lives for the whole run and keeps
// the window's own variables; the on-screen window and its controls exist
// only while it is loaded.
class Window : public QObject {
  Q_OBJECT

 public:
  explicit Window(const layout::Design& design);
  ~Window() override;

  QString name() const;
  const layout::Design& design() const { return design_; }
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

  // A control of the loaded window by name; nullptr when there is none.
  template <typename T = QWidget>
  T* control(const QString& controlName) const {
    return widget_ ? widget_->findChild<T*>(controlName) : nullptr;
  }

 protected:
  // Wires each control's events to the handlers named after them.
  virtual void connectHandlers() {}
  virtual void Form_Load() {}

  // The window switch: unload this window, then load and show `target`.
  void switchTo(const QString& target);

  // The text a control shows: a box's text, a combo's text, a caption.
  QString text(const QString& controlName) const;
  void setText(const QString& controlName, const QString& value);

  template <typename Handler>
  void onClick(const QString& controlName, void (Handler::*handler)()) {
    connect(button(controlName), &QAbstractButton::clicked, static_cast<Handler*>(this), handler);
  }

 private:
  QAbstractButton* button(const QString& controlName) const;

  const layout::Design& design_;
  QPointer<QWidget> widget_;
};
