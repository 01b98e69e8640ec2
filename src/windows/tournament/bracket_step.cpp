// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tournament/bracket_step.h"

#include "framework/window.h"

#include <QLineEdit>

#include <utility>

BracketStep::BracketStep(QWidget* frame, const QString& description, BoxTexts before,
                         BoxTexts after)
    : QUndoCommand(description),
      frame_(frame),
      before_(std::move(before)),
      after_(std::move(after)) {}

void BracketStep::undo() { write(before_); }

void BracketStep::redo() {
  if (std::exchange(made_, false)) return;
  write(after_);
}

void BracketStep::write(const BoxTexts& texts) {
  if (!frame_) return;
  for (auto each = texts.cbegin(); each != texts.cend(); ++each) {
    Window::setTextOf(frame_->findChild<QLineEdit*>(each.key()), each.value());
  }
}
