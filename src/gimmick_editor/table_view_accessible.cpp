// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimmick_editor/table_view_accessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>
#include <QWindow>

namespace {

QModelIndex rootChild(const QTableView& view, int row, int column) {
  return view.model() ? view.model()->index(row, column, view.rootIndex()) : QModelIndex();
}

// One child of the table: a cell, a header section, the corner button, or
// the stand-in for a cell that is not there.
class TablePart : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  enum class Kind { Cell, ColumnHeader, RowHeader, Corner, NoCell };

  TablePart(QTableView* view, Kind kind, const QModelIndex& cell, int section = -1)
      : view_(view), kind_(kind), cell_(cell), section_(section) {}

  Kind kind() const { return kind_; }
  const QTableView* view() const { return view_; }
  int section() const { return section_; }
  // Whether this cell still stands at (row, column): rows move and go.
  bool isCellAt(int row, int column) const {
    return kind_ == Kind::Cell && cell_.isValid() && cell_.row() == row && cell_.column() == column;
  }

  bool isValid() const override {
    return view_ && (kind_ != Kind::Cell || (cell_.isValid() && cell_.model() == view_->model()));
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(view_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    QAbstractItemModel* model = view_->model();
    switch (kind_) {
      case Kind::Cell: {
        const QVariant spoken = cell_.data(Qt::AccessibleTextRole);
        if (t == QAccessible::Name) {
          return spoken.isValid() ? spoken.toString() : cell_.data(Qt::DisplayRole).toString();
        }
        if (t == QAccessible::Description) {
          const QVariant told = cell_.data(Qt::AccessibleDescriptionRole);
          return told.isValid() ? told.toString() : cell_.data(Qt::ToolTipRole).toString();
        }
        return {};
      }
      case Kind::ColumnHeader:
      case Kind::RowHeader: {
        if (!model) return {};
        const auto orientation = kind_ == Kind::ColumnHeader ? Qt::Horizontal : Qt::Vertical;
        if (t == QAccessible::Name) {
          return model->headerData(section_, orientation, Qt::DisplayRole).toString();
        }
        if (t == QAccessible::Description) {
          return model->headerData(section_, orientation, Qt::ToolTipRole).toString();
        }
        return {};
      }
      case Kind::Corner:
      case Kind::NoCell:
        return {};
    }
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    if (!isValid() || !view_->isVisible()) return {};
    switch (kind_) {
      case Kind::Cell: {
        const QRect shown = view_->visualRect(cell_);
        return QRect(view_->viewport()->mapToGlobal(shown.topLeft()), shown.size());
      }
      case Kind::ColumnHeader:
      case Kind::RowHeader: {
        const QHeaderView* header =
            kind_ == Kind::ColumnHeader ? view_->horizontalHeader() : view_->verticalHeader();
        const int start = header->sectionViewportPosition(section_);
        const int length = header->sectionSize(section_);
        const QRect shown = kind_ == Kind::ColumnHeader ? QRect(start, 0, length, header->height())
                                                        : QRect(0, start, header->width(), length);
        return QRect(header->viewport()->mapToGlobal(shown.topLeft()), shown.size());
      }
      case Kind::Corner:
      case Kind::NoCell:
        return {};
    }
    return {};
  }

  QAccessible::Role role() const override {
    switch (kind_) {
      case Kind::Cell:
      case Kind::NoCell:
        return QAccessible::Cell;
      case Kind::ColumnHeader:
        return QAccessible::ColumnHeader;
      case Kind::RowHeader:
        return QAccessible::RowHeader;
      case Kind::Corner:
        return QAccessible::Pane;
    }
    return QAccessible::NoRole;
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid() || kind_ == Kind::NoCell) {
      state.invisible = true;
      return state;
    }
    if (kind_ != Kind::Cell) return state;
    const Qt::ItemFlags flags = cell_.flags();
    state.disabled = !(flags & Qt::ItemIsEnabled);
    state.editable = (flags & Qt::ItemIsEditable) != 0;
    state.selectable = (flags & Qt::ItemIsSelectable) != 0;
    state.selected = isSelected();
    state.focusable = true;
    state.focused = view_->hasFocus() && view_->currentIndex() == cell_;
    const QRect shown = view_->visualRect(cell_);
    state.offscreen = !view_->viewport()->rect().intersects(shown);
    state.invisible = shown.isEmpty();
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    const bool cellLike = kind_ == Kind::Cell || kind_ == Kind::NoCell;
    if (type == QAccessible::TableCellInterface && cellLike) {
      return static_cast<QAccessibleTableCellInterface*>(this);
    }
    return nullptr;
  }

