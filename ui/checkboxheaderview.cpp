#include "ui/checkboxheaderview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionHeader>

namespace {
// Presses at or left of this x do not toggle (the rows' own boxes sit there),
// so the header's box is drawn right of it, where a press does toggle.
constexpr int ToggleFrom = 27;
} // namespace

SCheckBoxHeaderView::SCheckBoxHeaderView(int selectionColumn, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
    , m_column(selectionColumn)
{
}

void SCheckBoxHeaderView::SetAllSelected(bool selected)
{
    if (m_allSelected == selected)
        return;
    m_allSelected = selected;
    updateSection(m_column);
}

QRect SCheckBoxHeaderView::CheckBoxRect(const QRect& section) const
{
    QStyleOptionButton box;
    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &box, this);
    return QRect(section.left() + ToggleFrom + 1, section.center().y() - indicator.height() / 2, indicator.width(),
        indicator.height());
}

void SCheckBoxHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (logicalIndex != m_column || !model()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    painter->save();
    QStyleOptionHeader header;
    initStyleOption(&header);
    header.rect = rect;
    header.section = logicalIndex;
    header.text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    header.textAlignment = defaultAlignment();
    style()->drawControl(QStyle::CE_HeaderSection, &header, painter, this);
    const QRect box = CheckBoxRect(rect);
    header.rect = rect.adjusted(box.right() + 4 - rect.left(), 0, 0, 0);
    style()->drawControl(QStyle::CE_HeaderLabel, &header, painter, this);

    QStyleOptionButton check;
    check.rect = box;
    check.state = QStyle::State_Enabled | (m_allSelected ? QStyle::State_On : QStyle::State_Off);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &check, painter, this);
    painter->restore();
}

bool SCheckBoxHeaderView::OnCheckBox(const QPoint& pos) const
{
    if (logicalIndexAt(pos) != m_column)
        return false;
    const int left = sectionViewportPosition(m_column);
    const QRect section(left, 0, sectionSize(m_column), height());
    // From the rows' box margin to a little right of the header's box: a
    // press on the caption or on a column border (to resize) does not toggle.
    const QRect box = CheckBoxRect(section);
    return pos.x() >= left + ToggleFrom && pos.x() <= box.right() + 4;
}

void SCheckBoxHeaderView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && OnCheckBox(event->pos())) {
        m_allSelected = !m_allSelected;
        updateSection(m_column);
        emit checkStausChange(m_allSelected);
    }
    QHeaderView::mousePressEvent(event);
}
