// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimmick_editor/gimmick_editor_window.h"

#include "command_line/output.h"
#include "data/table_location.h"
#include "gimmick_editor/gimmick_field_delegate.h"
#include "gimmick_editor/table_view_accessible.h"
#include "rules/shared_random.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

const QString kDataFiles = QStringLiteral("Gimmick tables (*.dat);;All files (*)");
const QString kTextFiles = QStringLiteral("Gimmick text (*.txt);;All files (*)");

QString describe(TableDocument::Which which) {
  switch (which) {
    case TableDocument::Which::None:
      return QStringLiteral("No table yet; the program would start with an empty one at");
    case TableDocument::Which::UserTable:
      return QStringLiteral("Your own table");
    case TableDocument::Which::ShippedTable:
      return QStringLiteral("The shipped table");
    case TableDocument::Which::OpenedFile:
      return QStringLiteral("Opened");
    case TableDocument::Which::SavedAs:
      return QStringLiteral("Saved as");
  }
  return {};
}

}  // namespace

GimmickEditorWindow::GimmickEditorWindow(const QString& programDirectory, QWidget* parent)
    : QMainWindow(parent), document_(programDirectory) {
  setObjectName(QStringLiteral("GimmickEditor"));
  setWindowTitle(QStringLiteral("Gimmick Table Editor[*]"));
  setWindowIcon(QIcon(QStringLiteral(":/torvak-gimmick-editor.png")));
  table_view_accessible::install();
  filter_.setSourceModel(&model());
  filter_.setFilterKeyColumn(0);
  filter_.setFilterCaseSensitivity(Qt::CaseInsensitive);
  buildActions();
  buildMenus();
  buildCentralWidget();

  connect(document_.undoStack(), &QUndoStack::cleanChanged, this,
          [this](bool clean) { setWindowModified(!clean); });
  // A change that went in makes any refusal before it old news.
  connect(document_.undoStack(), &QUndoStack::indexChanged, this, [this] { say({}); });
  connect(&model(), &GimmickTableModel::refused, this, &GimmickEditorWindow::say);
  resize(1200, 600);
}

