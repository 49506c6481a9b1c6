#include "ui/imagedialog.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

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
    setAttribute(Qt::WA_TranslucentBackground, true);
}

bool ImageDialog::SetBackgroundImage(const QString& name)
{
    if (name.isEmpty())
        return false;
    QPixmap pixmap;
    if (!pixmap.load(name)) {
        qDebug() << "Can not load the image file " << name;
        return false;
    }
    setFixedSize(pixmap.size());
    m_imageName = name;
    update();
    return true;
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
        QPixmap pixmap;
        if (pixmap.load(m_imageName)) {
            QPainter painter(this);
            if (pixmap.width() == width() && pixmap.height() < height()) {
                // A window grown for its text: the picture keeps its look,
                // a plain row above the bottom edge fills the extra height.
                const int bottom = qMin(12, pixmap.height() - 1);
                const int top = pixmap.height() - bottom;
                painter.drawPixmap(0, 0, pixmap, 0, 0, width(), top);
                painter.drawPixmap(QRect(0, top, width(), height() - pixmap.height()), pixmap,
                                   QRect(0, top - 1, width(), 1));
                painter.drawPixmap(0, height() - bottom, pixmap, 0, top, width(), bottom);
            } else {
                painter.drawPixmap(QRect(0, 0, width(), height()), pixmap);
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
