// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader sees of a QTableView in the editor: the table, its
// header sections and its cells, numbered as Qt's item views number them in
// their accessibility events (the corner, the column headers, then each row
// after its row header). It replaces Qt 6.4's own accessible table, which
// hands the Linux accessibility bridge no cell where a row or column is out
// of range (a table emptied by a filter, a row a screen reader remembers
// after it was deleted), and the bridge then crashes the program: asked for
// a cell, this one always answers, with a stand-in that holds nothing where
// there is no such cell.
namespace table_view_accessible {

// Makes every QTableView made from now on answer through it; once is enough.
void install();

}  // namespace table_view_accessible
