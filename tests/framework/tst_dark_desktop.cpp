// SPDX-License-Identifier: GPL-3.0-or-later
// Every window on a dark desktop keeps the colours it has on a light one:
// each text of each control, of its list, of an input hint and of a message
// box, against what lies behind it.
#include "framework/input_hint.h"
#include "program.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace {

// One text as drawn: its colour and the colour behind it.
struct Text {
  QString where;
  QColor fore, back;
};

// The contrast ratio of the Web Content Accessibility Guidelines.
double contrast(const Text& text) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](int channel) {
      const double v = channel / 255.0;
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
  };
  const double a = luminance(text.fore), b = luminance(text.back);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// A desktop's dark palette, as Adwaita-dark and Breeze Dark give.
QPalette darkDesktop() {
  QPalette p;
  const QList<QPair<QPalette::ColorRole, QColor>> colours = {
      {QPalette::Window, QColor(53, 53, 53)},
      {QPalette::WindowText, Qt::white},
      {QPalette::Base, QColor(35, 35, 35)},
      {QPalette::AlternateBase, QColor(66, 66, 66)},
      {QPalette::Text, Qt::white},
      {QPalette::Button, QColor(53, 53, 53)},
      {QPalette::ButtonText, Qt::white},
      {QPalette::Highlight, QColor(42, 130, 218)},
      {QPalette::HighlightedText, Qt::white},
      {QPalette::Light, QColor(80, 80, 80)},
      {QPalette::Midlight, QColor(66, 66, 66)},
      {QPalette::Mid, QColor(42, 42, 42)},
      {QPalette::Dark, QColor(35, 35, 35)},
      {QPalette::Shadow, QColor(20, 20, 20)},
      {QPalette::ToolTipBase, QColor(35, 35, 35)},
      {QPalette::ToolTipText, Qt::white},
      {QPalette::PlaceholderText, QColor(140, 140, 140)},
  };
  for (const auto& [role, colour] : colours) p.setColor(role, colour);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    p.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
  }
  return p;
}

// The colour behind a widget: its own background, or that of the nearest
// one under it that paints its own.
QColor behind(const QWidget* w) {
  for (const QWidget* under = w; under; under = under->parentWidget()) {
    if (under->autoFillBackground() || under->isWindow()) {
      return under->palette().color(under->backgroundRole());
    }
  }
  return {};
}

// A control by its name; a part of one (a combo's field or list, a message
// box's caption) by the names above it.
QString nameOf(const QWidget* w) {
  QStringList names;
  for (const QWidget* up = w; up && up->parentWidget(); up = up->parentWidget()) {
    names.prepend(up->objectName().isEmpty() ? up->metaObject()->className() : up->objectName());
  }
  return names.join('/');
}

// Every text of `window` with what lies behind it, control by control.
QList<Text> textsOf(const QWidget* window) {
  QList<Text> texts;
  const auto add = [&](const QWidget* w, const char* what, QPalette::ColorRole fore,
                       QPalette::ColorRole back) {
    const QPalette& p = w->palette();
    texts << Text{nameOf(w) + ' ' + what, p.color(fore),
                  back == QPalette::NoRole ? behind(w) : p.color(back)};
  };
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if (qobject_cast<const QLabel*>(w)) {
      add(w, "text", QPalette::WindowText, QPalette::NoRole);
    } else if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
               qobject_cast<const QAbstractItemView*>(w)) {
      add(w, "text", QPalette::Text, QPalette::Base);
      add(w, "selection", QPalette::HighlightedText, QPalette::Highlight);
    } else if (qobject_cast<const QAbstractButton*>(w)) {
      add(w, "caption", QPalette::ButtonText, QPalette::Button);
    } else if (auto* combo = qobject_cast<const QComboBox*>(w); combo && !combo->isEditable()) {
      add(w, "choice", QPalette::ButtonText, QPalette::Button);
    }
  }
  return texts;
}

}  // namespace

class DarkDesktopTest : public QObject {
  Q_OBJECT

  QPalette lightDesktop_;

  // What a window shows under a desktop's palette: each text with what lies
  // behind it, and the pictures of the window and of each of its lists.
  struct Look {
    QList<Text> texts;
    QList<QPair<QString, QImage>> pictures;
  };

  // `window` built and used under `desktop`, the application's palette set
  // before it is built (and the menus' own, as desktops give them): with its
  // lists, an input hint on its first box and a message box of its own.
  Look lookOn(const QPalette& desktop, const QString& window) {
    program::reset();
    QApplication::setPalette(desktop);
    QApplication::setPalette(desktop, "QMenu");
    Window* w = program::open(window);
    if (!w) return {};
    QWidget* frame = w->widget();
    for (QLineEdit* box : frame->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
      if (box->isVisible() && !box->isReadOnly()) {
        input_hint::show(box, QStringLiteral("a whole number"));
        break;
      }
    }
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Knockwell"),
                                QStringLiteral("A message"), QMessageBox::Ok, frame);
    box->ensurePolished();
    Look look;
    look.pictures << qMakePair(window, frame->grab().toImage());
    for (QComboBox* combo : frame->findChildren<QComboBox*>()) {
      if (!combo->isVisible()) continue;
      combo->showPopup();
      look.pictures << qMakePair(combo->objectName() + "'s list", combo->view()->grab().toImage());
      combo->hidePopup();
    }
    look.texts = textsOf(frame);
    return look;
  }

 private Q_SLOTS:
  void initTestCase() {
    program::start();
    lightDesktop_ = QApplication::palette();
    QApplication::setCursorFlashTime(0);  // a box's cursor shows in every picture
  }
  void cleanup() {
    QApplication::setPalette(lightDesktop_);
    QApplication::setPalette(lightDesktop_, "QMenu");
  }

  void coloursOfALightDesktop_data() {
    QTest::addColumn<QString>("window");
    for (const QString& window : program::windowNames())
      QTest::newRow(qPrintable(window)) << window;
  }

  void coloursOfALightDesktop() {
    QFETCH(QString, window);
    const Look light = lookOn(lightDesktop_, window);
    const Look dark = lookOn(darkDesktop(), window);
    QVERIFY2(!light.texts.isEmpty(), qPrintable(window + " shows no text"));
    QCOMPARE(dark.texts.size(), light.texts.size());
    for (qsizetype i = 0; i < dark.texts.size(); ++i) {
      const Text& onDark = dark.texts[i];
      const Text& onLight = light.texts[i];
      QCOMPARE(onDark.where, onLight.where);
      const QString seen = QString("%1: %2 on %3, on a light desktop %4 on %5")
                               .arg(onDark.where, onDark.fore.name(), onDark.back.name(),
                                    onLight.fore.name(), onLight.back.name());
      QVERIFY2(contrast(onDark) >= contrast(onLight),
               qPrintable(seen + QString(": contrast %1:1 against %2:1")
                                     .arg(contrast(onDark), 0, 'f', 2)
                                     .arg(contrast(onLight), 0, 'f', 2)));
      QVERIFY2(onDark.fore == onLight.fore && onDark.back == onLight.back, qPrintable(seen));
    }
    // And what is drawn: the styles and the lists' menu-like items take
    // colours of their own from the palettes, beyond the roles above.
    QCOMPARE(dark.pictures.size(), light.pictures.size());
    for (qsizetype i = 0; i < dark.pictures.size(); ++i) {
      QVERIFY2(dark.pictures[i].second == light.pictures[i].second,
               qPrintable(dark.pictures[i].first + " is drawn otherwise on a dark desktop"));
    }
  }
};

QTEST_MAIN(DarkDesktopTest)
#include "tst_dark_desktop.moc"
