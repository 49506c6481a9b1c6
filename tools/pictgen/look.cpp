#include "look.h"

#include <QConicalGradient>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace Look {

QString fontFamily()
{
    // Pictures are generated ahead of time, so pick a family that renders
    // the same wherever the generator runs; fall back to the default.
    const QStringList wanted {
        QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"), QStringLiteral("Nimbus Sans")};
    const QStringList have = QFontDatabase().families();
    for (const QString& f : wanted)
        if (have.contains(f))
            return f;
    return QFont().family();
}

QFont font(int pixelSize, int weight)
{
    QFont f(fontFamily());
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPainterPath rounded(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QRectF crisp(const QRectF& r)
{
    return r.adjusted(0.5, 0.5, -0.5, -0.5);
}

void drawShadow(QPainter& p, const QRectF& r, qreal radius, int spread, int alpha)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = spread; i >= 1; --i) {
        const int a = alpha * (spread - i + 1) / (spread * (spread + 1) / 2 + 1);
        p.setBrush(QColor(40, 80, 90, a));
        p.drawPath(rounded(r.adjusted(-i, -i + 1.5, i, i + 1.5), radius + i));
    }
    p.restore();
}

namespace {

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

struct Fill {
    QColor top, bottom, rim;
};

// Fills under white captions are a shade darker than the brand green, so
// 12 px white text stays readable on them.
Fill greenFill(State s)
{
    switch (s) {
    case Hover:
        return {QColor(98, 186, 151), QColor(80, 167, 132), QColor(58, 138, 107)};
    case Pressed:
        return {QColor(54, 130, 101), QColor(62, 142, 111), QColor(44, 112, 86)};
    case Disabled:
        return {kDisabled.lighter(108), kDisabled, kDisabled.darker(112)};
    default:
        return {QColor(88, 176, 141), QColor(68, 154, 120), QColor(52, 128, 99)};
    }
}

// Dark enough that a white caption reads well and a green one still reads.
Fill slateFill(State s)
{
    switch (s) {
    case Hover:
        return {QColor(0x6E, 0x81, 0x8B), QColor(0x5C, 0x6F, 0x79), QColor(0x4A, 0x5B, 0x64)};
    case Pressed:
        return {QColor(0x4A, 0x5B, 0x64), QColor(0x54, 0x66, 0x70), QColor(0x3E, 0x4E, 0x56)};
    case Disabled:
        return {kDisabled.lighter(108), kDisabled, kDisabled.darker(112)};
    default:
        return {QColor(0x63, 0x76, 0x80), QColor(0x52, 0x64, 0x6E), QColor(0x44, 0x55, 0x5E)};
    }
}

} // namespace

QColor glyphColor(Body body, State state)
{
    switch (body) {
    case Body::Primary:
    case Body::Neutral:
        return kWhite;
    case Body::Outline:
        return state == Normal ? kGreen : state == Disabled ? kDisabled : kWhite;
    case Body::Flat:
        return state == Disabled ? kDisabled : kGreenDark;
    }
    return kText;
}

void drawButtonBody(QPainter& p, const QSize& size, Body body, State state)
{
    const qreal h = size.height();
    // One pixel at the bottom is kept for a soft shadow; a pressed button
    // sits down into it.
    const bool sunk = state == Pressed || state == Disabled;
    QRectF r(0, sunk ? 1 : 0, size.width(), h - 1);
    const qreal radius = qMin<qreal>(5, h / 2 - 1);

    if (body == Body::Flat) {
        if (state == Hover || state == Pressed) {
            p.setPen(QPen(state == Pressed ? kGreen : kBlueBorder, 1));
            p.setBrush(state == Pressed ? kBlueBorder : kBlueTint);
            p.drawPath(rounded(crisp(QRectF(0, 0, size.width(), h)), 3));
        }
        return;
    }

    if (!sunk) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 70, 80, 28));
        p.drawPath(rounded(QRectF(0.5, 1, size.width() - 1, h - 1), radius));
    }

    Fill f;
    if (body == Body::Primary)
        f = greenFill(state);
    else if (body == Body::Neutral)
        f = slateFill(state);
    else if (state == Normal)
        f = {kWhite, QColor(0xF4, 0xFB, 0xF8), kGreen};
    else
        f = greenFill(state);

    p.setPen(QPen(f.rim, 1));
    p.setBrush(vertical(r, f.top, f.bottom));
    p.drawPath(rounded(crisp(r), radius));
    // A faint light edge on top reads as a raised surface.
    if (state != Pressed && body != Body::Outline) {
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.drawLine(QPointF(r.left() + radius, r.top() + 1.5), QPointF(r.right() - radius, r.top() + 1.5));
    }
}

