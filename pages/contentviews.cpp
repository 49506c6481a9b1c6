#include "pages/contentviews.h"

#include "image/fileutils.h"
#include "image/isocontent.h"
#include "ui/fileicons.h"

#include <QDebug>
#include <QTableWidget>
#include <QTreeWidget>

Q_DECLARE_METATYPE(IsoEntry*)

namespace ContentView {

QTreeWidgetItem* ShowContent(QTreeWidget* tree, IsoContentTree& content)
{
    tree->clear();
    auto* top = new QTreeWidgetItem(QStringList(content.label));
    top->setData(0, Qt::UserRole, QVariant::fromValue<IsoEntry*>(&content.root));
    tree->addTopLevelItem(top);
    BuildFolderTree(&content.root, top);
    top->setIcon(0, FolderIcon());
    top->setExpanded(true);
    return top;
}

static QTreeWidgetItem* folderItem(IsoEntry* folder, const QIcon& icon)
{
    auto* item = new QTreeWidgetItem(QStringList(LastPathComponent(folder->name)));
    item->setIcon(0, icon);
    item->setData(0, Qt::UserRole, QVariant::fromValue<IsoEntry*>(folder));
    BuildFolderTree(folder, item);
    return item;
}

void BuildFolderTree(IsoEntry* folder, QTreeWidgetItem* parentItem)
{
    if (!folder || !parentItem)
        return;
    const QIcon icon = FolderIcon();
    QList<QTreeWidgetItem*> items;
    for (int i = 0; i < folder->childCount(); ++i) {
        IsoEntry* child = folder->child(i);
        if (child->isDir)
            items << folderItem(child, icon);
    }
    // One insertion for all siblings: much faster than one by one.
    parentItem->addChildren(items);
}

QTreeWidgetItem* AddFolderItem(QTreeWidgetItem* parentItem, IsoEntry* folder)
{
    if (!parentItem || !folder || !folder->isDir)
        return nullptr;
    QTreeWidgetItem* item = folderItem(folder, FolderIcon());
    parentItem->addChild(item);
    return item;
}

IsoEntry* EntryOfItem(const QTreeWidgetItem* item)
{
    return item ? item->data(0, Qt::UserRole).value<IsoEntry*>() : nullptr;
}

QTreeWidgetItem* FindTreeItem(QTreeWidgetItem* start, const IsoEntry* entry)
{
    if (!start || !entry)
        return nullptr;
    if (EntryOfItem(start) == entry)
        return start;
    for (int i = 0; i < start->childCount(); ++i)
        if (QTreeWidgetItem* found = FindTreeItem(start->child(i), entry))
            return found;
    return nullptr;
}

QList<IsoEntry*> FillFileTable(QTableWidget* table, const IsoEntry* folder, const QString& filter)
{
    QList<IsoEntry*> rows;
    table->setRowCount(0);
    if (!folder)
        return rows;
    const QString wanted = filter.trimmed();
    for (int i = 0; i < folder->childCount(); ++i) {
        IsoEntry* child = folder->child(i);
        if (!wanted.isEmpty() && !LastPathComponent(child->name).contains(wanted, Qt::CaseInsensitive))
            continue;
        rows << child;
    }
    const bool sorting = table->isSortingEnabled();
    table->setSortingEnabled(false);
    table->setRowCount(rows.size());
    const QIcon folderIcon = FolderIcon();
    for (int r = 0; r < rows.size(); ++r) {
        const IsoEntry* child = rows.at(r);
        const QString display = LastPathComponent(child->name);
        auto* nameItem = new QTableWidgetItem(child->isDir ? folderIcon : FileIconFor(display), display);
        nameItem->setCheckState(Qt::Unchecked);
        if (child->isDir) {
            nameItem->setData(Qt::UserRole, 1);
            table->setItem(r, 1, new QTableWidgetItem(QString()));
            table->setItem(r, 2, new QTableWidgetItem(QStringLiteral("Folder")));
        } else {
            table->setItem(r, 1, new QTableWidgetItem(FormatSize(qint64(child->size()))));
            table->setItem(r, 2, new QTableWidgetItem(FileTypeFor(display)));
        }
        table->setItem(r, 0, nameItem);
        table->setItem(r, 3, new QTableWidgetItem(child->dateText));
    }
    table->setSortingEnabled(sorting);
    return rows;
}

void RevealFolder(QTreeWidget* tree, const IsoEntry* folder)
{
    if (!tree || tree->topLevelItemCount() == 0)
        return;
    QTreeWidgetItem* item = FindTreeItem(tree->topLevelItem(0), folder);
    if (!item)
        return;
    if (QTreeWidgetItem* parent = item->parent())
        if (!parent->isExpanded())
            parent->setExpanded(true);
    tree->clearSelection();
    item->setSelected(true);
    item->setExpanded(true);
    tree->scrollToItem(item);
}

IsoEntry* FolderOfCurrentItem(QTreeWidget* tree)
{
    QTreeWidgetItem* item = tree ? tree->currentItem() : nullptr;
    if (!item)
        return nullptr;
    item->setSelected(true);
    return EntryOfItem(item);
}

bool ToggleRowCheck(QTableWidget* table, QTableWidgetItem* item, int x)
{
    if (!table || !item || item->tableWidget() != table)
        return false;
    const int row = item->row();
    if (row < 0 || row >= table->rowCount())
        return false;
    if (x <= 16)
        return false; // the box toggles itself
    QTableWidgetItem* first = table->item(row, 0);
    if (!first)
        return false;
    if (first->checkState() == Qt::Checked)
        first->setCheckState(Qt::Unchecked);
    else if (first->checkState() == Qt::Unchecked)
        first->setCheckState(Qt::Checked);
    else
        return false;
    return true;
}

void SetAllChecked(QTableWidget* table, bool checked)
{
    for (int r = 0; r < table->rowCount(); ++r)
        if (QTableWidgetItem* item = table->item(r, 0))
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QList<int> CheckedRows(QTableWidget* table)
{
    QList<int> rows;
    for (int r = 0; r < table->rowCount(); ++r)
        if (QTableWidgetItem* item = table->item(r, 0))
            if (item->checkState() == Qt::Checked)
                rows << r;
    return rows;
}

} // namespace ContentView