QAction* GimmickEditorWindow::makeAction(const char* name, const QString& text,
                                         const QKeySequence& keys) {
  auto* action = new QAction(text, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(keys);
  QMainWindow::addAction(action);  // its keys work wherever the focus is
  return action;
}

void GimmickEditorWindow::buildActions() {
  const auto chooseThen = [this](const QString& caption, const QString& filter, bool saving,
                                 auto&& use) {
    return [this, caption, filter, saving, use] {
      const QString path =
          saving ? QFileDialog::getSaveFileName(this, caption, QDir::homePath(), filter)
                 : QFileDialog::getOpenFileName(this, caption, QDir::homePath(), filter);
      if (!path.isEmpty()) use(path);
    };
  };
  QAction* open = makeAction("actionOpen", QStringLiteral("&Open..."), QKeySequence::Open);
  connect(open, &QAction::triggered, this, [this, chooseThen] {
    if (!maybeSave()) return;
    chooseThen(QStringLiteral("Open a gimmick table"), kDataFiles, false,
               [this](const QString& path) { openFile(path); })();
  });
  QAction* import = makeAction("actionImportText", QStringLiteral("&Import text..."),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
  connect(import, &QAction::triggered, this,
          chooseThen(QStringLiteral("Import gimmick text"), kTextFiles, false,
                     [this](const QString& path) { importText(path); }));
  QAction* exportAction = makeAction("actionExportText", QStringLiteral("&Export text..."),
                                     QKeySequence(Qt::CTRL | Qt::Key_E));
  connect(exportAction, &QAction::triggered, this,
          chooseThen(QStringLiteral("Export gimmick text"), kTextFiles, true,
                     [this](const QString& path) { exportText(path); }));
  QAction* saveAction = makeAction("actionSave", QStringLiteral("&Save"), QKeySequence::Save);
  saveAction->setToolTip(QStringLiteral("Write your own table, the one the program reads first"));
  connect(saveAction, &QAction::triggered, this, [this] { save(); });
  QAction* saveAsAction =
      makeAction("actionSaveAs", QStringLiteral("Save &As..."), QKeySequence::SaveAs);
  connect(saveAsAction, &QAction::triggered, this,
          chooseThen(QStringLiteral("Save the gimmick table as"), kDataFiles, true,
                     [this](const QString& path) { saveAs(path); }));
  QAction* back = makeAction("actionBackToShipped", QStringLiteral("&Back to the shipped table..."),
                             QKeySequence());
  connect(back, &QAction::triggered, this, &GimmickEditorWindow::backToShippedTable);
  QAction* quit = makeAction("actionQuit", QStringLiteral("&Quit"), QKeySequence::Quit);
  connect(quit, &QAction::triggered, this, &QWidget::close);
  fileActions_ = {open,         import,  exportAction, nullptr, saveAction,
                  saveAsAction, nullptr, back,         nullptr, quit};

  QAction* undo = document_.undoStack()->createUndoAction(this, QStringLiteral("&Undo"));
  undo->setObjectName(QStringLiteral("actionUndo"));
  undo->setShortcut(QKeySequence::Undo);
  QMainWindow::addAction(undo);
  QAction* redo = document_.undoStack()->createRedoAction(this, QStringLiteral("&Redo"));
  redo->setObjectName(QStringLiteral("actionRedo"));
  redo->setShortcut(QKeySequence::Redo);
  QMainWindow::addAction(redo);
  QAction* add = makeAction("actionAddRow", QStringLiteral("&Add a gimmick"),
                            QKeySequence(Qt::CTRL | Qt::Key_N));
  connect(add, &QAction::triggered, this, &GimmickEditorWindow::addRow);
  QAction* insert = makeAction("actionInsertRow", QStringLiteral("&Insert a gimmick above"),
                               QKeySequence(Qt::CTRL | Qt::Key_I));
  connect(insert, &QAction::triggered, this, &GimmickEditorWindow::insertRow);
  QAction* remove =
      makeAction("actionDeleteRow", QStringLiteral("&Delete the gimmick"), QKeySequence::Delete);
  connect(remove, &QAction::triggered, this, &GimmickEditorWindow::deleteRow);
  QAction* up =
      makeAction("actionMoveUp", QStringLiteral("Move u&p"), QKeySequence(Qt::CTRL | Qt::Key_Up));
  connect(up, &QAction::triggered, this, [this] { moveRow(-1); });
  QAction* down = makeAction("actionMoveDown", QStringLiteral("Move do&wn"),
                             QKeySequence(Qt::CTRL | Qt::Key_Down));
  connect(down, &QAction::triggered, this, [this] { moveRow(1); });
  QAction* find = makeAction("actionFindName", QStringLiteral("Find a &name"), QKeySequence::Find);
  connect(find, &QAction::triggered, this,
          [this] { nameFilter_->setFocus(Qt::ShortcutFocusReason); });
  QAction* tryAction =
      makeAction("actionTryIt", QStringLiteral("&Try it"), QKeySequence(Qt::CTRL | Qt::Key_T));
  connect(tryAction, &QAction::triggered, this, &GimmickEditorWindow::tryIt);
  rowActions_ = {undo, redo, nullptr, add, insert, remove, up, down, nullptr, find, tryAction};
}

void GimmickEditorWindow::buildMenus() {
  const auto fill = [](QMenu* menu, const QList<QAction*>& actions) {
    for (QAction* action : actions) {
      if (action) {
        menu->addAction(action);
      } else {
        menu->addSeparator();
      }
    }
  };
  fill(menuBar()->addMenu(QStringLiteral("&File")), fileActions_);
  fill(menuBar()->addMenu(QStringLiteral("&Edit")), rowActions_);
}

void GimmickEditorWindow::buildCentralWidget() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);

  // The two lines of text carry no accessible name of their own: a screen
  // reader reads their text, the path and the message, as their name.
  source_ = new QLabel(central);
  source_->setObjectName(QStringLiteral("tableSource"));
  source_->setTextFormat(Qt::PlainText);  // a path is shown as it is, never as markup
  source_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  source_->setWordWrap(true);
  layout->addWidget(source_);

  auto* filterRow = new QHBoxLayout;
  // Alt+F is the File menu's.
  auto* filterLabel = new QLabel(QStringLiteral("Find a &name:"), central);
  nameFilter_ = new QLineEdit(central);
  nameFilter_->setObjectName(QStringLiteral("nameFilter"));
  nameFilter_->setAccessibleName(QStringLiteral("Find a name"));
  nameFilter_->setClearButtonEnabled(true);
  for (auto* clear : nameFilter_->findChildren<QToolButton*>()) {
    clear->setAccessibleName(QStringLiteral("Clear the name to find"));
  }
  nameFilter_->setPlaceholderText(QStringLiteral("part of a gimmick's name"));
  filterLabel->setBuddy(nameFilter_);
  connect(nameFilter_, &QLineEdit::textChanged, &filter_,
          &QSortFilterProxyModel::setFilterFixedString);
  filterRow->addWidget(filterLabel);
  filterRow->addWidget(nameFilter_, 1);
  layout->addLayout(filterRow);

  view_ = new QTableView(central);
  view_->setObjectName(QStringLiteral("gimmickTable"));
  view_->setAccessibleName(QStringLiteral("Gimmicks"));
  view_->setModel(&filter_);
  view_->setItemDelegate(new GimmickFieldDelegate(view_));
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  // Tab leaves the table for the next control; the arrows move from cell to cell.
  view_->setTabKeyNavigation(false);
  view_->setWordWrap(false);
  view_->horizontalHeader()->setStretchLastSection(true);
  constexpr int kWidths[] = {135, 120, 120, 120, 130, 130, 130, 45};
  for (int column = 0; column < static_cast<int>(std::size(kWidths)); ++column) {
    view_->setColumnWidth(column, kWidths[column]);
  }
  layout->addWidget(view_, 1);
  connect(&filter_, &QAbstractItemModel::modelReset, this, &GimmickEditorWindow::keepCurrentCell);
  connect(&filter_, &QAbstractItemModel::layoutChanged, this,
          &GimmickEditorWindow::keepCurrentCell);
  connect(&filter_, &QAbstractItemModel::rowsRemoved, this, &GimmickEditorWindow::keepCurrentCell);
  connect(&filter_, &QAbstractItemModel::rowsInserted, this, &GimmickEditorWindow::keepCurrentCell);

  message_ = new QLabel(central);
  message_->setObjectName(QStringLiteral("message"));
  message_->setTextFormat(Qt::PlainText);
  message_->setWordWrap(true);
  message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(message_);

  findings_ = new QPlainTextEdit(central);
  findings_->setObjectName(QStringLiteral("findings"));
  findings_->setAccessibleName(QStringLiteral("What the file holds"));
  findings_->setReadOnly(true);
  findings_->setMaximumHeight(110);
  findings_->hide();
  layout->addWidget(findings_);

  auto* buttons = new QHBoxLayout;
  const std::pair<const char*, const char*> kButtons[] = {
      {"addRow", "actionAddRow"},       {"insertRow", "actionInsertRow"},
      {"deleteRow", "actionDeleteRow"}, {"moveUp", "actionMoveUp"},
      {"moveDown", "actionMoveDown"},   {"tryIt", "actionTryIt"},
  };
  for (const auto& [name, actionName] : kButtons) {
    auto* action = findChild<QAction*>(QString::fromLatin1(actionName));
    auto* button = new QToolButton(central);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAccessibleName(action->text().remove(u'&'));
    buttons->addWidget(button);
  }
  buttons->addSpacing(12);
  const auto tried = [&](const char* name, const QString& caption, const QString& accessible) {
    auto* label = new QLabel(caption, central);
    auto* box = new QLineEdit(central);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessible);
    box->setReadOnly(true);
    label->setBuddy(box);
    buttons->addWidget(label);
    buttons->addWidget(box, 1);
    return box;
  };
  triedFinisher_ = tried("triedFinisher", QStringLiteral("Finisher:"),
                         QStringLiteral("Finisher the gimmick window would show"));
  triedNote_ = tried("triedNote", QStringLiteral("Notes:"), QStringLiteral("Its note"));
  layout->addLayout(buttons);
  setCentralWidget(central);
}

