#include "pages/searchhits.h"

#include "image/contentsearch.h"
#include "image/isocontent.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
constexpr int VisibleRows = 10;
}

SearchHits::SearchHits(QLineEdit* box, QWidget* parent)
    : QTreeWidget(parent)
    , m_box(box)
{
    setObjectName(QStringLiteral("searchhits"));
    setColumnCount(2);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    hide();
    m_box->installEventFilter(this);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { choose(item); });
    // A click anywhere else closes the list, as a completer's does.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now != m_box && now != this && !isAncestorOf(now))
            hide();
    });
}

void SearchHits::ShowHits(const QList<IsoEntry*>& hits, bool more)
{
    clear();
    m_entries = hits;
    if (hits.isEmpty()) {
        hide();
        return;
    }
    for (const IsoEntry* entry : hits) {
        auto* item = new QTreeWidgetItem(this);
        item->setText(0, DisplayName(LastPathComponent(entry->name)));
        item->setText(1, FolderPathOf(*entry));
        item->setForeground(1, palette().brush(QPalette::Disabled, QPalette::Text));
    }
    if (more) {
        auto* item = new QTreeWidgetItem(this, {QStringLiteral("…")});
        item->setFlags(Qt::NoItemFlags);
    }
    const int rowHeight = qMax(sizeHintForRow(0), 1);
    setFixedHeight(rowHeight * qMin(topLevelItemCount(), VisibleRows) + 2 * frameWidth());
    show();
    raise();
}

IsoEntry* SearchHits::EntryOf(const QTreeWidgetItem* item) const
{
    const int row = item ? indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) : -1;
    return row >= 0 && row < m_entries.size() ? m_entries.at(row) : nullptr;
}

void SearchHits::choose(QTreeWidgetItem* item)
{
    IsoEntry* entry = EntryOf(item);
    if (!entry)
        return;
    hide();
    emit chosen(entry);
}

bool SearchHits::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::KeyPress && !isHidden()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down) {
            setFocus();
            setCurrentItem(topLevelItem(0));
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose(topLevelItem(0));
            return true;
        }
        if (key == Qt::Key_Escape) {
            hide();
            return true;
        }
    }
    return QTreeWidget::eventFilter(watched, event);
}

void SearchHits::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose(currentItem());
        return;
    case Qt::Key_Escape:
        hide();
        m_box->setFocus();
        return;
    case Qt::Key_Up:
        if (currentItem() == topLevelItem(0)) {
            m_box->setFocus(); // back to typing
            return;
        }
        break;
    default:
        break;
    }
    QTreeWidget::keyPressEvent(event);
}
