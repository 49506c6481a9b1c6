// The small glyphs drawn on buttons and in lists.
#include "look.h"

#include <QPainterPath>
#include <QtMath>

namespace Look {

void iconFolder(QPainter& p, const QRectF& r, const QColor& c)
{
    p.save();
    QPainterPath path;
    const qreal tab = r.height() * 0.22;
    path.moveTo(r.left(), r.top() + tab);
    path.lineTo(r.left(), r.top() + 1);
    path.quadTo(r.left(), r.top(), r.left() + 1, r.top());
    path.lineTo(r.left() + r.width() * 0.36, r.top());
    path.lineTo(r.left() + r.width() * 0.48, r.top() + tab);
    path.lineTo(r.right(), r.top() + tab);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(c, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.drawLine(QPointF(r.left(), r.top() + tab * 2), QPointF(r.right(), r.top() + tab * 2));
    p.restore();
}

void iconRefresh(QPainter& p, QPointF c, qreal r, const QColor& col)
{
    p.save();
    p.setPen(QPen(col, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF arc(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.drawArc(arc, 60 * 16, 105 * 16);
    p.drawArc(arc, 240 * 16, 105 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    auto head = [&](qreal deg, qreal dir) {
        const qreal a = qDegreesToRadians(deg);
        const QPointF at(c.x() + r * qCos(a), c.y() - r * qSin(a));
        // Tangent pointing along the arc's direction (counter-clockwise = dir 1).
        const QPointF t(-qSin(a) * dir, -qCos(a) * dir);
        const QPointF n(qCos(a), -qSin(a));
        const qreal s = r * 0.62;
        QPolygonF tri;
        tri << at + t * s * 1.1 << at - t * s * 0.2 - n * s * 0.8 << at - t * s * 0.2 + n * s * 0.8;
        p.drawPolygon(tri);
    };
    head(180, 1);
    head(0, 1);
    p.restore();
}

void iconPlus(QPainter& p, const QRectF& r, const QColor& c)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(r);
    p.setPen(QPen(kWhite, 1.8, Qt::SolidLine, Qt::FlatCap));
    const QPointF m = r.center();
    const qreal a = r.width() * 0.27;
    p.drawLine(QPointF(m.x() - a, m.y()), QPointF(m.x() + a, m.y()));
    p.drawLine(QPointF(m.x(), m.y() - a), QPointF(m.x(), m.y() + a));
    p.restore();
}

void iconExport(QPainter& p, const QRectF& r, const QColor& c)
{
    p.save();
    p.setPen(QPen(c, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    // Tray.
    QPainterPath tray;
    tray.moveTo(r.left(), r.top() + r.height() * 0.55);
    tray.lineTo(r.left(), r.bottom());
    tray.lineTo(r.right(), r.bottom());
    tray.lineTo(r.right(), r.top() + r.height() * 0.55);
    p.drawPath(tray);
    // Arrow out of it.
    const qreal cx = r.center().x();
    p.drawLine(QPointF(cx, r.top()), QPointF(cx, r.top() + r.height() * 0.68));
    p.drawLine(QPointF(cx, r.top()), QPointF(cx - r.width() * 0.28, r.top() + r.height() * 0.28));
    p.drawLine(QPointF(cx, r.top()), QPointF(cx + r.width() * 0.28, r.top() + r.height() * 0.28));
    p.restore();
}

void iconRename(QPainter& p, const QRectF& r, const QColor& c)
{
    // A pencil over a baseline.
    p.save();
    p.setPen(QPen(c, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.translate(r.left() + 2, r.bottom() - 3.5);
    p.rotate(-45);
    const qreal len = r.width() * 0.95, w = 4.2;
    QPainterPath pencil;
    pencil.moveTo(0, 0);
    pencil.lineTo(w, -w / 2);
    pencil.lineTo(len, -w / 2);
    pencil.lineTo(len, w / 2);
    pencil.lineTo(w, w / 2);
    pencil.closeSubpath();
    p.drawPath(pencil);
    p.drawLine(QPointF(len - 2.6, -w / 2), QPointF(len - 2.6, w / 2));
    p.restore();
    p.save();
    p.setPen(QPen(c, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + r.width() * 0.5, r.bottom() - 0.5), QPointF(r.right(), r.bottom() - 0.5));
    p.restore();
}

void iconTrash(QPainter& p, const QRectF& r, const QColor& c)
{
    p.save();
    p.setPen(QPen(c, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal lidY = r.top() + r.height() * 0.2;
    p.drawLine(QPointF(r.left(), lidY), QPointF(r.right(), lidY));
    p.drawLine(QPointF(r.center().x() - 2.5, r.top()), QPointF(r.center().x() + 2.5, r.top()));
    QPainterPath can;
    can.moveTo(r.left() + r.width() * 0.12, lidY);
    can.lineTo(r.left() + r.width() * 0.2, r.bottom());
    can.lineTo(r.right() - r.width() * 0.2, r.bottom());
    can.lineTo(r.right() - r.width() * 0.12, lidY);
    p.drawPath(can);
    p.setPen(QPen(c, 1.0, Qt::SolidLine, Qt::RoundCap));
    for (qreal f : {0.38, 0.62})
        p.drawLine(QPointF(r.left() + r.width() * f, lidY + 3), QPointF(r.left() + r.width() * f, r.bottom() - 2.5));
    p.restore();
}

void iconNewFolder(QPainter& p, const QRectF& r, const QColor& c)
{
    iconFolder(p, r.adjusted(0, 1, -2, 0), c);
    p.save();
    iconPlus(p, QRectF(r.right() - 8, r.bottom() - 8, 9, 9), c);
    p.restore();
}

void iconCross(QPainter& p, QPointF c, qreal half, qreal width, const QColor& col)
{
    p.save();
    p.setPen(QPen(col, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - half, c.y() - half), QPointF(c.x() + half, c.y() + half));
    p.drawLine(QPointF(c.x() - half, c.y() + half), QPointF(c.x() + half, c.y() - half));
    p.restore();
}

} // namespace Look
