// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/window.h"

#include "framework/builder.h"
#include "framework/share_actions.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTextEdit>

#include <functional>
#include <utility>

namespace {

// The on-screen window: fixed size, a title bar with a close box only, the
// window grey. Closing it from the title bar ends the program, since it is
// the only window there is: `onClose` asks for that. Its controls and its
// dialogs are drawn in the program's light palette on any desktop, since the
// design names only some of its colours and counts on the light ones for the
// rest.
class WindowFrame : public QWidget {
 public:
  explicit WindowFrame(std::function<void()> onClose) : onClose_(std::move(onClose)) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QPalette p = design::lightPalette();
    p.setColor(QPalette::Window, design::toColor(design::kWindowGrey));
    setPalette(p);
    setAutoFillBackground(true);
  }

 protected:
  // A dialog of the window, such as a message box, is a window of its own
  // and takes nothing from this one.
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ChildPolished) {
      auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
      if (child && child->isWindow()) child->setPalette(design::lightPalette());
    }
    return QWidget::event(event);
  }

  void closeEvent(QCloseEvent* event) override {
    QWidget::closeEvent(event);
    onClose_();
  }

 private:
  std::function<void()> onClose_;
};

}  // namespace

Window::Window(const design::FormDesign& design) : design_(design) {}

Window::~Window() {
  // Widgets cannot outlive the application object; at exit they are gone.
  if (QCoreApplication::instance()) delete widget_;
}

QString Window::name() const { return QString::fromUtf8(design_.name); }

void Window::load() {
  if (widget_) return;
  widget_ = new WindowFrame([this] { endProgram(); });
  design::build(design_, widget_);
  // A window with a result to share offers it before its own entries.
  if (const auto* shares = dynamic_cast<const SharesResult*>(this)) {
    share_actions::offer(widget_, *shares);
  }
  connectHandlers();
  Form_Load();
}

void Window::unload() {
  if (!widget_) return;
  Form_Unload();
  QWidget* gone = widget_;
  widget_ = nullptr;
  gone->hide();
  // The click that unloads a window is still being delivered to one of its
  // buttons, so the window goes when that handler has returned.
  gone->deleteLater();
}

void Window::show() {
  load();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = widget_->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    widget_->move(frame.topLeft());
  }
  widget_->show();
  if (QWidget* first = design::firstInTabOrder(design_, widget_)) first->setFocus();
  widget_->activateWindow();
}

void Window::switchTo(WindowName target) { Q_EMIT switchRequested(QString::fromUtf8(target.name)); }

void Window::endProgram() { Q_EMIT endRequested(); }

QString Window::textOf(const QWidget* w) {
  if (auto* box = qobject_cast<const QLineEdit*>(w)) return box->text();
  if (auto* box = qobject_cast<const QTextEdit*>(w)) return box->toPlainText();
  if (auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
  if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
  return {};
}

void Window::setTextOf(QWidget* w, const QString& value) {
  if (auto* box = qobject_cast<QLineEdit*>(w)) {
    box->setText(value);
    box->setCursorPosition(0);  // a long name shows its beginning
  } else if (auto* box = qobject_cast<QTextEdit*>(w)) {
    box->setPlainText(value);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    combo->setEditText(value);
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(value);
  }
}