  bool isSelected() const override {
    return kind_ == Kind::Cell && isValid() && view_->selectionModel() &&
           view_->selectionModel()->isSelected(cell_);
  }
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override;
  int columnIndex() const override { return kind_ == Kind::Cell ? cell_.column() : -1; }
  int rowIndex() const override { return kind_ == Kind::Cell ? cell_.row() : -1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<QTableView> view_;
  Kind kind_;
  QPersistentModelIndex cell_;
  int section_;
};

class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TableAccessible(QTableView* view) : QAccessibleWidget(view, QAccessible::Table) {}

  ~TableAccessible() override {
    for (const QAccessible::Id id : std::as_const(parts_))
      QAccessible::deleteAccessibleInterface(id);
  }

  QTableView* view() const { return static_cast<QTableView*>(widget()); }

  // The corner, the column headers, then each row: its header, its cells.
  int childCount() const override { return (rowCount() + 1) * (columnCount() + 1); }

  QAccessibleInterface* child(int index) const override {
    const int columns = columnCount() + 1;
    if (index < 0 || index >= childCount()) return noCell();
    const int row = index / columns - 1;
    const int column = index % columns - 1;
    if (row < 0 && column < 0) return part(index, TablePart::Kind::Corner, {});
    if (row < 0) return part(index, TablePart::Kind::ColumnHeader, {}, column);
    if (column < 0) return part(index, TablePart::Kind::RowHeader, {}, row);
    return part(index, TablePart::Kind::Cell, rootChild(*view(), row, column));
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* part = dynamic_cast<const TablePart*>(child);
    if (!part || part->view() != view() || !part->isValid()) return -1;
    const int columns = columnCount() + 1;
    switch (part->kind()) {
      case TablePart::Kind::Corner:
        return 0;
      case TablePart::Kind::ColumnHeader:
        return part->section() + 1;
      case TablePart::Kind::RowHeader:
        return (part->section() + 1) * columns;
      case TablePart::Kind::Cell:
        return (part->rowIndex() + 1) * columns + part->columnIndex() + 1;
      case TablePart::Kind::NoCell:
        return -1;
    }
    return -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint point = view()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = view()->indexAt(point);
    return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
  }