void inBox(QPainter& p, const QRectF& box)
{
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 100.0);
}

void drawDisc(QPainter& p, QPointF c, qreal r, const QColor& hole)
{
    p.save();
    QRadialGradient body(c, r, c + QPointF(-r * 0.3, -r * 0.35));
    body.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    body.setColorAt(0.6, QColor(0xE3, 0xF3, 0xF9));
    body.setColorAt(1, QColor(0xBF, 0xDF, 0xEB));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c, r, r);

    // The data side's colour play, kept subtle.
    QConicalGradient sheen(c, 30);
    sheen.setColorAt(0.00, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.08, QColor(120, 200, 255, 70));
    sheen.setColorAt(0.16, QColor(190, 140, 255, 60));
    sheen.setColorAt(0.24, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.50, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.58, QColor(130, 230, 190, 70));
    sheen.setColorAt(0.66, QColor(255, 220, 130, 60));
    sheen.setColorAt(0.74, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.00, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawEllipse(c, r * 0.96, r * 0.96);

    const qreal line = qMax<qreal>(1.0, r / 22);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), line));
    p.drawEllipse(c, r * 0.72, r * 0.72);
    p.setPen(QPen(QColor(0x5F, 0x97, 0xAA), line * 1.3));
    p.drawEllipse(c, r - line * 0.65, r - line * 0.65);

    p.setPen(QPen(QColor(0x8F, 0xBD, 0xCC), line));
    p.setBrush(QColor(0xF3, 0xFA, 0xFC));
    p.drawEllipse(c, r * 0.34, r * 0.34);
    p.setBrush(hole);
    p.drawEllipse(c, r * 0.14, r * 0.14);
    p.restore();
}

void drawFlame(QPainter& p, const QRectF& r)
{
    p.save();
    auto flame = [](const QRectF& b) {
        QPainterPath path;
        const qreal cx = b.center().x();
        path.moveTo(cx, b.top());
        path.cubicTo(cx + b.width() * 0.15, b.top() + b.height() * 0.25, b.right(), b.top() + b.height() * 0.4,
            b.right(), b.top() + b.height() * 0.66);
        path.cubicTo(b.right(), b.bottom() - b.height() * 0.1, cx + b.width() * 0.28, b.bottom(), cx, b.bottom());
        path.cubicTo(cx - b.width() * 0.28, b.bottom(), b.left(), b.bottom() - b.height() * 0.1, b.left(),
            b.top() + b.height() * 0.66);
        path.cubicTo(
            b.left(), b.top() + b.height() * 0.45, cx - b.width() * 0.2, b.top() + b.height() * 0.35, cx, b.top());
        return path;
    };
    QLinearGradient outer(r.topLeft(), r.bottomLeft());
    outer.setColorAt(0, QColor(0xFF, 0x8A, 0x3D));
    outer.setColorAt(1, QColor(0xEE, 0x4E, 0x36));
    p.setPen(QPen(QColor(0xC9, 0x3E, 0x2B), qMax<qreal>(1, r.width() / 22)));
    p.setBrush(outer);
    p.drawPath(flame(r));
    const QRectF inner(r.left() + r.width() * 0.27, r.top() + r.height() * 0.38, r.width() * 0.46, r.height() * 0.56);
    QLinearGradient in(inner.topLeft(), inner.bottomLeft());
    in.setColorAt(0, QColor(0xFF, 0xD5, 0x4F));
    in.setColorAt(1, QColor(0xFF, 0xB0, 0x2E));
    p.setPen(Qt::NoPen);
    p.setBrush(in);
    p.drawPath(flame(inner));
    p.restore();
}

void drawUsbStick(QPainter& p, const QRectF& body, qreal angleDeg)
{
    p.save();
    p.translate(body.center());
    p.rotate(angleDeg);
    const QRectF b(-body.width() / 2, -body.height() / 2, body.width(), body.height());
    const qreal line = qMax<qreal>(1, body.width() / 26);
    // Metal plug on top.
    const QRectF plug(b.left() + b.width() * 0.2, b.top() - b.height() * 0.3, b.width() * 0.6, b.height() * 0.34);
    QLinearGradient metal(plug.topLeft(), plug.topRight());
    metal.setColorAt(0, QColor(0xD5, 0xDD, 0xE1));
    metal.setColorAt(0.5, QColor(0xF4, 0xF7, 0xF8));
    metal.setColorAt(1, QColor(0xC2, 0xCC, 0xD1));
    p.setPen(QPen(QColor(0x86, 0x97, 0xA0), line));
    p.setBrush(metal);
    p.drawRoundedRect(plug, line, line);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x86, 0x97, 0xA0));
    const qreal sq = plug.width() * 0.2;
    p.drawRect(QRectF(plug.left() + plug.width() * 0.2, plug.top() + plug.height() * 0.3, sq, sq));
    p.drawRect(QRectF(plug.right() - plug.width() * 0.2 - sq, plug.top() + plug.height() * 0.3, sq, sq));
    // Body.
    QLinearGradient g(b.topLeft(), b.topRight());
    g.setColorAt(0, QColor(0x4E, 0x62, 0x6D));
    g.setColorAt(0.5, QColor(0x63, 0x78, 0x84));
    g.setColorAt(1, QColor(0x46, 0x58, 0x62));
    p.setPen(QPen(QColor(0x34, 0x44, 0x4C), line));
    p.setBrush(g);
    p.drawRoundedRect(b, b.width() * 0.16, b.width() * 0.16);
    // Label band.
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRoundedRect(
        QRectF(b.left() + b.width() * 0.18, b.top() + b.height() * 0.3, b.width() * 0.64, b.height() * 0.38),
        line * 1.5, line * 1.5);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(0, b.top() + b.height() * 0.49), b.width() * 0.1, b.width() * 0.1);
    p.restore();
}

