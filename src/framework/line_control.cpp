// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/line_control.h"

#include <QPainter>

LineControl::LineControl(QLine endPoints, QColor colour, QWidget* parent)
    : QWidget(parent), endPoints_(endPoints), colour_(colour) {
  const QRect box = QRect(endPoints.p1(), endPoints.p2()).normalized();
  setGeometry(box.adjusted(0, 0, 1, 1));
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(colour_);
  painter.drawLine(endPoints_.translated(-pos()));
}
