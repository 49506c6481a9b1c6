#include "ui/baseimagectrl.h"

#include "core/trace.h"
#include "ui/imagedialog.h"
#include "ui/pictures.h"

#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {
const QColor kGreen(98, 187, 151);

QFont sizedFont(const QFont& base, int pixelSize, int weight = -1)
{
    QFont font(base);
    font.setPixelSize(pixelSize);
    if (weight >= 0)
        font.setWeight(weight);
    return font;
}
} // namespace

CBaseImageCtrl::CBaseImageCtrl(QWidget* parent)
    : QWidget(parent)
{
    InitPictureResources();
    setEnabled(true);
    // Reached with Tab (a click does not move the focus away from a field).
    setFocusPolicy(Qt::TabFocus);
}

bool CBaseImageCtrl::SetImages(const QString& normal, const QString& hover, const QString& pressed,
    const QString& disabled, const QString& text, const QString& text2, int textStyle)
{
    const QPixmap base = Pictures::Load(normal);
    if (base.isNull()) {
        qCDebug(lcTrace) << "CBaseImageCtrl: can not load the image file" << normal;
        return false;
    }
    for (const QString& other : {hover, pressed, disabled}) {
        if (other.isEmpty())
            continue;
        // A further picture that fails to load is kept all the same: it simply
        // draws nothing in its state.
        const QPixmap pixmap = Pictures::Load(other);
        if (!pixmap.isNull() && Pictures::SizeOf(pixmap) != Pictures::SizeOf(base)) {
            qCDebug(lcTrace) << "CBaseImageCtrl: picture" << other << "differs in size from" << normal;
            return false;
        }
    }
    m_normal = normal;
    m_hover = hover;
    m_pressed = pressed;
    m_disabled = disabled;
    m_text = text;
    m_text2 = text2;
    m_textStyle = textStyle;
    m_frameCount = 0;
    applyAutoSize();
    update();
    return true;
}

void CBaseImageCtrl::SetImageStrip(const QString& name, int frameCount, const QString& text, int textStyle)
{
    m_normal = name;
    m_frameCount = frameCount;
    m_text = text;
    m_textStyle = textStyle;
    applyAutoSize();
    update();
}

void CBaseImageCtrl::SetText(const QString& text)
{
    m_text = text;
    update();
}

void CBaseImageCtrl::applyAutoSize()
{
    if (m_normal.isEmpty())
        return;
    const QPixmap pixmap = Pictures::Load(m_normal);
    if (pixmap.isNull()) {
        qCDebug(lcTrace) << "CBaseImageCtrl: can not load the image file" << m_normal;
        return;
    }
    QSize size = Pictures::SizeOf(pixmap);
    if (m_frameCount >= 2)
        size.setWidth(size.width() / m_frameCount);
    setFixedSize(size);
}

CBaseImageCtrl::Look CBaseImageCtrl::CurrentLook() const
{
    if (!isEnabled())
        return Look::Disabled;
    const bool over = m_mouseOver && m_cursorInside;
    if (over && m_leftHeld)
        return Look::Pressed;
    if (over)
        return Look::Hover;
    return Look::Normal;
}

void CBaseImageCtrl::SourceFor(Look look, QString* name, QRect* source) const
{
    *name = QString();
    *source = QRect();
    if (m_frameCount < 2) {
        switch (look) {
        case Look::Disabled:
            *name = m_disabled.isEmpty() ? m_normal : m_disabled;
            break;
        case Look::Pressed:
            *name = m_pressed;
            break;
        case Look::Hover:
            *name = m_hover;
            break;
        case Look::Normal:
            *name = m_normal;
            break;
        }
        const QPixmap pixmap = name->isEmpty() ? QPixmap() : Pictures::Load(*name);
        if (!pixmap.isNull())
            *source = QRect(QPoint(), Pictures::SizeOf(pixmap));
        return;
    }
    *name = m_normal;
    const QPixmap pixmap = Pictures::Load(m_normal);
    if (pixmap.isNull())
        return;
    const QSize whole = Pictures::SizeOf(pixmap);
    const int w = whole.width() / m_frameCount;
    int x = 0;
    switch (look) {
    case Look::Disabled:
        x = m_frameCount > 3 ? 3 * w : 0;
        break;
    case Look::Pressed:
        x = 2 * w;
        break;
    case Look::Hover:
        x = w;
        break;
    case Look::Normal:
        x = 0;
        break;
    }
    *source = QRect(x, 0, w, whole.height());
}

