// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimmick_editor/gimmick_table_model.h"

#include "data/gimmick.h"

#include <QApplication>
#include <QStyle>

GimmickTableModel::GimmickTableModel(TableHistory& history, QObject* parent)
    : QAbstractTableModel(parent), history_(history) {}

void GimmickTableModel::setTable(const GimmickTable& table) {
  history_.forget();
  setWholeTable(table);
}

void GimmickTableModel::replaceTable(const GimmickTable& table, const QString& description) {
  history_.replaceTable(*this, table_, table, description);
}

bool GimmickTableModel::moveGimmick(int row, int offset) {
  const int to = row + offset;
  if (row < 0 || row >= table_.size() || to < 0 || to >= table_.size() || offset == 0) {
    return false;
  }
  history_.moveGimmick(*this, row, to);
  return true;
}

QStringList GimmickTableModel::warnings(int row) const {
  const Gimmick& gimmick = table_[row];
  QStringList found;
  if (gimmick.name.isEmpty()) {
    found << QStringLiteral("no name");
  } else if (const int first = table_.firstPlaceNamed(gimmick.name).value_or(row); first < row) {
    found
        << QStringLiteral("row %1 has this name; the gimmick window uses the first").arg(first + 1);
  }
  for (int k = 0; k < Gimmick::kFinishers; ++k) {
    if (gimmick.finishers[k].move.isEmpty()) {
      found << QStringLiteral("finisher %1 is empty").arg(k + 1);
    }
  }
  const QString text = gimmick.recordText();
  if (text.contains(u'\n') || text.contains(u'\r')) {
    found << QStringLiteral("a line break, which Export text cannot carry");
  }
  return found;
}

int GimmickTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.size();
}

int GimmickTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant GimmickTableModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const Gimmick& gimmick = table_[index.row()];
  const int column = index.column();
  if (column == kBytesLeftColumn) {
    const int left = gimmick_record::bytesLeft(gimmick);
    if (role == Qt::DisplayRole) return left;
    if (role == Qt::ToolTipRole) {
      return QStringLiteral("%1 of the %2 bytes a gimmick may use are left")
          .arg(left)
          .arg(gimmick_record::kMaxBytes);
    }
    if (role == Qt::TextAlignmentRole) return int{Qt::AlignRight | Qt::AlignVCenter};
    return {};
  }
  if (column == kWarningsColumn) {
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
      return warnings(index.row()).join(QStringLiteral("; "));
    }
    return {};
  }
  if (role == Qt::DisplayRole || role == Qt::EditRole) return gimmick.field(column);
  // A long field is cut short in its cell; its tooltip shows it whole.
  if (role == Qt::ToolTipRole && !gimmick.field(column).isEmpty()) return gimmick.field(column);
  return {};
}

QVariant GimmickTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    // A row that deserves a look is marked where it stays in sight, however
    // far the table scrolls sideways.
    const bool warned = section >= 0 && section < table_.size() && !warnings(section).isEmpty();
    if (role == Qt::DisplayRole) return section + 1;
    if (role == Qt::DecorationRole && warned) {
      return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    }
    if (role == Qt::ToolTipRole && warned) return warnings(section).join("; ");
    return {};
  }
  if (role != Qt::DisplayRole) return {};
  if (section == kBytesLeftColumn) return QStringLiteral("Left");
  if (section == kWarningsColumn) return QStringLiteral("Warnings");
  if (section < 0 || section >= kColumns) return {};
  QString name = fieldName(section);
  name[0] = name[0].toUpper();
  return name;
}

Qt::ItemFlags GimmickTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  const Qt::ItemFlags shown = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
  return index.column() < Gimmick::kFields ? shown | Qt::ItemIsEditable : shown;
}

bool GimmickTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
      index.column() >= Gimmick::kFields) {
    return false;
  }
  const int row = index.row();
  const int field = index.column();
  const QString text = value.toString();
  const QString before = table_[row].field(field);
  if (text == before) return true;
  Gimmick edited = table_[row];
  edited.field(field) = text;
  QString why = gimmick_record::fieldRefusal(field, text);
  if (why.isEmpty()) why = gimmick_record::encode(edited).refusal;
  if (!why.isEmpty()) {
    Q_EMIT refused(QStringLiteral("row %1, %2: %3").arg(row + 1).arg(fieldName(field), why));
    return false;
  }
  history_.editField(*this, row, field, before, text);
  return true;
}

bool GimmickTableModel::insertRows(int row, int count, const QModelIndex& parent) {
  if (parent.isValid() || row < 0 || row > table_.size() || count < 1) return false;
  if (table_.size() + count > GimmickTable::kPlaces) {
    Q_EMIT refused(QStringLiteral("row %1: %2")
                       .arg(GimmickTable::kPlaces + 1)
                       .arg(GimmickTable::fullRefusal()));
    return false;
  }
  history_.insertGimmicks(*this, row, QList<Gimmick>(count));
  return true;
}

bool GimmickTableModel::removeRows(int row, int count, const QModelIndex& parent) {
  if (parent.isValid() || row < 0 || count < 1 || row + count > table_.size()) return false;
  QList<Gimmick> removed;
  for (int r = row; r < row + count; ++r) removed << table_[r];
  history_.removeGimmicks(*this, row, removed);
  return true;
}

// One row at a time, as the window moves them; `destinationChild` is the row
// it goes before, counted before the move.
bool GimmickTableModel::moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                                 const QModelIndex& destinationParent, int destinationChild) {
  if (sourceParent.isValid() || destinationParent.isValid() || count != 1) return false;
  if (destinationChild < 0 || destinationChild > table_.size()) return false;
  const int to = destinationChild > sourceRow ? destinationChild - 1 : destinationChild;
  return moveGimmick(sourceRow, to - sourceRow);
}

void GimmickTableModel::setField(int row, int field, const QString& value) {
  table_[row].field(field) = value;
  Q_EMIT dataChanged(index(row, field), index(row, kBytesLeftColumn));
  if (field == 0) {
    namesChanged();
  } else {
    Q_EMIT dataChanged(index(row, kWarningsColumn), index(row, kWarningsColumn));
    Q_EMIT headerDataChanged(Qt::Vertical, row, row);
  }
}

void GimmickTableModel::insertGimmicks(int row, const QList<Gimmick>& gimmicks) {
  beginInsertRows({}, row, row + static_cast<int>(gimmicks.size()) - 1);
  for (int k = 0; k < gimmicks.size(); ++k) table_.insert(row + k, gimmicks[k]);
  endInsertRows();
  namesChanged();
}

void GimmickTableModel::removeGimmicks(int row, int count) {
  beginRemoveRows({}, row, row + count - 1);
  for (int k = 0; k < count; ++k) table_.removeAt(row);
  endRemoveRows();
  namesChanged();
}

void GimmickTableModel::moveGimmickTo(int from, int to) {
  beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
  table_.move(from, to);
  endMoveRows();
  namesChanged();
}

void GimmickTableModel::setWholeTable(const GimmickTable& table) {
  beginResetModel();
  table_ = table;
  endResetModel();
  namesChanged();
}

void GimmickTableModel::namesChanged() {
  if (table_.size() > 0) {
    Q_EMIT dataChanged(index(0, kWarningsColumn), index(table_.size() - 1, kWarningsColumn));
    Q_EMIT headerDataChanged(Qt::Vertical, 0, table_.size() - 1);
  }
}
