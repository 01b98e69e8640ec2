// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/builder.h"

#include "framework/caption_button.h"
#include "framework/line_control.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include <algorithm>
#include <vector>

namespace design {

QColor toColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

namespace {

Qt::Alignment horizontal(Align align, Qt::Alignment otherwise) {
  switch (align) {
    case Align::Left:
      return Qt::AlignLeft;
    case Align::Centre:
      return Qt::AlignHCenter;
    case Align::Right:
      return Qt::AlignRight;
    case Align::Default:
      break;
  }
  return otherwise;
}

QRect geometryOf(const ControlDesign& c) {
  return QRect(pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height));
}

void applyFont(QWidget* w, const Font& font) {
  if (!font.face) return;
  QFont f(QString::fromUtf8(font.face));
  f.setPointSizeF(font.points);
  f.setBold(font.weight == Bold);
  // Debian's Bebas Neue has a Book and a Regular of one weight, and
  // fontconfig picks Book. Asked for by name, every platform draws the faces
  // the Windows package bundles; a family without a face of that name is
  // matched by weight as before.
  f.setStyleName(font.weight == Bold ? QStringLiteral("Bold") : QStringLiteral("Regular"));
  w->setFont(f);
}

// Text boxes colour their editing area, labels their whole box.
void applyColours(QWidget* w, const Look& look, QPalette::ColorRole foreRole,
                  QPalette::ColorRole backRole) {
  QPalette p = w->palette();
  if (look.fore.isSet()) p.setColor(foreRole, toColor(look.fore));
  if (look.back.isSet()) {
    p.setColor(backRole, toColor(look.back));
    w->setAutoFillBackground(true);
  }
  w->setPalette(p);
}

QWidget* makeLabel(const ControlDesign& c, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(c.text), parent);
  label->setWordWrap(true);  // a caption wraps inside its box, top first
  label->setAlignment(horizontal(c.look.align, Qt::AlignLeft) | Qt::AlignTop);
  applyColours(label, c.look, QPalette::WindowText, QPalette::Window);
  return label;
}

QWidget* makeTextBox(const ControlDesign& c, QWidget* parent) {
  auto* box = new QLineEdit(QString::fromUtf8(c.text), parent);
  box->setReadOnly(c.look.locked);
  box->setAlignment(horizontal(c.look.align, Qt::AlignLeft) | Qt::AlignVCenter);
  box->setCursorPosition(0);
  applyColours(box, c.look, QPalette::Text, QPalette::Base);
  return box;
}

QWidget* makeMultiLineTextBox(const ControlDesign& c, QWidget* parent) {
  auto* box = new QTextEdit(parent);
  box->setAcceptRichText(false);
  box->setReadOnly(c.look.locked);
  box->setLineWrapMode(QTextEdit::WidgetWidth);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setTabChangesFocus(true);
  QTextOption option = box->document()->defaultTextOption();
  option.setAlignment(horizontal(c.look.align, Qt::AlignLeft));
  box->document()->setDefaultTextOption(option);
  box->setPlainText(QString::fromUtf8(c.text));
  applyColours(box, c.look, QPalette::Text, QPalette::Base);
  return box;
}

QWidget* makeButton(const ControlDesign& c, QWidget* parent) {
  auto* button = new CaptionButton(QString::fromUtf8(c.text), parent);
  button->setAutoDefault(false);
  return button;
}

QWidget* makeCombo(const ControlDesign& c, QWidget* parent, bool editable) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(editable);
  // No completion: Qt's completes without regard to case and, when the field
  // loses focus, swaps a typed "move" for the entry "Move". A typed text must
  // stay exactly as typed, since handlers compare it case and all.
  if (editable) combo->setCompleter(nullptr);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setMaxVisibleItems(8);
  for (const char* item : c.look.items) combo->addItem(QString::fromUtf8(item));
  // Adding the first entry would choose it; the design state chooses nothing.
  combo->setCurrentIndex(-1);
  if (editable) combo->setEditText(QString::fromUtf8(c.text));
  if (!editable) {
    // Fusion draws a drop-down list's entries as a menu's, on the colours of
    // the desktop's menus; they keep the window's. (An editable combo's
    // list is an ordinary list in the combo's colours.)
    QAbstractItemView* list = combo->view();
    list->setPalette(lightPalette());
    list->parentWidget()->setPalette(lightPalette());
  }
  return combo;
}

