#include "ui/imagedialog.h"

#include "core/trace.h"
#include "ui/compositor.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QDebug>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <qdrawutil.h>

void InitPictureResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    Q_UNUSED(done);
}

ImageDialog::ImageDialog(QWidget* /*parent*/)
    : QDialog(nullptr, Qt::FramelessWindowHint)
{
    InitPictureResources();
    setWindowTitle(QStringLiteral("Quillon"));
    setModal(true);
    setWindowFlags(Qt::FramelessWindowHint);
    setAutoFillBackground(false);
    SetTranslucent(Translucent());
}

bool ImageDialog::Translucent()
{
    static const bool composites = Platform::desktopComposites();
    return composites;
}

bool ImageDialog::SetBackgroundImage(const QString& name)
{
    if (name.isEmpty())
        return false;
    const QPixmap pixmap = Pictures::Load(name);
    if (pixmap.isNull()) {
        qCDebug(lcTrace) << "Can not load the image file " << name;
        return false;
    }
    setFixedSize(Pictures::SizeOf(pixmap));
    m_imageName = name;
    // The body's colour where its top edge turns opaque, below any shadow.
    const QImage image = pixmap.toImage();
    m_cornerColor = QColor();
    for (int y = 0; y < image.height() && !m_cornerColor.isValid(); ++y)
        if (qAlpha(image.pixel(image.width() / 2, y)) == 255)
            m_cornerColor = image.pixelColor(image.width() / 2, y);
    update();
    return true;
}

void ImageDialog::GrowToText(QLabel* label)
{
    if (!label || label->parentWidget() != this)
        return; // not a label of ours, or already made to scroll
    label->ensurePolished();
    const QWidget* active = QApplication::activeWindow();
    const QScreen* screen = active && active->screen() ? active->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() - QSize(40, 40) : size();
    const QRect before = label->geometry();

    int extraWidth = 0;
    if (!label->wordWrap()) {
        const int natural = label->sizeHint().width();
        extraWidth = qBound(0, natural - before.width(), qMax(0, room.width() - width()));
        if (natural > before.width() + extraWidth)
            label->setWordWrap(true);
    }
    const int labelWidth = before.width() + extraWidth;
    const int needed = label->wordWrap() ? label->heightForWidth(labelWidth) : label->sizeHint().height();
    const int extraHeight = qBound(0, needed - before.height(), qMax(0, room.height() - height()));
    if (extraWidth == 0 && extraHeight == 0 && needed <= before.height())
        return;

    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child == label)
            continue;
        if (child->y() >= before.bottom())
            child->move(child->x() + extraWidth / 2, child->y() + extraHeight); // keeps centred buttons centred
        else if (child->geometry().right() >= width() - 60)
            child->move(child->x() + extraWidth, child->y()); // the close button
    }
    setFixedSize(width() + extraWidth, height() + extraHeight);
    const QRect grown(before.topLeft(), QSize(labelWidth, before.height() + extraHeight));
    if (needed <= grown.height()) {
        label->setGeometry(grown);
        return;
    }
    // Longer than the screen: the text scrolls, the buttons stay in view.
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("textscroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setGeometry(grown);
    area->setAutoFillBackground(false);
    area->viewport()->setAutoFillBackground(false);
    label->setWordWrap(true);
    const int inner = grown.width() - area->verticalScrollBar()->sizeHint().width();
    area->setWidget(label);
    label->setAutoFillBackground(false);
    label->resize(inner, label->heightForWidth(inner));
    area->show();
}

void ImageDialog::SetBackgroundColor(const QColor& color)
{
    m_backgroundColor = color;
    QPalette pal = palette();
    pal.setBrush(QPalette::All, QPalette::Window, QBrush(color));
    setPalette(pal);
    setAutoFillBackground(true);
}

void ImageDialog::SetDragEnabled(bool enabled)
{
    m_dragEnabled = enabled;
}

void ImageDialog::slot_minWindow()
{
    showMinimized();
}

void ImageDialog::paintEvent(QPaintEvent* event)
{
    if (!m_imageName.isEmpty()) {
        const QPixmap pixmap = Pictures::Load(m_imageName);
        if (!pixmap.isNull()) {
            QPainter painter(this);
            if (!testAttribute(Qt::WA_TranslucentBackground) && m_cornerColor.isValid())
                painter.fillRect(rect(), m_cornerColor);
            const QSize own = Pictures::SizeOf(pixmap);
            if (own == size()) {
                painter.drawPixmap(0, 0, pixmap);
            } else {
                // Grown to its text: corners and shadow edges keep their size.
                const int m = qMin(48, qMin(own.width(), own.height()) / 3);
                qDrawBorderPixmap(&painter, rect(), QMargins(m, m, m, m), pixmap);
            }
        }
    }
    QDialog::paintEvent(event);
}

void ImageDialog::mousePressEvent(QMouseEvent* event)
{
    m_mousePressed = true;
    m_dragX = event->globalPos().x() - pos().x();
    m_dragY = event->globalPos().y() - pos().y();
    QDialog::mousePressEvent(event);
}

void ImageDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_mousePressed && event->buttons() != Qt::NoButton && m_dragEnabled) {
        move(event->globalPos().x() - m_dragX, event->globalPos().y() - m_dragY);
        m_dragX = event->globalPos().x() - pos().x();
        m_dragY = event->globalPos().y() - pos().y();
    }
}

void ImageDialog::mouseReleaseEvent(QMouseEvent* /*event*/)
{
    m_mousePressed = false;
}

void ImageDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    repaint();
    emit sigvisable(true);
}

void ImageDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    emit sigvisable(false);
}

void ImageDialog::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    emit sigmove();
}

void ImageDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    emit sigmove();
}

void ImageDialog::changeEvent(QEvent* event)
{
    // Not passed on to QDialog on purpose: a language change is handled by
    // the pages themselves.
    if (event->type() == QEvent::WindowStateChange || event->type() == QEvent::ActivationChange) {
        if (windowState() == Qt::WindowActive)
            emit sigvisable(true);
    }
}
