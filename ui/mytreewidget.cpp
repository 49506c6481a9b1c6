#include "ui/mytreewidget.h"

#include <QMouseEvent>

CMyTreeWidget::CMyTreeWidget(QWidget* parent)
    : QTreeWidget(parent)
{
}

void CMyTreeWidget::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    if (!itemAt(event->pos()))
        clearSelection();
}