QWidget* makeLine(const ControlDesign& c, QWidget* parent) {
  const QLine ends(pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height));
  return new LineControl(ends, c.look.fore.isSet() ? toColor(c.look.fore) : QColor(Qt::black),
                         parent);
}

QWidget* make(const ControlDesign& c, QWidget* parent) {
  switch (c.kind) {
    case Kind::Label:
      return makeLabel(c, parent);
    case Kind::TextBox:
      return makeTextBox(c, parent);
    case Kind::MultiLineTextBox:
      return makeMultiLineTextBox(c, parent);
    case Kind::Button:
      return makeButton(c, parent);
    case Kind::Combo:
      return makeCombo(c, parent, true);
    case Kind::ComboList:
      return makeCombo(c, parent, false);
    case Kind::Line:
      return makeLine(c, parent);
  }
  return nullptr;
}

std::vector<const ControlDesign*> inTabOrder(const FormDesign& design) {
  std::vector<const ControlDesign*> order;
  for (const ControlDesign& c : design.controls) {
    if (c.tab >= 0) order.push_back(&c);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const ControlDesign* a, const ControlDesign* b) { return a->tab < b->tab; });
  return order;
}

}  // namespace

QPalette lightPalette() {
  // Fusion's own light colours, as Qt gives them where the desktop gives
  // none. Asking the style for them is no use: it answers with the desktop's.
  const QColor window(239, 239, 239);
  const QColor dark = window.darker(150);
  const QColor mid = window.darker(130);
  const QColor shadow = dark.darker(135);
  QPalette p(Qt::black, window, window.lighter(150), dark, mid, Qt::black, Qt::white);
  p.setColor(QPalette::Midlight, mid.lighter(110));
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::Shadow, shadow);
  p.setColor(QPalette::Highlight, QColor(48, 140, 198));
  p.setColor(QPalette::HighlightedText, Qt::white);
  QColor placeholder(Qt::black);
  placeholder.setAlpha(128);
  p.setColor(QPalette::PlaceholderText, placeholder);
  const QColor disabledText(190, 190, 190);
  p.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
  p.setColor(QPalette::Disabled, QPalette::Text, disabledText);
  p.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
  p.setColor(QPalette::Disabled, QPalette::Base, window);
  p.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
  p.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
  p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
  // Every colour set once more, the ones the constructor filled in too, so
  // that a widget given this palette takes none from the desktop's.
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto r = static_cast<QPalette::ColorRole>(role);
      p.setBrush(group, r, p.brush(group, r));
    }
  }
  return p;
}

void build(const FormDesign& design, QWidget* window) {
  window->setFixedSize(pixels(design.width), pixels(design.height));
  window->setWindowTitle(QString::fromUtf8(design.caption));

  for (const ControlDesign& c : design.controls) {
    QWidget* w = make(c, window);
    w->setObjectName(QString::fromUtf8(c.name));
    if (c.kind != Kind::Line) w->setGeometry(geometryOf(c));
    applyFont(w, c.font);
    if (c.look.tooltip) w->setToolTip(QString::fromUtf8(c.look.tooltip));
    if (c.look.accessible) w->setAccessibleName(QString::fromUtf8(c.look.accessible));
    if (c.look.hidden) w->hide();
  }
  // Later rows are drawn over earlier ones, as the table lists them; lines
  // lie under everything.
  for (QWidget* line : window->findChildren<LineControl*>(Qt::FindDirectChildrenOnly)) {
    line->lower();
  }

  QWidget* previous = nullptr;
  for (const ControlDesign* c : inTabOrder(design)) {
    auto* w = window->findChild<QWidget*>(QString::fromUtf8(c->name), Qt::FindDirectChildrenOnly);
    if (w->focusPolicy() == Qt::NoFocus) continue;
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

QWidget* firstInTabOrder(const FormDesign& design, QWidget* window) {
  for (const ControlDesign* c : inTabOrder(design)) {
    auto* w = window->findChild<QWidget*>(QString::fromUtf8(c->name), Qt::FindDirectChildrenOnly);
    if (w->focusPolicy() != Qt::NoFocus && !w->isHidden()) return w;
  }
  return nullptr;
}

}  // namespace design
