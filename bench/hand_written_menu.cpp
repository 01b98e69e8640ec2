// SPDX-License-Identifier: GPL-3.0-or-later
#include "hand_written_menu.h"

#include "framework/caption_button.h"
#include "framework/window.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>

#include <cstdio>
#include <iterator>

namespace {

// A long caption ("Finisher Generator for Gimmicks") needs two lines, which a
// plain QPushButton does not draw: the hand-written menu takes the program's
// own small wrapping button, as any hand-written window of the program would.
QPushButton* wrappingButton(const QString& caption, QWidget* parent) {
  auto* button = new CaptionButton(caption, parent);
  button->setAutoDefault(false);
  return button;
}

// The menu's face, asked for by name, Regular or Bold, as the program asks:
// Debian's Bebas Neue also has a Book face of the same weight.
QFont showcard(double points, bool bold) {
  QFont font(QStringLiteral("Showcard Gothic"));
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setStyleName(bold ? QStringLiteral("Bold") : QStringLiteral("Regular"));
  return font;
}

}  // namespace

// Sizes are the program's twips converted once, by hand, to pixels at 96
// dots per inch.
HandWrittenMenu::HandWrittenMenu() {
  setObjectName(QStringLiteral("MainMenu"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("Torvak Utilities"));
  setFixedSize(700, 396);
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor(128, 128, 128));
  setPalette(grey);
  setAutoFillBackground(true);

  auto* title = new QLabel(QStringLiteral("Torvak Utilities"), this);
  title->setObjectName(QStringLiteral("Label1"));
  title->setWordWrap(true);
  title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette navy = title->palette();
  navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
  title->setPalette(navy);
  title->setGeometry(128, 16, 457, 41);
  title->setFont(showcard(26.25, true));

  auto* tournaments = button("Command1", "Tournaments", {264, 80, 177, 57}, 15.75, true);
  auto* decoders = button("Command2", "Colour Decoders", {512, 80, 153, 57}, 15.75, true);
  auto* standard = button("Command3", "Standard", {32, 80, 153, 57}, 15.75, true);

  selector_ = new QComboBox(this);
  selector_->setObjectName(QStringLiteral("Combo1"));
  selector_->setEditable(true);
  selector_->setCompleter(nullptr);
  selector_->setInsertPolicy(QComboBox::NoInsert);
  selector_->setMaxVisibleItems(8);
  selector_->setCurrentIndex(-1);
  selector_->setEditText(QStringLiteral("Select Your Match Type"));
  selector_->setGeometry(184, 328, 329, 21);
  selector_->setAccessibleName(QStringLiteral("Tournament type"));
  selector_->hide();

  commence_ = wrappingButton(QStringLiteral("COMMENCE"), this);
  commence_->setObjectName(QStringLiteral("Command4"));
  commence_->setGeometry(272, 360, 161, 25);
  commence_->setAccessibleName(QStringLiteral("Commence the tournament"));
  commence_->hide();

  auto* randomiser = button("Random", "Randomiser", {32, 160, 153, 57}, 15.75, false);
  auto* ratings = button("Command5", "Ratings Calculator", {264, 160, 177, 57}, 14.25, false);
  auto* names = button("Command6", "Wrestler Name Generator", {512, 160, 153, 57}, 12, false);
  auto* gimmicks =
      button("Command7", "Finisher Generator for Gimmicks", {32, 240, 153, 57}, 11.25, false);
  auto* finishers =
      button("Command8", "Random Finisher Generator", {264, 240, 177, 57}, 14.25, false);
  auto* credits = button("Command9", "Credits", {512, 240, 153, 57}, 14.25, false);
  auto* quit = button("Command10", "Quit", {616, 344, 73, 41}, 15.75, false);

  QWidget* order[] = {tournaments, decoders, standard, selector_, commence_, randomiser,
                      ratings,     names,    gimmicks, finishers, credits,   quit};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(tournaments, &QPushButton::clicked, this, [this] {
    selector_->clear();
    selector_->addItems({QStringLiteral("8 Man Tournament"), QStringLiteral("16 Man Tournament")});
    selector_->setEditText(QStringLiteral("Select Which Type of Tournament to use:"));
    selector_->show();
    commence_->show();
  });
  connect(quit, &QPushButton::clicked, qApp, &QCoreApplication::quit);
}

void HandWrittenMenu::showCentred() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  show();
  findChild<QWidget*>(QStringLiteral("Command1"))->setFocus();
  activateWindow();
}

QPushButton* HandWrittenMenu::button(const char* name, const char* caption, QRect place,
                                     double points, bool bold) {
  auto* b = wrappingButton(QString::fromUtf8(caption), this);
  b->setObjectName(QString::fromUtf8(name));
  b->setGeometry(place);
  b->setFont(showcard(points, bold));
  return b;
}

void setUpTheHandWrittenApplication() {
  QApplication::setApplicationName(QStringLiteral("Torvak Utilities"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setQuitOnLastWindowClosed(false);
  QFont::insertSubstitution(QStringLiteral("Showcard Gothic"), QStringLiteral("Bebas Neue"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont dialog(QStringLiteral("Arial"));
  dialog.setPointSizeF(7.5);
  QApplication::setFont(dialog);
}

void waitUntilActive(QWidget* window) {
  window->activateWindow();
  QElapsedTimer limit;
  limit.start();
  while (!window->isActiveWindow() && limit.elapsed() < 2000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
}

bool drawsTheSameMenu(QWidget* programMenu) {
  waitUntilActive(programMenu);
  const QImage programLook = programMenu->grab().toImage();
  HandWrittenMenu hand;
  hand.showCentred();
  waitUntilActive(&hand);
  const QImage handLook = hand.grab().toImage();

  bool same = true;
  auto differs = [&same](const QString& what) {
    std::printf("  the hand-written menu differs: %s\n", qPrintable(what));
    same = false;
  };
  const auto programControls = programMenu->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  const auto handControls = hand.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  if (programControls.size() != handControls.size()) {
    differs(QStringLiteral("%1 controls, the program's menu has %2")
                .arg(handControls.size())
                .arg(programControls.size()));
  }
  for (int i = 0; i < std::min(programControls.size(), handControls.size()); ++i) {
    const QWidget* p = programControls[i];
    const QWidget* h = handControls[i];
    const QString name = p->objectName();
    if (h->objectName() != name) differs(name + QStringLiteral(": not in the same place"));
    if (h->geometry() != p->geometry()) differs(name + QStringLiteral(": geometry"));
    if (h->font() != p->font()) differs(name + QStringLiteral(": font"));
    if (h->isHidden() != p->isHidden()) differs(name + QStringLiteral(": shown or hidden"));
    if (Window::textOf(h) != Window::textOf(p)) differs(name + QStringLiteral(": text"));
    if (h->accessibleName() != p->accessibleName()) differs(name + QStringLiteral(": name"));
    if (h->palette() != p->palette()) differs(name + QStringLiteral(": colours"));
  }
  if (hand.windowTitle() != programMenu->windowTitle()) differs(QStringLiteral("title"));
  if (handLook != programLook) differs(QStringLiteral("the drawn window"));
  return same;
}
