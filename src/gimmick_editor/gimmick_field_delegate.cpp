// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimmick_editor/gimmick_field_delegate.h"

#include <QLineEdit>

QWidget* GimmickFieldDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const {
  auto* editor = new QLineEdit(parent);
  editor->setObjectName(QStringLiteral("cellEditor"));
  editor->setFrame(false);
  const QString column = index.model()->headerData(index.column(), Qt::Horizontal).toString();
  const QString row = index.model()->headerData(index.row(), Qt::Vertical).toString();
  editor->setAccessibleName(QStringLiteral("%1 of row %2").arg(column, row));
  return editor;
}
