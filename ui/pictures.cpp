#include "ui/pictures.h"

#include <QGuiApplication>

namespace Pictures {

QPixmap Load(const QString& name)
{
    QPixmap pixmap;
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0 && pixmap.load(name + QStringLiteral("@2x"))) {
        pixmap.setDevicePixelRatio(2.0);
        return pixmap;
    }
    pixmap.load(name);
    return pixmap;
}

QSize SizeOf(const QPixmap& pixmap)
{
    const qreal ratio = pixmap.devicePixelRatio();
    return QSize(qRound(pixmap.width() / ratio), qRound(pixmap.height() / ratio));
}

QRectF DeviceRect(const QPixmap& pixmap, const QRect& rect)
{
    const qreal ratio = pixmap.devicePixelRatio();
    return QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio);
}

} // namespace Pictures
