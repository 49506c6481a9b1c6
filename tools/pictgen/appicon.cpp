#include "look.h"
#include "pictures.h"

#include <QLinearGradient>

using namespace Look;

QImage paintAppIcon(int size)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    prepare(p);
    // The title bar's green as a tile, so the white logo reads on any panel.
    const qreal margin = size / 16.0;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, kGreenLight);
    fill.setColorAt(1, kGreenDark);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(rounded(tile, tile.width() * 0.22));
    drawLogo(p, tile.center(), tile.width() * 0.40);
    return img;
}
