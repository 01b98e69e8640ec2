// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QPointer>
#include <QString>
#include <QUndoCommand>
#include <QWidget>

// The texts of a bracket's boxes, by the boxes' names.
using BoxTexts = QMap<QString, QString>;

// One step taken on a bracket as a whole ("Win for Ace", "Reset", an opened
// file): the texts of the boxes it changed, before and after. Undo puts the
// texts before back, redo the texts after; a "Random" done again gives the
// result it gave, without drawing again. The step is pushed once it is
// made, so its first redo writes nothing.
class BracketStep : public QUndoCommand {
 public:
  BracketStep(QWidget* frame, const QString& description, BoxTexts before, BoxTexts after);

  void undo() override;
  void redo() override;

 private:
  void write(const BoxTexts& texts);

  QPointer<QWidget> frame_;
  BoxTexts before_;
  BoxTexts after_;
  bool made_ = true;
};
