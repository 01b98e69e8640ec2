// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

// Edits one field of a gimmick in a one-line box named for its cell, so a
// screen reader says what is being edited. What is typed goes to the model,
// which keeps it or refuses it whole.
class GimmickFieldDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
};
