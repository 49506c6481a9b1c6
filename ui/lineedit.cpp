#include "ui/lineedit.h"

#include "ui/pictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <cstdlib>

CLineEdit::CLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setMouseTracking(true);
}

void CLineEdit::SetIcons(const QString& normal, const QString& focused, const QString& pressed, int iconX, int iconY)
{
    m_normal = normal;
    m_focused = focused;
    m_pressed = pressed;
    m_iconX = iconX;
    m_iconY = iconY;
    update();
}

QRect CLineEdit::IconRect() const
{
    const int left = m_iconX < 0 ? width() + m_iconX : m_iconX;
    const int top = m_iconY < 0 ? height() + m_iconY : m_iconY;
    const int side = height() - 2 * std::abs(m_iconY);
    return QRect(left, top, side, side);
}

void CLineEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QString name;
    if (!m_pressed.isEmpty()) {
        if (IconRect().contains(m_lastPos))
            name = m_leftHeld ? m_pressed : m_focused;
        else
            name = m_normal;
    } else {
        name = hasFocus() ? m_focused : m_normal;
    }
    if (name.isEmpty())
        return;
    const QPixmap pixmap = Pictures::Load(name);
    if (pixmap.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(IconRect().topLeft(), pixmap);
}

void CLineEdit::keyPressEvent(QKeyEvent* event)
{
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return)
        emit OnClicked();
}

// Press, move, enter and leave only repaint the icon: the field is picked
// through its icon, not edited with the mouse.
void CLineEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftHeld = true;
    m_lastPos = event->pos();
    update();
}

void CLineEdit::mouseMoveEvent(QMouseEvent* event)
{
    m_lastPos = event->pos();
    update();
}

void CLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftHeld = false;
    m_lastPos = event->pos();
    update();
    if (IconRect().contains(event->pos()))
        emit OnClicked();
}

void CLineEdit::enterEvent(QEvent* /*event*/)
{
    update();
}

void CLineEdit::leaveEvent(QEvent* /*event*/)
{
    m_lastPos = QPoint(-1, -1);
    update();
}
