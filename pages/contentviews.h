#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

class IsoContentTree;
struct IsoEntry;
class QTableWidget;
class QTableWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;
class QEvent;

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

// The keyboard and mouse rules of a folder tree with its file table, as
// desktop file managers have them: Enter (or a double-click) opens a folder
// row, Backspace goes up, the arrow keys in the tree change the table, and
// a double-click does not leave a row ticked by its first click.
// Delete and F2 in the table are announced for pages that act on them.
class Navigation : public QObject {
    Q_OBJECT
public:
    Navigation(QTreeWidget* tree, QTableWidget* table, QObject* parent);

signals:
    // The tree's current item was changed from the keyboard.
    void folderChosen();
    // Enter on a folder row; the table's current item is that row.
    void openRequested();
    void upRequested();
    void deleteRequested();
    void renameRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool tableKey(QEvent* event);
    bool treeKey(QObject* watched, QEvent* event);
    void undoFirstClick(QEvent* event);

    QTreeWidget* m_tree;
    QTableWidget* m_table;
    bool m_inTreeKey = false;
    // The row under a press and its box before that press; for the first
    // press of a pair also how long before the second it came.
    struct Press {
        int row = -1;
        int state = 0;
        qint64 msecsBefore = -1;
    };
    Press m_firstPress;
    Press m_lastPress;
    QElapsedTimer m_pressClock;
};

// Column headers in order: "File Name", " Size", "Type", "Time" (translated
// by the caller).
constexpr int ColumnCount = 4;

} // namespace ContentView
