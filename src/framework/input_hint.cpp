// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/input_hint.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QVariant>

#include <algorithm>

namespace input_hint {
namespace {

// The palette a box had before it was marked, kept on the box itself.
constexpr const char* kSavedPalette = "inputHintSavedPalette";
constexpr const char* kIsBalloon = "inputHintBalloon";
// The accessible description a box had before its balloon gave it one.
constexpr const char* kSavedDescription = "inputHintSavedDescription";
constexpr int kGap = 2;

QString balloonName(const QWidget* control) {
  return control->objectName() + QStringLiteral("Hint");
}

void mark(QLineEdit* box) {
  if (isMarked(box)) return;
  box->setProperty(kSavedPalette, QVariant::fromValue(box->palette()));
  QPalette p = box->palette();
  p.setColor(QPalette::Base, kMarked);
  box->setPalette(p);
}

// A screen reader hears the balloon with the box it belongs to, as the box's
// description, besides finding the balloon itself as a text in the window.
void describe(QWidget* control, const QString& hint) {
  if (!control->property(kSavedDescription).isValid()) {
    control->setProperty(kSavedDescription, control->accessibleDescription());
  }
  control->setAccessibleDescription(hint);
}

void undescribe(QWidget* control) {
  const QVariant saved = control->property(kSavedDescription);
  if (!saved.isValid()) return;
  control->setAccessibleDescription(saved.toString());
  control->setProperty(kSavedDescription, QVariant());
}

void unmark(QLineEdit* box) {
  if (!isMarked(box)) return;
  box->setPalette(box->property(kSavedPalette).value<QPalette>());
  box->setProperty(kSavedPalette, QVariant());
}

// How much of the window's input boxes, the refused one included, a balloon
// at `place` would hide; buttons and labels may be covered, since clicks go
// through it.
int hiddenInput(const QWidget* window, const QRect& place) {
  int area = 0;
  for (QWidget* other : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!other->isVisible()) continue;
    if (!qobject_cast<QLineEdit*>(other) && !qobject_cast<QComboBox*>(other)) continue;
    const QRect covered = place.intersected(other->geometry());
    if (!covered.isEmpty()) area += covered.width() * covered.height();
  }
  return area;
}

// A balloon like a tooltip's beside the box: below it, above, right or left,
// whichever hides least of the boxes, never outside the window. Clicks
// go through it to whatever it covers.
QLabel* makeBalloon(QWidget* box, const QString& hint) {
  QWidget* window = box->parentWidget();
  auto* balloon = new QLabel(hint, window);
  balloon->setObjectName(balloonName(box));
  balloon->setProperty(kIsBalloon, true);
  balloon->setWordWrap(true);
  balloon->setFrameShape(QFrame::Box);
  balloon->setMargin(2);
  balloon->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette p = balloon->palette();
  p.setColor(QPalette::Window, QColor(255, 255, 225));
  p.setColor(QPalette::WindowText, Qt::black);
  balloon->setPalette(p);
  balloon->setAutoFillBackground(true);

  // One line where it fits, else wrapped to about the box's width.
  const int chrome = 2 * (balloon->margin() + balloon->frameWidth()) + 4;
  const int widest = std::max(40, window->width() - 2 * kGap);
  const int oneLine = std::min(balloon->fontMetrics().horizontalAdvance(hint) + chrome, widest);
  const int wrapped = std::min(oneLine, std::max(box->width(), 120));

  const QRect at = box->geometry();
  QRect best;
  int leastHidden = 0;
  for (const int width : {oneLine, wrapped}) {
    const QSize size(width, balloon->heightForWidth(width));
    const QPoint candidates[] = {
        {at.left(), at.bottom() + 1 + kGap},
        {at.left(), at.top() - kGap - size.height()},
        {at.right() + 1 + kGap, at.top()},
        {at.left() - kGap - size.width(), at.top()},
    };
    for (const QPoint& corner : candidates) {
      const QRect place(
          std::clamp(corner.x(), kGap, std::max(kGap, window->width() - kGap - size.width())),
          std::clamp(corner.y(), 0, std::max(0, window->height() - size.height())), size.width(),
          size.height());
      const int hidden = hiddenInput(window, place);
      if (best.isNull() || hidden < leastHidden) {
        best = place;
        leastHidden = hidden;
      }
    }
  }
  balloon->setGeometry(best);
  balloon->raise();
  balloon->show();
  return balloon;
}

}  // namespace

void show(QLineEdit* box, const QString& hint, const QList<QLineEdit*>& alsoMarked) {
  QWidget* window = box->parentWidget();
  QList<QLineEdit*> marked = alsoMarked;
  marked.prepend(box);
  for (QLineEdit* each : marked) mark(each);
  QLabel* balloon = makeBalloon(box, hint);
  describe(box, hint);
  // Editing any box of the refused press means the user is acting on it.
  for (QLineEdit* each : marked) {
    QObject::connect(each, &QLineEdit::textChanged, balloon, [window] { clearAll(window); });
  }
}

void say(QWidget* control, const QString& message) {
  makeBalloon(control, message);
  describe(control, message);
}

void clearAll(QWidget* window) {
  const QList<QLineEdit*> boxes = window->findChildren<QLineEdit*>();
  for (QWidget* control : window->findChildren<QWidget*>()) undescribe(control);
  for (QLabel* balloon : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (!balloon->property(kIsBalloon).toBool()) continue;
    for (QLineEdit* box : boxes) QObject::disconnect(box, nullptr, balloon, nullptr);
    // This may run inside one of the balloon's own connections, so it goes
    // later; until then it is hidden and nameless.
    balloon->hide();
    balloon->setObjectName(QString());
    balloon->deleteLater();
  }
  for (QLineEdit* box : boxes) unmark(box);
}

bool isMarked(const QLineEdit* box) { return box->property(kSavedPalette).isValid(); }

QLabel* balloonOf(const QWidget* box) {
  if (!box->parentWidget()) return nullptr;
  return box->parentWidget()->findChild<QLabel*>(balloonName(box), Qt::FindDirectChildrenOnly);
}

}  // namespace input_hint