  QAccessibleInterface* focusChild() const override {
    const QModelIndex current = view()->currentIndex();
    if (current.isValid()) return cellAt(current.row(), current.column());
    return view()->hasFocus() ? const_cast<TableAccessible*>(this) : nullptr;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }

  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return noCell();
    return child((row + 1) * (columnCount() + 1) + column + 1);
  }

  // Headers by section, for the cells that name them.
  QAccessibleInterface* header(Qt::Orientation orientation, int section) const {
    const QHeaderView* shown =
        orientation == Qt::Horizontal ? view()->horizontalHeader() : view()->verticalHeader();
    if (!shown || shown->isHidden() || section < 0) return nullptr;
    const int columns = columnCount() + 1;
    if (orientation == Qt::Horizontal) {
      return section < columnCount() ? child(section + 1) : nullptr;
    }
    return section < rowCount() ? child((section + 1) * columns) : nullptr;
  }

  int selectedCellCount() const override { return int(selectedIndexes().size()); }
  QList<QAccessibleInterface*> selectedCells() const override {
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& index : selectedIndexes()) {
      cells << cellAt(index.row(), index.column());
    }
    return cells;
  }
  QString columnDescription(int column) const override {
    return view()->model() ? view()->model()->headerData(column, Qt::Horizontal).toString()
                           : QString();
  }
  QString rowDescription(int row) const override {
    return view()->model() ? view()->model()->headerData(row, Qt::Vertical).toString() : QString();
  }
  int selectedColumnCount() const override { return int(selectedColumns().size()); }
  int selectedRowCount() const override { return int(selectedRows().size()); }
  int columnCount() const override {
    return view()->model() ? view()->model()->columnCount(view()->rootIndex()) : 0;
  }
  int rowCount() const override {
    return view()->model() ? view()->model()->rowCount(view()->rootIndex()) : 0;
  }
  QList<int> selectedColumns() const override {
    QList<int> columns;
    if (const QItemSelectionModel* selection = view()->selectionModel()) {
      for (const QModelIndex& index : selection->selectedColumns()) columns << index.column();
    }
    return columns;
  }
  QList<int> selectedRows() const override {
    QList<int> rows;
    if (const QItemSelectionModel* selection = view()->selectionModel()) {
      for (const QModelIndex& index : selection->selectedRows()) rows << index.row();
    }
    return rows;
  }
  bool isColumnSelected(int column) const override {
    return view()->selectionModel() &&
           view()->selectionModel()->isColumnSelected(column, view()->rootIndex());
  }
  bool isRowSelected(int row) const override {
    return view()->selectionModel() &&
           view()->selectionModel()->isRowSelected(row, view()->rootIndex());
  }
  // The editor chooses one cell at a time: whole rows and columns are not
  // selected from outside.
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }

  // Rows came, went or moved: every part is made again when next asked for.
  void modelChange(QAccessibleTableModelChangeEvent*) override {
    for (auto it = parts_.begin(); it != parts_.end();) {
      const auto* part = static_cast<TablePart*>(QAccessible::accessibleInterface(*it));
      if (part && part->kind() == TablePart::Kind::Cell) {
        QAccessible::deleteAccessibleInterface(*it);
        it = parts_.erase(it);
      } else {
        ++it;
      }
    }
  }

 private:
  QModelIndexList selectedIndexes() const {
    return view()->selectionModel() ? view()->selectionModel()->selectedIndexes()
                                    : QModelIndexList();
  }

  // The part at `index`, made once and kept while it still stands there.
  QAccessibleInterface* part(int index, TablePart::Kind kind, const QModelIndex& cell,
                             int section = -1) const {
    if (const auto found = parts_.constFind(index); found != parts_.constEnd()) {
      auto* kept = static_cast<TablePart*>(QAccessible::accessibleInterface(*found));
      const bool stillThere =
          kept && kept->kind() == kind &&
          (kind != TablePart::Kind::Cell || kept->isCellAt(cell.row(), cell.column())) &&
          kept->section() == section;
      if (stillThere) return kept;
      QAccessible::deleteAccessibleInterface(*found);
      parts_.remove(index);
    }
    if (kind == TablePart::Kind::Cell && !cell.isValid()) return noCell();
    auto* made = new TablePart(view(), kind, cell, section);
    parts_.insert(index, QAccessible::registerAccessibleInterface(made));
    return made;
  }

  QAccessibleInterface* noCell() const {
    if (!noCell_) {
      noCell_ = QAccessible::registerAccessibleInterface(
          new TablePart(view(), TablePart::Kind::NoCell, {}));
      parts_.insert(-1, noCell_);
    }
    return QAccessible::accessibleInterface(noCell_);
  }

  mutable QHash<int, QAccessible::Id> parts_;
  mutable QAccessible::Id noCell_ = 0;
};

QList<QAccessibleInterface*> TablePart::columnHeaderCells() const {
  if (kind_ != Kind::Cell || !isValid()) return {};
  auto* table = dynamic_cast<TableAccessible*>(parent());
  QAccessibleInterface* header = table ? table->header(Qt::Horizontal, cell_.column()) : nullptr;
  return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

QList<QAccessibleInterface*> TablePart::rowHeaderCells() const {
  if (kind_ != Kind::Cell || !isValid()) return {};
  auto* table = dynamic_cast<TableAccessible*>(parent());
  QAccessibleInterface* header = table ? table->header(Qt::Vertical, cell_.row()) : nullptr;
  return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

QAccessibleInterface* tableViewFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("QTableView")) {
    if (auto* view = qobject_cast<QTableView*>(object)) return new TableAccessible(view);
  }
  return nullptr;
}

}  // namespace

void table_view_accessible::install() { QAccessible::installFactory(&tableViewFactory); }
