#include "ui/checkboxheaderview.h"

#include <QMouseEvent>

SCheckBoxHeaderView::SCheckBoxHeaderView(int selectionColumn, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
    , m_column(selectionColumn)
{
}

void SCheckBoxHeaderView::SetAllSelected(bool selected)
{
    m_allSelected = selected;
    updateSection(m_column);
}

void SCheckBoxHeaderView::mousePressEvent(QMouseEvent* event)
{
    if (logicalIndexAt(event->pos()) == m_column && event->pos().x() > 26) {
        m_allSelected = !m_allSelected;
        updateSection(m_column);
        emit checkStausChange(m_allSelected);
    }
    QHeaderView::mousePressEvent(event);
}