void drawArrow(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& c)
{
    p.save();
    const QLineF line(from, to);
    const qreal len = line.length();
    p.translate(from);
    p.rotate(-line.angle());
    const qreal head = width * 2.4;
    QPainterPath path;
    path.moveTo(0, -width / 2);
    path.lineTo(len - head, -width / 2);
    path.lineTo(len - head, -head * 0.62);
    path.lineTo(len, 0);
    path.lineTo(len - head, head * 0.62);
    path.lineTo(len - head, width / 2);
    path.lineTo(0, width / 2);
    path.closeSubpath();
    p.setPen(QPen(QColor(255, 255, 255, 230), width * 0.45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    p.drawPath(path);
    p.restore();
}

void drawBadge(QPainter& p, QPointF c, qreal r, const QColor& fill, const QString& glyph)
{
    p.save();
    p.setPen(QPen(kWhite, r * 0.2));
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(kWhite, r * 0.28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal a = r * 0.48;
    if (glyph == QLatin1String("+")) {
        p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - a), QPointF(c.x(), c.y() + a));
    } else if (glyph == QLatin1String("x")) {
        const qreal d = a * 0.85;
        p.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
        p.drawLine(QPointF(c.x() - d, c.y() + d), QPointF(c.x() + d, c.y() - d));
    } else if (glyph == QLatin1String("!")) {
        p.drawLine(QPointF(c.x(), c.y() - a), QPointF(c.x(), c.y() + a * 0.2));
        p.drawPoint(QPointF(c.x(), c.y() + a * 0.8));
    } else if (glyph == QLatin1String(">")) {
        p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF(QVector<QPointF> {QPointF(c.x() + a * 0.1, c.y() - a * 0.75),
            QPointF(c.x() + a, c.y()), QPointF(c.x() + a * 0.1, c.y() + a * 0.75)}));
    } else if (glyph == QLatin1String("v")) {
        QPainterPath tick;
        tick.moveTo(c.x() - a, c.y());
        tick.lineTo(c.x() - a * 0.25, c.y() + a * 0.7);
        tick.lineTo(c.x() + a, c.y() - a * 0.6);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    p.restore();
}

void drawPencil(QPainter& p, QPointF tip, qreal length, qreal width, qreal angleDeg)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDeg); // pencil lies along +x from its tip
    const qreal w2 = width / 2;
    const qreal cone = width * 1.3;
    const qreal line = qMax<qreal>(1, width / 9);
    QPainterPath wood;
    wood.moveTo(0, 0);
    wood.lineTo(cone, -w2);
    wood.lineTo(cone, w2);
    wood.closeSubpath();
    p.setPen(QPen(QColor(0x9A, 0x73, 0x4A), line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xF6, 0xD8, 0xA8));
    p.drawPath(wood);
    p.setPen(Qt::NoPen);
    p.setBrush(kText);
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(cone * 0.35, -w2 * 0.35);
    lead.lineTo(cone * 0.35, w2 * 0.35);
    lead.closeSubpath();
    p.drawPath(lead);
    // Shaft in the brand green, with a light stripe.
    const QRectF shaft(cone, -w2, length - cone - width * 0.9, width);
    QLinearGradient g(QPointF(0, -w2), QPointF(0, w2));
    g.setColorAt(0, kGreenLight);
    g.setColorAt(1, kGreenDark);
    p.setPen(QPen(kGreenDeep, line));
    p.setBrush(g);
    p.drawRect(shaft);
    p.setPen(QPen(QColor(255, 255, 255, 120), line));
    p.drawLine(QPointF(shaft.left() + line, -w2 * 0.35), QPointF(shaft.right() - line, -w2 * 0.35));
    // Ferrule and eraser.
    const QRectF ferrule(shaft.right(), -w2, width * 0.4, width);
    p.setPen(QPen(QColor(0x86, 0x97, 0xA0), line));
    p.setBrush(QColor(0xD5, 0xDD, 0xE1));
    p.drawRect(ferrule);
    p.setPen(QPen(QColor(0xB8, 0x5A, 0x5A), line));
    p.setBrush(QColor(0xF2, 0x8B, 0x82));
    p.drawRoundedRect(QRectF(ferrule.right(), -w2, width * 0.5, width), width * 0.2, width * 0.2);
    p.restore();
}

