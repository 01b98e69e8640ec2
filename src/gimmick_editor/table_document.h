// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gimmick_editor/gimmick_table_model.h"
#include "gimmick_editor/table_edits.h"

#include <QString>
#include <QStringList>
#include <QUndoStack>

// The table being edited and the file it belongs to, apart from the window
// that shows them: which table it is, its path, its history of changes (the
// undo stack, where every edit of the model goes as a command) and whether
// it is saved (that history's clean state). Files are read and written
// through the data layer the program and the table tool use: data files
// refused as the program refuses them, text converted as the tool converts
// it, every write whole or not at all. Nothing is ever written beside the
// program.
class TableDocument : private TableHistory {
 public:
  enum class Which {
    None,          // no table at all yet: the program would create one at path()
    UserTable,     // the user's own, which the program reads first
    ShippedTable,  // the one beside the program
    OpenedFile,    // a data file the user opened
    SavedAs,       // the file the table was last saved as
  };

  struct Opened {
    bool opened = false;
    QString problem;  // why nothing was opened: "it is a named pipe, not a file"
    // For a data file, each record the program reads differently from its
    // bytes ("record 3: ..."); for a text, its refused lines ("line 4: ...").
    QStringList findings;
  };

  // `programDirectory` holds the shipped table.
  explicit TableDocument(const QString& programDirectory);

  GimmickTableModel& model() { return model_; }
  const GimmickTableModel& model() const { return model_; }
  // Every change to the table since it was opened, for Undo and Redo.
  QUndoStack* undoStack() { return &undoStack_; }
  Which which() const { return which_; }
  const QString& path() const { return path_; }
  // Changed since it was opened or last saved: its history is not where it
  // was then.
  bool isModified() const { return !undoStack_.isClean(); }

  // The table the program reads: the user's own when anything stands at its
  // path, otherwise the shipped one. One that cannot be opened gives an empty
  // table, still named as that table.
  Opened openProgramTable();
  // A data file; when it is refused the document stays as it was.
  Opened open(const QString& path);
  // Text in the table tool's format, as one change that can be undone;
  // nothing changes when a line is refused.
  Opened importText(const QString& path);
  // The table as the tool's text. Empty when written; otherwise why not.
  QString exportText(const QString& path) const;
  // The table as a data file at `path`, which becomes the document's file:
  // the user's own table (`which` is UserTable: its folder is made when
  // missing) or any other (SavedAs). Empty when saved; otherwise why not,
  // and the edits stay unsaved.
  QString saveTo(const QString& path, Which which);

  // True when anything stands at the user's own table's path.
  bool hasUserTable() const;
  // The user's own table to the desktop's wastebasket, where it can be
  // restored from; false when there is none here.
  bool moveUserTableToTrash();

 private:
  Opened openData(const QString& path, Which which);

  // The model's changes, each pushed on the undo stack as its command.
  void editField(TableEdits& table, int row, int field, const QString& before,
                 const QString& after) override;
  void insertGimmicks(TableEdits& table, int row, const QList<Gimmick>& gimmicks) override;
  void removeGimmicks(TableEdits& table, int row, const QList<Gimmick>& gimmicks) override;
  void moveGimmick(TableEdits& table, int from, int to) override;
  void replaceTable(TableEdits& table, const GimmickTable& before, const GimmickTable& after,
                    const QString& description) override;
  void forget() override;

  QString programDirectory_;
  QUndoStack undoStack_;  // before the model, which changes through it
  GimmickTableModel model_{*this};
  Which which_ = Which::None;
  QString path_;
};
