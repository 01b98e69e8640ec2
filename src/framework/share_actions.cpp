// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/share_actions.h"

#include "framework/context_menus.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

namespace share_actions {

// Neither key is one a text box, a list or a button answers on Linux or on
// Windows, and neither needs AltGr. The mnemonics are letters Qt's edit menu
// leaves free: x and i.
void offer(QWidget* frame, const SharesResult& source) {
  ContextMenus& menus = ContextMenus::of(frame);
  auto* copyText = new QAction(QStringLiteral("Copy as te&xt"), frame);
  copyText->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  QObject::connect(copyText, &QAction::triggered, frame,
                   [&source] { QGuiApplication::clipboard()->setText(source.resultText()); });
  menus.add(copyText);

  // The window as it is drawn, at the screen's pixel ratio: grab() renders it
  // at that ratio, so the image is the window's size times the ratio.
  auto* copyPicture = new QAction(QStringLiteral("Copy as p&icture"), frame);
  copyPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  QObject::connect(copyPicture, &QAction::triggered, frame,
                   [frame] { QGuiApplication::clipboard()->setImage(frame->grab().toImage()); });
  menus.add(copyPicture);
}

}  // namespace share_actions