void CBaseImageCtrl::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const Look look = CurrentLook();
    QString name;
    QRect source;
    SourceFor(look, &name, &source);
    if (!name.isEmpty() && source.isValid()) {
        const QPixmap pixmap = Pictures::Load(name);
        if (!pixmap.isNull()) {
            const QPoint at((width() - source.width()) / 2, (height() - source.height()) / 2);
            painter.drawPixmap(QRectF(at, source.size()), pixmap, Pictures::DeviceRect(pixmap, source));
        }
    }
    drawText(painter, look);
    if (hasFocus()) {
        // A dotted frame inside the picture, as a focused push button has.
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    }
}

void CBaseImageCtrl::Click()
{
    if (!isEnabled())
        return;
    emit clicked(true);
    emit clicked();
}

void CBaseImageCtrl::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            Click();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CBaseImageCtrl::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void CBaseImageCtrl::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

QList<CBaseImageCtrl::TextPlacement> CBaseImageCtrl::TextPlacements(Look look) const
{
    const bool pressed = look == Look::Pressed;
    const bool over = look == Look::Hover || look == Look::Pressed;
    const QFont base = font();
    const QRect whole(0, 0, width(), height());
    const int centred = Qt::AlignHCenter | Qt::AlignVCenter;
    QList<TextPlacement> out;
    auto place = [&](const QColor& colour, const QFont& font, const QRect& rect, int flags, const QString& text) {
        out.append({text, font, rect, flags, colour});
    };

    switch (m_textStyle) {
    case 1:
        place(
            pressed ? Qt::white : Qt::gray, sizedFont(base, 13), QRect(0, 0, width(), height() + 90), centred, m_text2);
        place(pressed ? Qt::white : Qt::black, sizedFont(base, 16, 50), QRect(0, 0, width(), height() + 35), centred,
            m_text);
        break;
    case 2:
        place(Qt::white, base, QRect(0, 0, width(), height() + 40), centred, m_text);
        break;
    case 3:
        place(Qt::white, sizedFont(base, 14), whole, centred, m_text);
        break;
    case 4:
    case 10:
    case 11:
    case 13:
    case 14:
    case 15:
        place(Qt::white, sizedFont(base, 12), whole, centred, m_text);
        break;
    case 5:
    case 7:
    case 8:
    case 12:
        place(over ? Qt::white : kGreen, sizedFont(base, 12), whole, centred, m_text);
        break;
    case 6:
        place(over ? Qt::white : kGreen, sizedFont(base, 14, 50), whole, centred, m_text);
        break;
    case 9:
        place(Qt::darkGray, sizedFont(base, 12), QRect(22, 2, width() - 22, height() - 2), Qt::AlignLeft, m_text);
        break;
    case 16:
        place(look == Look::Disabled || !over ? kGreen : QColor(Qt::white), sizedFont(base, 14, 50), whole, centred,
            m_text);
        break;
    default:
        break;
    }
    return out;
}

void CBaseImageCtrl::drawText(QPainter& painter, Look look)
{
    for (const TextPlacement& t : TextPlacements(look)) {
        painter.setPen(QPen(t.colour, 1, Qt::SolidLine));
        painter.setFont(t.font);
        painter.drawText(t.rect, t.flags, t.text);
    }
}

void CBaseImageCtrl::enterEvent(QEvent* event)
{
    m_mouseOver = true;
    m_cursorInside = true;
    update();
    QWidget::enterEvent(event);
}

void CBaseImageCtrl::leaveEvent(QEvent* event)
{
    m_mouseOver = false;
    m_cursorInside = false;
    update();
    QWidget::leaveEvent(event);
}

void CBaseImageCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftHeld = true;
    m_cursorInside = rect().contains(event->pos());
    // A press always happens over the control, even if no enter event came
    // first (a window that just appeared under the cursor).
    if (m_cursorInside)
        m_mouseOver = true;
    repaint();
}

void CBaseImageCtrl::mouseMoveEvent(QMouseEvent* event)
{
    m_cursorInside = rect().contains(event->pos());
    update();
}

void CBaseImageCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftHeld = false;
    m_cursorInside = rect().contains(event->pos());
    repaint();
    if (m_mouseOver && m_cursorInside) {
        emit clicked(true);
        emit clicked();
    }
}
