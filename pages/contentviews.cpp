#include "pages/contentviews.h"

#include "image/fileutils.h"
#include "image/isocontent.h"
#include "ui/fileicons.h"

#include <QApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>
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
    // Current as well, so the arrow keys go on from the folder shown.
    tree->setCurrentItem(item);
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

Navigation::Navigation(QTreeWidget* tree, QTableWidget* table, QObject* parent)
    : QObject(parent)
    , m_tree(tree)
    , m_table(table)
{
    tree->installEventFilter(this);
    table->installEventFilter(this);
    table->viewport()->installEventFilter(this);
    connect(tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (m_inTreeKey && current)
            emit folderChosen();
    });
}

bool Navigation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress)
        return tableKey(event);
    if (watched == m_tree && event->type() == QEvent::KeyPress)
        return treeKey(watched, event);
    if (watched == m_table->viewport())
        undoFirstClick(event);
    return false;
}

bool Navigation::tableKey(QEvent* event)
{
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        QTableWidgetItem* item = m_table->currentItem();
        QTableWidgetItem* first = item ? m_table->item(item->row(), 0) : nullptr;
        if (first && first->data(Qt::UserRole).toInt() == 1)
            emit openRequested();
        return true;
    }
    case Qt::Key_Backspace:
        emit upRequested();
        return true;
    case Qt::Key_Delete:
        emit deleteRequested();
        return true;
    case Qt::Key_F2:
        emit renameRequested();
        return true;
    default:
        return false;
    }
}

bool Navigation::treeKey(QObject* watched, QEvent* event)
{
    if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace) {
        emit upRequested();
        return true;
    }
    if (m_inTreeKey)
        return false;
    // Let the tree handle the key now, knowing that a change of its current
    // item comes from the keyboard (a programmatic one fills nothing).
    m_inTreeKey = true;
    QApplication::sendEvent(watched, event);
    m_inTreeKey = false;
    return true;
}

void Navigation::undoFirstClick(QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int row = m_table->rowAt(mouse->pos().y());
    QTableWidgetItem* first = row >= 0 ? m_table->item(row, 0) : nullptr;
    if (event->type() == QEvent::MouseButtonPress) {
        // A double-click comes as press, release, press, double-click: keep
        // the first press's record for it.
        m_firstPress = m_lastPress;
        m_lastPress = {first ? row : -1, first ? int(first->checkState()) : 0};
        m_firstPress.msecsBefore = m_pressClock.isValid() ? m_pressClock.restart() : -1;
        if (!m_pressClock.isValid())
            m_pressClock.start();
        return;
    }
    // The first click of a double-click toggled the row's box; the second
    // toggles nothing (the view takes it as the double-click, and a folder's
    // content is shown by then). A double-click leaves the box as it was.
    if (first && row == m_firstPress.row && m_firstPress.msecsBefore >= 0
        && m_firstPress.msecsBefore <= QApplication::doubleClickInterval()
        && int(first->checkState()) != m_firstPress.state)
        first->setCheckState(Qt::CheckState(m_firstPress.state));
}

} // namespace ContentView
