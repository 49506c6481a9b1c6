#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

// The picture set (":/vud/...") at the screen's density: each picture has a
// twin drawn at twice the pixels ("NAME@2x"), taken when the window is scaled.
namespace Pictures {

// Null when the picture does not exist.
QPixmap Load(const QString& name);
// Size in window pixels, whatever the pixmap's density.
QSize SizeOf(const QPixmap& pixmap);
// `rect` in window pixels as the pixmap's own pixels, for drawPixmap's source.
QRectF DeviceRect(const QPixmap& pixmap, const QRect& rect);

} // namespace Pictures