void GimmickEditorWindow::openProgramTable() {
  const TableDocument::Opened opened = document_.openProgramTable();
  if (document_.which() == TableDocument::Which::None) {
    showSource();
    showFindings({}, {});
    return;
  }
  if (!showOpened(opened, document_.path())) showSource();
}

bool GimmickEditorWindow::openFile(const QString& path) {
  return showOpened(document_.open(path), path);
}

bool GimmickEditorWindow::showOpened(const TableDocument::Opened& opened, const QString& path) {
  if (!opened.opened) {
    say(QStringLiteral("Could not open %1: %2.").arg(command_line::shown(path), opened.problem));
    return false;
  }
  showSource();
  showFindings(QStringLiteral("The program reads this file differently from its bytes; a save "
                              "writes the table as shown here:"),
               opened.findings);
  say(QStringLiteral("%1 gimmicks.").arg(model().rowCount()));
  return true;
}

bool GimmickEditorWindow::importText(const QString& path) {
  const TableDocument::Opened imported = document_.importText(path);
  if (!imported.opened) {
    say(QStringLiteral("Nothing imported from %1: %2.")
            .arg(command_line::shown(path), imported.problem));
    showFindings(QStringLiteral("Refused lines:"), imported.findings);
    return false;
  }
  showFindings({}, {});
  say(QStringLiteral("Imported %1 gimmicks from %2.")
          .arg(model().rowCount())
          .arg(command_line::shown(path)));
  return true;
}

