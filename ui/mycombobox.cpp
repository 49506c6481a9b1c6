#include "ui/mycombobox.h"

#include <QMouseEvent>

CMyComboBox::CMyComboBox(QWidget* parent)
    : QComboBox(parent)
{
}

void CMyComboBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit dropdownclicked();
    QComboBox::mousePressEvent(event);
}
