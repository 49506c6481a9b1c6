#include "ui/inputdialog.h"

#include <QLabel>
#include <QLineEdit>

CInputDialog::CInputDialog(QWidget* parent)
    : CommDialog(parent)
{
    m_edit = new QLineEdit(this);
    m_edit->setGeometry(40, 100, 360, 20);
    m_label->setGeometry(40, 60, 340, 25);
    m_label->setText(QStringLiteral("Please input the name:"));
    // Typing goes into the name; Enter accepts it (CommDialog).
    m_edit->setFocus(Qt::OtherFocusReason);
}

void CInputDialog::SetText(const QString& text)
{
    m_edit->setText(text.trimmed());
    m_edit->selectAll();
}

QString CInputDialog::GetText() const
{
    return m_edit->text().trimmed();
}