bool GimmickEditorWindow::exportText(const QString& path) {
  commitOpenEdit();
  if (const QString why = document_.exportText(path); !why.isEmpty()) {
    say(QStringLiteral("Nothing exported to %1: %2.").arg(command_line::shown(path), why));
    return false;
  }
  say(QStringLiteral("Exported %1 gimmicks to %2.")
          .arg(model().rowCount())
          .arg(command_line::shown(path)));
  return true;
}

// Text still in a cell's editor is what the user sees: it goes in (or is
// refused) before the table is saved, exported, tried or closed.
void GimmickEditorWindow::commitOpenEdit() {
  if (QWidget* editor = view_->indexWidget(view_->currentIndex())) {
    Q_EMIT view_->itemDelegate()->commitData(editor);
    Q_EMIT view_->itemDelegate()->closeEditor(editor);
  }
}

bool GimmickEditorWindow::save() {
  commitOpenEdit();
  const QString path = table_location::userTablePath();
  if (path.isEmpty()) {
    say(QStringLiteral("This system has no per-user data folder: use Save As."));
    return false;
  }
  return saveFile(path, TableDocument::Which::UserTable);
}

bool GimmickEditorWindow::saveAs(const QString& path) {
  commitOpenEdit();
  return saveFile(path, TableDocument::Which::SavedAs);
}

bool GimmickEditorWindow::saveFile(const QString& path, TableDocument::Which which) {
  if (const QString why = document_.saveTo(path, which); !why.isEmpty()) {
    say(QStringLiteral("Nothing saved to %1: %2. Your edits are kept.")
            .arg(command_line::shown(path), why));
    return false;
  }
  showSource();
  showFindings({}, {});
  if (which == TableDocument::Which::UserTable) {
    say(QStringLiteral(
            "Saved %1 gimmicks to your own table; the program reads it at its next start.")
            .arg(model().rowCount()));
  } else {
    say(QStringLiteral("Saved %1 gimmicks to %2.")
            .arg(model().rowCount())
            .arg(command_line::shown(path)));
  }
  return true;
}

// The user's own table goes to the wastebasket, never straight out of
// existence, so a wrong click can be taken back.
void GimmickEditorWindow::backToShippedTable() {
  if (!document_.hasUserTable()) {
    say(QStringLiteral("You have no table of your own: the program reads the shipped one."));
    return;
  }
  const QString userPath = table_location::userTablePath();
  QString question = QStringLiteral(
                         "Move your own table to the wastebasket, so that the program reads the "
                         "shipped table again?\n\n%1")
                         .arg(command_line::shown(userPath));
  if (document_.isModified()) question += QStringLiteral("\n\nYour unsaved changes will be lost.");
  if (QMessageBox::question(this, QStringLiteral("Back to the shipped table"), question,
                            QMessageBox::Yes | QMessageBox::Cancel,
                            QMessageBox::Cancel) != QMessageBox::Yes) {
    return;
  }
  if (!document_.moveUserTableToTrash()) {
    say(QStringLiteral("Your own table could not go to a wastebasket here, so it stays where it "
                       "is and the program still reads it. To go back to the shipped table, "
                       "remove %1 yourself.")
            .arg(command_line::shown(userPath)));
    return;
  }
  openProgramTable();
  say(
      QStringLiteral("Your own table is in the wastebasket, where you can restore it from; the "
                     "program reads the shipped table again."));
}