void drawDocument(QPainter& p, const QRectF& r)
{
    p.save();
    const qreal fold = r.width() * 0.3;
    const qreal line = qMax<qreal>(1, r.width() / 22);
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0x6E, 0x9F, 0xB1), line, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(kWhite);
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(kBlueBorder);
    p.drawPath(corner);
    p.setPen(QPen(kLine, line, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = r.top() + fold + line * 3 + i * r.height() * 0.13;
        const qreal right = r.right() - r.width() * (i == 3 ? 0.45 : 0.2);
        p.drawLine(QPointF(r.left() + r.width() * 0.2, y), QPointF(right, y));
    }
    p.restore();
}

void drawOpenBox(QPainter& p, const QRectF& r)
{
    // A tray seen slightly from above: back wall, open flaps, front face.
    p.save();
    const qreal line = qMax<qreal>(1, r.width() / 40);
    const qreal top = r.top() + r.height() * 0.3;
    const QRectF front(
        r.left() + r.width() * 0.1, top + r.height() * 0.12, r.width() * 0.8, r.bottom() - top - r.height() * 0.12);
    QPen edge(kGreenDeep, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(edge);
    // Inside.
    p.setBrush(QColor(0x3E, 0x8F, 0x70));
    QPainterPath inside;
    inside.moveTo(front.left(), front.top());
    inside.lineTo(front.left() + r.width() * 0.08, top);
    inside.lineTo(front.right() - r.width() * 0.08, top);
    inside.lineTo(front.right(), front.top());
    inside.closeSubpath();
    p.drawPath(inside);
    // Flaps.
    p.setBrush(kGreenLight);
    QPainterPath left;
    left.moveTo(front.left(), front.top());
    left.lineTo(r.left(), top - r.height() * 0.05);
    left.lineTo(r.left() + r.width() * 0.05, top - r.height() * 0.16);
    left.lineTo(front.left() + r.width() * 0.08, top);
    left.closeSubpath();
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(front.right(), front.top());
    right.lineTo(r.right(), top - r.height() * 0.05);
    right.lineTo(r.right() - r.width() * 0.05, top - r.height() * 0.16);
    right.lineTo(front.right() - r.width() * 0.08, top);
    right.closeSubpath();
    p.drawPath(right);
    // Front.
    QLinearGradient g(front.topLeft(), front.bottomLeft());
    g.setColorAt(0, kGreen);
    g.setColorAt(1, kGreenDark);
    p.setBrush(g);
    p.drawRect(front);
    p.setPen(QPen(QColor(255, 255, 255, 110), line));
    p.drawLine(QPointF(front.left() + front.width() * 0.3, front.center().y()),
        QPointF(front.right() - front.width() * 0.3, front.center().y()));
    p.restore();
}

void drawWarning(QPainter& p, const QRectF& r)
{
    p.save();
    QPainterPath tri;
    tri.moveTo(r.center().x(), r.top());
    tri.lineTo(r.right(), r.bottom());
    tri.lineTo(r.left(), r.bottom());
    tri.closeSubpath();
    const qreal line = qMax<qreal>(1, r.width() / 14);
    p.setPen(QPen(kWhite, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kAmber);
    p.drawPath(tri);
    p.setPen(QPen(kWhite, r.width() * 0.11, Qt::SolidLine, Qt::RoundCap));
    const qreal cx = r.center().x();
    p.drawLine(QPointF(cx, r.top() + r.height() * 0.38), QPointF(cx, r.top() + r.height() * 0.66));
    p.drawPoint(QPointF(cx, r.top() + r.height() * 0.83));
    p.restore();
}

void drawLogo(QPainter& p, QPointF c, qreal r)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(c, r, r);
    drawDisc(p, c, r * 0.86, kGreen);
    // A green quarter sweep: the product mark.
    p.setPen(QPen(kGreen, r * 0.16, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF arc(c.x() - r * 0.58, c.y() - r * 0.58, r * 1.16, r * 1.16);
    p.drawArc(arc, 20 * 16, 110 * 16);
    p.restore();
}

} // namespace Look
