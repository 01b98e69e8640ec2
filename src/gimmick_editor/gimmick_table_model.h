// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/gimmick_table.h"
#include "gimmick_editor/table_edits.h"

#include <QAbstractTableModel>

// The gimmicks being edited, one row each in record order. Columns 0 to 6
// are the record's fields (gimmick, finisher 1 to 3, note on finisher 1 to
// 3); two read-only columns follow: the bytes the record has left ("Left")
// and the row's warnings, which also mark the row's header with a warning
// icon and a tooltip. Every change goes to the table's history, which makes
// it through the model's raw edits (table_edits.h); a change the data file
// could not hold never enters the table, and `refused` says which cell and
// why.
class GimmickTableModel : public QAbstractTableModel, private TableEdits {
  Q_OBJECT

 public:
  static constexpr int kBytesLeftColumn = Gimmick::kFields;
  static constexpr int kWarningsColumn = Gimmick::kFields + 1;
  static constexpr int kColumns = Gimmick::kFields + 2;

  // `history` does every change and outlives the model.
  explicit GimmickTableModel(TableHistory& history, QObject* parent = nullptr);

  const GimmickTable& table() const { return table_; }

  // A new document: the table replaced, its history forgotten, nothing to
  // save.
  void setTable(const GimmickTable& table);
  // The whole table replaced as one change that can be undone (an import).
  void replaceTable(const GimmickTable& table, const QString& description);

  // Moves a gimmick one place up or down; false (and nothing done) at an end.
  bool moveGimmick(int row, int offset);

  // Why the row deserves a look, though the program reads it as it is.
  QStringList warnings(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
  bool removeRows(int row, int count, const QModelIndex& parent = {}) override;
  bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                const QModelIndex& destinationParent, int destinationChild) override;

 Q_SIGNALS:
  void refused(const QString& message);

 private:
  // The raw edits, which the undo commands make on what setData and the
  // others hand to the history.
  void setField(int row, int field, const QString& value) override;
  void insertGimmicks(int row, const QList<Gimmick>& gimmicks) override;
  void removeGimmicks(int row, int count) override;
  void moveGimmickTo(int from, int to) override;
  void setWholeTable(const GimmickTable& table) override;

  // Any name may have changed: every row's warnings may have too.
  void namesChanged();

  TableHistory& history_;
  GimmickTable table_;
};