// As the gimmick window does it: one of the three finishers, each as likely,
// with its own note.
void GimmickEditorWindow::tryIt() {
  commitOpenEdit();
  const int row = currentRow();
  if (row < 0) {
    say(QStringLiteral("Choose a gimmick to try."));
    return;
  }
  const int roll = shared_random::wholeDraw(Gimmick::kFinishers);
  const Finisher finisher = model().table().finisher(row, roll);
  triedFinisher_->setText(finisher.move);
  triedNote_->setText(finisher.note);
  say(QStringLiteral("Row %1: finisher %2 of %3.").arg(row + 1).arg(roll).arg(Gimmick::kFinishers));
}

void GimmickEditorWindow::closeEvent(QCloseEvent* event) {
  if (maybeSave()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool GimmickEditorWindow::maybeSave() {
  commitOpenEdit();
  if (!document_.isModified()) return true;
  QMessageBox ask(QMessageBox::Warning, QStringLiteral("Unsaved changes"),
                  QStringLiteral("Save your changes to your own table?"),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  ask.setDefaultButton(QMessageBox::Save);
  switch (ask.exec()) {
    case QMessageBox::Save:
      return save();
    case QMessageBox::Discard:
      return true;
    default:
      return false;
  }
}

// A label with no accessible name of its own tells a screen reader that its
// name changed with its text, so a new message is heard as it appears; the
// line is cleared first, so that the same message said again is heard again.
void GimmickEditorWindow::say(const QString& message) {
  message_->clear();
  message_->setText(message);
}

// Which table is being edited, from where, and where Save writes.
void GimmickEditorWindow::showSource() {
  const QString userPath = table_location::userTablePath();
  source_->setText(QStringLiteral("%1: %2\nSave writes your own table: %3")
                       .arg(describe(document_.which()), command_line::shown(document_.path()),
                            userPath.isEmpty() ? QStringLiteral("(none on this system)")
                                               : command_line::shown(userPath)));
}

void GimmickEditorWindow::showFindings(const QString& heading, const QStringList& findings) {
  findings_->setPlainText(findings.isEmpty() ? QString() : heading + u'\n' + findings.join(u'\n'));
  findings_->setVisible(!findings.isEmpty());
}

// The table always has a current cell while it shows a row, from the start
// and after a filter, a deletion or a new table, so that the keys, Try it and
// a screen reader always have a cell to start from.
void GimmickEditorWindow::keepCurrentCell() {
  if (!view_->currentIndex().isValid() && filter_.rowCount() > 0) {
    view_->setCurrentIndex(filter_.index(0, 0));
  }
}

int GimmickEditorWindow::currentRow() const {
  return filter_.mapToSource(view_->currentIndex()).row();
}

void GimmickEditorWindow::selectRow(int row, int column) {
  view_->setCurrentIndex(filter_.mapFromSource(model().index(row, column)));
}

// A new row has no name yet, so a filter would hide it: the filter goes.
void GimmickEditorWindow::addRow() {
  nameFilter_->clear();
  const int row = model().rowCount();
  if (model().insertRows(row, 1)) selectRow(row);
  view_->setFocus();
}

void GimmickEditorWindow::insertRow() {
  const int current = currentRow();
  nameFilter_->clear();
  const int row = current < 0 ? 0 : current;
  if (model().insertRows(row, 1)) selectRow(row);
  view_->setFocus();
}

void GimmickEditorWindow::deleteRow() {
  const int row = currentRow();
  if (row < 0) {
    say(QStringLiteral("Choose a gimmick to delete."));
    return;
  }
  const int shownRow = view_->currentIndex().row();
  model().removeRows(row, 1);
  // The next gimmick shown takes its place, or the last one shown.
  if (const int shown = filter_.rowCount(); shown > 0) {
    view_->setCurrentIndex(filter_.index(std::min(shownRow, shown - 1), 0));
  }
}

void GimmickEditorWindow::moveRow(int offset) {
  const int row = currentRow();
  const int column = std::max(0, view_->currentIndex().column());
  if (row < 0) {
    say(QStringLiteral("Choose a gimmick to move."));
    return;
  }
  if (!model().moveGimmick(row, offset)) {
    say(offset < 0 ? QStringLiteral("Row %1 is the first already.").arg(row + 1)
                   : QStringLiteral("Row %1 is the last already.").arg(row + 1));
    return;
  }
  selectRow(row + offset, column);
}
