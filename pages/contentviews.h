#pragma once

#include <QList>
#include <QString>

class IsoContentTree;
struct IsoEntry;
class QTableWidget;
class QTableWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;

// The folder tree and the four-column file table over an IsoContentTree,
// shared by the extract and the edit page. Tree items carry the IsoEntry
// pointer in column 0, Qt::UserRole; folder rows of the table carry the
// integer 1 there.
namespace ContentView {

// Clears the tree and shows the whole content: a top item with the label and
// the root, the folder tree below it, expanded. Returns the top item.
QTreeWidgetItem* ShowContent(QTreeWidget* tree, IsoContentTree& content);
// One item per sub-folder of `folder`, in listing order, recursively.
void BuildFolderTree(IsoEntry* folder, QTreeWidgetItem* parentItem);
// Appends the item of a folder added to `parentItem`'s folder, with the
// items of everything below it. Null for a file.
QTreeWidgetItem* AddFolderItem(QTreeWidgetItem* parentItem, IsoEntry* folder);
// Depth-first search from `start` (itself first) for the item of `entry`.
QTreeWidgetItem* FindTreeItem(QTreeWidgetItem* start, const IsoEntry* entry);
IsoEntry* EntryOfItem(const QTreeWidgetItem* item);

// Rebuilds the table from `folder`'s children, every check box unchecked.
// With a filter, only children whose display name contains it (any case) get
// a row. Returns the entry of each row, row by row.
QList<IsoEntry*> FillFileTable(QTableWidget* table, const IsoEntry* folder, const QString& filter = QString());

// Reveals the item of `folder`: expands its parent, selects and expands it.
void RevealFolder(QTreeWidget* tree, const IsoEntry* folder);
// The folder of the tree's current item after a click (null if none); the
// item is selected.
IsoEntry* FolderOfCurrentItem(QTreeWidget* tree);
// The row clicked at `x` (table coordinates) toggles its check box unless the
// click was on the box itself (x <= 16). True when toggled.
bool ToggleRowCheck(QTableWidget* table, QTableWidgetItem* item, int x);
// Checks or unchecks column 0 of every row.
void SetAllChecked(QTableWidget* table, bool checked);
// Rows whose column-0 box is checked, top to bottom.
QList<int> CheckedRows(QTableWidget* table);

// Column headers in order: "File Name", " Size", "Type", "Time" (translated
// by the caller).
constexpr int ColumnCount = 4;

} // namespace ContentView
