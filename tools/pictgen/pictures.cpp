#include "pictures.h"

#include "look.h"

#include <QLinearGradient>

#include <functional>

using namespace Look;

namespace {

using Painter = std::function<void(QPainter&, const QSize&)>;

// Device pixels per design pixel of the set being drawn (1, or 2 for HiDPI).
int g_scale = 1;

QImage paint(int w, int h, const Painter& fn)
{
    // Drawn in design units on a canvas of device pixels: the painter maps them.
    QImage img = canvas(w * g_scale, h * g_scale);
    img.setDevicePixelRatio(g_scale);
    QPainter p(&img);
    prepare(p);
    fn(p, QSize(w, h));
    return img;
}

const char* kStateSuffix[] = {"1", "2", "3", "4"};

// ---------------------------------------------------------------- job cards

// The program writes the job's title and description below the card's middle
// (text style 1), so the drawing stays in the upper part.
constexpr qreal kArtCentreY = 62;
constexpr qreal kArtSize = 88;

void artBurn(QPainter& p)
{
    drawDisc(p, QPointF(42, 52), 38, kBlueTint);
    drawFlame(p, QRectF(56, 38, 34, 54));
}

void artUsb(QPainter& p)
{
    drawUsbStick(p, QRectF(32, 30, 34, 56), 18);
    drawDisc(p, QPointF(76, 74), 18, kBlueTint);
}

void artExtract(QPainter& p)
{
    drawDisc(p, QPointF(50, 52), 22, QColor(0x3E, 0x8F, 0x70));
    drawOpenBox(p, QRectF(10, 40, 80, 58));
    drawArrow(p, QPointF(50, 60), QPointF(50, 2), 11, kAccent);
}

void artCreate(QPainter& p)
{
    p.save();
    p.translate(2, 0);
    p.rotate(-8);
    drawDocument(p, QRectF(2, 16, 30, 40));
    p.restore();
    drawDocument(p, QRectF(12, 26, 30, 40));
    drawArrow(p, QPointF(30, 74), QPointF(50, 66), 8, kAccent);
    drawDisc(p, QPointF(70, 56), 28, kBlueTint);
    drawBadge(p, QPointF(88, 80), 11, kGreen, QStringLiteral("+"));
}

void artEdit(QPainter& p)
{
    drawDisc(p, QPointF(44, 48), 38, kBlueTint);
    drawPencil(p, QPointF(50, 92), 62, 14, -50);
}

void artCopy(QPainter& p)
{
    drawDisc(p, QPointF(29, 44), 26, kBlueTint);
    drawDisc(p, QPointF(71, 44), 26, kBlueTint);
    drawBadge(p, QPointF(50, 80), 14, kAccent, QStringLiteral(">"));
}

void jobCard(QPainter& p, const QSize& s, State st, const std::vector<std::function<void(QPainter&)>>& arts)
{
    const QRectF card(3, 2, s.width() - 6, s.height() - 7);
    const qreal radius = 12;
    if (st != Pressed)
        drawShadow(p, card, radius, 3, st == Hover ? 70 : 45);

    QLinearGradient g(card.topLeft(), card.bottomLeft());
    QColor rim;
    if (st == Pressed) {
        g.setColorAt(0, QColor(88, 176, 141));
        g.setColorAt(1, QColor(64, 148, 115));
        rim = kGreenDeep;
    } else if (st == Hover) {
        g.setColorAt(0, kWhite);
        g.setColorAt(1, QColor(0xEE, 0xFA, 0xFE));
        rim = kGreen;
    } else {
        g.setColorAt(0, kWhite);
        g.setColorAt(1, QColor(0xFA, 0xFE, 0xFF));
        rim = kBlueBorder.darker(108);
    }
    p.setPen(QPen(rim, 1));
    p.setBrush(g);
    p.drawPath(rounded(crisp(card.translated(0, st == Pressed ? 1 : 0)), radius));

    // Green accent along the top edge marks the cards as one family.
    if (st != Pressed) {
        p.save();
        p.setClipPath(rounded(card.adjusted(1, 1, -1, -1), radius - 1));
        p.fillRect(QRectF(card.left(), card.top(), card.width(), 4), st == Hover ? kGreen : kGreenLight);
        p.restore();
    }

    const qreal cx = s.width() / 2.0;
    const int n = int(arts.size());
    const qreal gap = 34;
    const qreal total = n * kArtSize + (n - 1) * gap;
    // Backdrop behind the drawing(s).
    const QColor backdrop = st == Pressed ? QColor(255, 255, 255, 175)
        : st == Hover                     ? QColor(0xD4, 0xF4, 0xFD)
                                          : kBlueTint;
    p.setPen(Qt::NoPen);
    p.setBrush(backdrop);
    const qreal bh = kArtSize + 6;
    p.drawRoundedRect(QRectF(cx - total / 2 - 6, kArtCentreY - bh / 2, total + 12, bh), bh / 2, bh / 2);

    // A round "go" mark in the lower right corner invites the click.
    const QPointF go(card.right() - 22, card.bottom() - 21);
    p.setPen(Qt::NoPen);
    p.setBrush(st == Pressed ? QColor(255, 255, 255, 70) : st == Hover ? kGreen : kBlueTint);
    p.drawEllipse(go + QPointF(0, st == Pressed ? 1 : 0), 11, 11);
    p.setPen(QPen(st == Normal ? kGreen : kWhite, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF chev = go + QPointF(1, st == Pressed ? 1 : 0);
    p.drawPolyline(QPolygonF(QVector<QPointF> {chev + QPointF(-3, -5), chev + QPointF(2, 0), chev + QPointF(-3, 5)}));

    for (int i = 0; i < n; ++i) {
        p.save();
        inBox(p,
            QRectF(cx - total / 2 + i * (kArtSize + gap), kArtCentreY - kArtSize / 2 + (st == Pressed ? 1 : 0),
                kArtSize, kArtSize));
        arts[size_t(i)](p);
        p.restore();
    }
}

// ---------------------------------------------------------------- windows

void mainWindow(QPainter& p, const QSize& s)
{
    const QRectF all(0, 0, s.width(), s.height());
    const QPainterPath shape = rounded(all, 9);
    QLinearGradient content(0, 107, 0, s.height());
    content.setColorAt(0, QColor(0xF1, 0xFB, 0xFE));
    content.setColorAt(1, QColor(0xFB, 0xFE, 0xFF));
    p.fillPath(shape, content);

    p.save();
    p.setClipPath(shape);
    const QRectF header(0, 0, s.width(), 107);
    QLinearGradient band(header.topLeft(), header.bottomRight());
    band.setColorAt(0, QColor(104, 194, 158));
    band.setColorAt(1, QColor(80, 166, 132));
    p.fillRect(header, band);
    // Large faint discs: texture without noise.
    p.setPen(QPen(QColor(255, 255, 255, 26), 14));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(600, 40), 120, 120);
    p.setPen(QPen(QColor(255, 255, 255, 18), 8));
    p.drawEllipse(QPointF(600, 40), 70, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 16));
    p.drawEllipse(QPointF(470, 110), 60, 60);
    p.fillRect(QRectF(0, 106, s.width(), 1), QColor(60, 140, 110));
    p.restore();

    drawLogo(p, QPointF(48, 53), 26);
    p.setPen(kWhite);
    p.setFont(font(30, QFont::Bold));
    p.drawText(QRectF(86, 30, 300, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quillon"));

    p.setPen(QPen(QColor(62, 140, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded(crisp(all), 9));
}

void pageBackground(QPainter& p, const QSize& s, int footerTop, const std::function<void(QPainter&)>& extra)
{
    // Top corners meet the main window's header; the bottom ones follow the
    // window's rounded corners.
    QPainterPath shape;
    const qreal r = 8;
    const qreal w = s.width(), h = s.height();
    shape.moveTo(0, 0);
    shape.lineTo(w, 0);
    shape.lineTo(w, h - r);
    shape.quadTo(w, h, w - r, h);
    shape.lineTo(r, h);
    shape.quadTo(0, h, 0, h - r);
    shape.closeSubpath();

    p.fillPath(shape, kWhite);
    p.save();
    p.setClipPath(shape);
    QLinearGradient top(0, 0, 0, 56);
    top.setColorAt(0, QColor(0xE8, 0xF9, 0xFE));
    top.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, w, 56), top);
    p.fillRect(QRectF(0, footerTop, w, h - footerTop), QColor(0xF4, 0xFC, 0xFE));
    p.fillRect(QRectF(0, footerTop, w, 1), kBlueBorder);
    if (extra)
        extra(p);
    p.restore();
}

void dialogBackground(QPainter& p, const QSize& s, const std::function<void(QPainter&)>& art)
{
    const QRectF all(0, 0, s.width(), s.height());
    const qreal radius = 10;
    const QPainterPath shape = rounded(all, radius);
    p.fillPath(shape, kWhite);
    p.save();
    p.setClipPath(shape);
    QLinearGradient head(0, 0, 0, 35);
    head.setColorAt(0, QColor(0xEC, 0xFA, 0xFE));
    head.setColorAt(1, kBlueTint);
    p.fillRect(QRectF(0, 0, s.width(), 35), head);
    p.fillRect(QRectF(0, 35, s.width(), 1), kBlueBorder);
    if (art) {
        p.fillRect(QRectF(0, 36, 124, s.height() - 36), QColor(0xF5, 0xFC, 0xFE));
        p.fillRect(QRectF(124, 36, 1, s.height() - 36), QColor(0xDD, 0xF5, 0xFD));
        p.save();
        inBox(p, QRectF(14, 64, 96, 96));
        art(p);
        p.restore();
    }
    p.restore();

    drawLogo(p, QPointF(20, 18), 10);
    p.setPen(kText);
    p.setFont(font(13, QFont::Bold));
    p.drawText(QRectF(37, 0, 200, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quillon"));

    p.setPen(QPen(kGreen, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded(crisp(all), radius));
}

// ---------------------------------------------------------------- controls

void titleBarFrame(QPainter& p, const QRectF& f, State st, const QString& kind)
{
    const bool close = kind == QLatin1String("close");
    if (st == Hover || st == Pressed) {
        QColor bg;
        if (close)
            bg = st == Hover ? kRed : kRed.darker(125);
        else
            bg = st == Hover ? QColor(255, 255, 255, 55) : QColor(0, 40, 30, 50);
        p.setPen(Qt::NoPen);
        p.setBrush(bg);
        p.drawRoundedRect(f.adjusted(2, 2, -2, -2), 5, 5);
    }
    const QColor glyph(255, 255, 255, st == Normal ? 225 : 255);
    const int x = int(f.left());
    if (kind == QLatin1String("menu")) {
        for (int y : {9, 13, 17})
            p.fillRect(QRect(x + 8, y, 12, 2), glyph);
    } else if (kind == QLatin1String("minimize")) {
        p.fillRect(QRect(x + 8, 17, 12, 2), glyph);
    } else {
        iconCross(p, f.center(), 5, 1.8, glyph);
    }
}

void helpButton(QPainter& p, const QSize& s, State st)
{
    const QPointF c(s.width() / 2.0, s.height() / 2.0);
    if (st == Hover) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawEllipse(c, 22.5, 22.5);
    }
    p.setPen(QPen(st == Pressed ? kGreenDeep : QColor(60, 140, 110, 120), 1));
    p.setBrush(st == Pressed ? kBlueTint : kWhite);
    p.drawEllipse(c + QPointF(0, st == Pressed ? 1 : 0), 18.5, 18.5);
    p.setPen(st == Pressed ? kGreenDeep : kGreenDark);
    p.setFont(font(24, QFont::Bold));
    p.drawText(QRectF(0, st == Pressed ? 1 : 0, s.width(), s.height()), Qt::AlignCenter, QStringLiteral("?"));
}

void closeSmall(QPainter& p, const QSize& s, State st)
{
    const QPointF c(s.width() / 2.0, s.height() / 2.0);
    if (st != Normal) {
        p.setPen(Qt::NoPen);
        p.setBrush(st == Hover ? kRed : kRed.darker(125));
        p.drawRoundedRect(QRectF(4, 2.5, 20, 20), 4, 4);
    }
    iconCross(p, c, 4.5, 1.6, st == Normal ? kTextMuted : kWhite);
}

void toolbarButton(
    QPainter& p, const QSize& s, State st, const std::function<void(QPainter&, const QRectF&, QColor)>& icon)
{
    drawButtonBody(p, s, Body::Flat, st);
    // The caption is drawn by the program from x 22 (text style 9).
    icon(p, QRectF(4.5, 2.5, 14, 14), glyphColor(Body::Flat, st));
}

} // namespace

QVector<Picture> paintAll(int scale)
{
    g_scale = scale;
    QVector<Picture> out;
    auto add = [&](const QString& name, int w, int h, const Painter& fn) {
        out.push_back({name, paint(w, h, fn)});
    };
    auto button = [&](const QString& base, int w, int h, Body body, int states) {
        for (int i = 0; i < states; ++i)
            add(base + kStateSuffix[i], w, h,
                [=](QPainter& p, const QSize& s) { drawButtonBody(p, s, body, State(i)); });
    };

    add(QStringLiteral("main"), 860, 580, mainWindow);

    // Page backgrounds: burn, extract, create, edit, copy disc.
    add(QStringLiteral("page1"), 858, 472, [](QPainter& p, const QSize& s) {
        pageBackground(p, s, 394, [](QPainter& q) {
            // Beside the disc and the USB sections.
            q.save();
            inBox(q, QRectF(48, 82, 64, 64));
            artBurn(q);
            q.restore();
            q.save();
            inBox(q, QRectF(48, 176, 64, 64));
            drawUsbStick(q, QRectF(32, 30, 34, 56), 18);
            q.restore();
        });
    });
    add(QStringLiteral("page2"), 858, 472, [](QPainter& p, const QSize& s) { pageBackground(p, s, 410, {}); });
    add(QStringLiteral("page3"), 858, 472, [](QPainter& p, const QSize& s) { pageBackground(p, s, 406, {}); });
    add(QStringLiteral("page4"), 858, 472, [](QPainter& p, const QSize& s) {
        pageBackground(p, s, 404, [](QPainter& q) { q.fillRect(QRectF(0, 50, 858, 1), kBlueBorder); });
    });
    add(QStringLiteral("page5"), 858, 472, [](QPainter& p, const QSize& s) {
        pageBackground(p, s, 404, [](QPainter& q) {
            q.setPen(Qt::NoPen);
            q.setBrush(kBlueTint);
            q.drawEllipse(QPointF(745, 215), 92, 92);
            drawDisc(q, QPointF(745, 175), 46, kBlueTint);
            drawArrow(q, QPointF(745, 226), QPointF(745, 262), 10, kAccent);
            drawDocument(q, QRectF(723, 264, 44, 54));
        });
    });

    // Job cards of the home page.
    using Arts = std::vector<std::function<void(QPainter&)>>;
    auto cards = [&](const QString& base, int w, int h, const Arts& arts) {
        for (int i = 0; i < 3; ++i)
            add(base + kStateSuffix[i], w, h, [=](QPainter& p, const QSize& s) { jobCard(p, s, State(i), arts); });
    };
    cards(QStringLiteral("mburn"), 518, 220, {artBurn, artUsb});
    cards(QStringLiteral("Extract"), 249, 220, {artExtract});
    cards(QStringLiteral("Create"), 252, 219, {artCreate});
    cards(QStringLiteral("Edit"), 252, 219, {artEdit});
    cards(QStringLiteral("Copy-Disc"), 249, 219, {artCopy});

    // Dialog backgrounds.
    using Art = std::function<void(QPainter&)>;
    auto dialog = [&](const QString& name, const Art& art) {
        add(name, 420, 188, [=](QPainter& p, const QSize& s) { dialogBackground(p, s, art); });
    };
    dialog(QStringLiteral("commdialogbg"), {});
    dialog(QStringLiteral("about_us"), [](QPainter& p) { drawLogo(p, QPointF(50, 50), 44); });
    dialog(QStringLiteral("burn-fails"), [](QPainter& p) {
        drawDisc(p, QPointF(46, 50), 40, QColor(0xF5, 0xFC, 0xFE));
        drawBadge(p, QPointF(78, 80), 17, kRed, QStringLiteral("x"));
    });
    dialog(QStringLiteral("format_usb"), [](QPainter& p) {
        drawUsbStick(p, QRectF(26, 30, 36, 60), 0);
        drawWarning(p, QRectF(52, 52, 44, 40));
    });
    dialog(QStringLiteral("insert_usb"), [](QPainter& p) {
        // A stick going down into a port.
        drawUsbStick(p, QRectF(34, 4, 32, 52), 180);
        drawArrow(p, QPointF(84, 8), QPointF(84, 50), 8, kAccent);
        p.setPen(QPen(QColor(0x5F, 0x7A, 0x86), 2.5));
        p.setBrush(QColor(0xE9, 0xF0, 0xF3));
        p.drawRoundedRect(QRectF(14, 74, 72, 20), 4, 4);
        p.setBrush(QColor(0x4E, 0x62, 0x6D));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(36, 80, 28, 8));
    });
    dialog(QStringLiteral("insufficient_space"), [](QPainter& p) {
        drawUsbStick(p, QRectF(10, 22, 32, 54), 0);
        // A capacity gauge nearly full.
        p.setPen(QPen(QColor(0x6E, 0x9F, 0xB1), 2));
        p.setBrush(kWhite);
        p.drawRoundedRect(QRectF(52, 18, 26, 72), 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawRoundedRect(QRectF(56, 28, 18, 58), 3, 3);
        drawBadge(p, QPointF(80, 22), 13, kAmber, QStringLiteral("!"));
    });
    dialog(QStringLiteral("select_files_extract"), [](QPainter& p) {
        // A list with ticked rows.
        p.setPen(QPen(QColor(0x6E, 0x9F, 0xB1), 2));
        p.setBrush(kWhite);
        p.drawRoundedRect(QRectF(8, 10, 76, 80), 6, 6);
        for (int i = 0; i < 4; ++i) {
            const qreal y = 22 + i * 17;
            p.setPen(QPen(i == 1 || i == 2 ? kGreen : kLine, 2));
            p.setBrush(i == 1 || i == 2 ? kGreen : kWhite);
            p.drawRoundedRect(QRectF(16, y, 11, 11), 2, 2);
            if (i == 1 || i == 2) {
                p.setPen(QPen(kWhite, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawPolyline(
                    QPolygonF(QVector<QPointF> {QPointF(18.5, y + 5.5), QPointF(21, y + 8), QPointF(25, y + 3)}));
            }
            p.setPen(QPen(kLine, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(34, y + 5.5), QPointF(i % 2 ? 64 : 74, y + 5.5));
        }
        // Pointer.
        QPainterPath arrow;
        arrow.moveTo(70, 58);
        arrow.lineTo(70, 92);
        arrow.lineTo(78, 84);
        arrow.lineTo(84, 97);
        arrow.lineTo(89, 95);
        arrow.lineTo(83, 82);
        arrow.lineTo(94, 82);
        arrow.closeSubpath();
        p.setPen(QPen(kWhite, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(kText);
        p.drawPath(arrow);
    });

    // Action buttons. The program draws their captions over these bodies, so
    // each body suits the caption colour of the text style its page uses:
    // Primary and Neutral take white captions (styles 3, 4, 10, 11, 13-15),
    // Outline takes green captions that turn white under the mouse
    // (styles 5-8, 12, 16).
    button(QStringLiteral("Back"), 108, 30, Body::Neutral, 3);
    button(QStringLiteral("backwhite"), 108, 30, Body::Outline, 3);
    button(QStringLiteral("burn"), 108, 30, Body::Primary, 3);
    button(QStringLiteral("btnextract"), 108, 30, Body::Outline, 3);
    button(QStringLiteral("Create-IOS"), 108, 30, Body::Primary, 3);
    button(QStringLiteral("save"), 108, 30, Body::Primary, 3);
    button(QStringLiteral("start"), 108, 30, Body::Primary, 3);
    // Wide enough for the longest translation of "Add Files..." and its neighbours.
    button(QStringLiteral("addfile"), 148, 24, Body::Primary, 3);
    button(QStringLiteral("adddir"), 148, 24, Body::Primary, 3);
    button(QStringLiteral("Remove"), 148, 24, Body::Primary, 3);
    button(QStringLiteral("loadiso"), 100, 26, Body::Outline, 3);
    button(QStringLiteral("Broswe"), 88, 24, Body::Primary, 3);
    button(QStringLiteral("OK"), 90, 21, Body::Outline, 3);
    for (int i = 0; i < 3; ++i) {
        // Second picture serves hover and press, the third the disabled look.
        const State st = i == 0 ? Normal : i == 1 ? Hover : Disabled;
        add(QStringLiteral("Open-Folder") + kStateSuffix[i], 90, 21,
            [=](QPainter& p, const QSize& s) { drawButtonBody(p, s, Body::Primary, st); });
    }
    for (int i = 0; i < 3; ++i) {
        add(QStringLiteral("OK_") + kStateSuffix[i], 92, 22,
            [=](QPainter& p, const QSize& s) { drawButtonBody(p, s, Body::Primary, State(i)); });
        add(QStringLiteral("NO_") + kStateSuffix[i], 92, 22,
            [=](QPainter& p, const QSize& s) { drawButtonBody(p, s, Body::Neutral, State(i)); });
    }
    for (int i = 0; i < 4; ++i) {
        // The disabled Stop keeps a white caption, so it gets a solid grey body.
        add(QStringLiteral("Stop") + kStateSuffix[i], 73, 20, [=](QPainter& p, const QSize& s) {
            drawButtonBody(p, s, i == 3 ? Body::Neutral : Body::Outline, State(i));
        });
    }

    // Buttons without a caption carry their meaning as an icon.
    for (int i = 0; i < 3; ++i) {
        const State st = State(i);
        add(QStringLiteral("filedialog") + kStateSuffix[i], 88, 28, [=](QPainter& p, const QSize& s) {
            drawButtonBody(p, s, Body::Outline, st);
            const qreal dy = st == Pressed ? 1 : 0;
            iconFolder(p, QRectF(30.5, 7.5 + dy, 17, 12), glyphColor(Body::Outline, st));
            p.setPen(Qt::NoPen);
            p.setBrush(glyphColor(Body::Outline, st));
            for (int k = 0; k < 3; ++k)
                p.drawEllipse(QPointF(52.5 + k * 3.5, 16 + dy), 1.1, 1.1);
        });
        add(QStringLiteral("refresh") + kStateSuffix[i], 88, 28, [=](QPainter& p, const QSize& s) {
            drawButtonBody(p, s, Body::Outline, st);
            iconRefresh(p, QPointF(44, 13.5 + (st == Pressed ? 1 : 0)), 6.5, glyphColor(Body::Outline, st));
        });
    }

    // Edit page toolbar: icon at the left, the program's caption from x 22.
    using Icon = std::function<void(QPainter&, const QRectF&, QColor)>;
    auto toolbar = [&](const QString& base, int w, const Icon& icon) {
        for (int i = 0; i < 3; ++i)
            add(base + kStateSuffix[i], w, 19,
                [=](QPainter& p, const QSize& s) { toolbarButton(p, s, State(i), icon); });
    };
    toolbar(QStringLiteral("Add"), 104,
        [](QPainter& p, const QRectF& r, QColor c) { iconPlus(p, r.adjusted(0.5, 0.5, -0.5, -0.5), c); });
    toolbar(QStringLiteral("New"), 104, [](QPainter& p, const QRectF& r, QColor c) { iconNewFolder(p, r, c); });
    toolbar(QStringLiteral("Export"), 96,
        [](QPainter& p, const QRectF& r, QColor c) { iconExport(p, r.adjusted(1, 0, -1, -1), c); });
    toolbar(QStringLiteral("Rename"), 124,
        [](QPainter& p, const QRectF& r, QColor c) { iconRename(p, r.adjusted(0, 0, 0, -1), c); });
    toolbar(QStringLiteral("Delete"), 120,
        [](QPainter& p, const QRectF& r, QColor) { iconTrash(p, r.adjusted(1, 0, -1, -1), kRed); });

    // Title bar strips: normal, mouse over, pressed side by side.
    for (const char* kind : {"close", "menu", "minimize"}) {
        add(QString::fromLatin1(kind), 84, 28, [=](QPainter& p, const QSize&) {
            for (int i = 0; i < 3; ++i)
                titleBarFrame(p, QRectF(i * 28, 0, 28, 28), State(i), QString::fromLatin1(kind));
        });
    }
    for (int i = 0; i < 3; ++i) {
        add(QStringLiteral("help_") + kStateSuffix[i], 46, 46,
            [=](QPainter& p, const QSize& s) { helpButton(p, s, State(i)); });
        add(QStringLiteral("close_small_") + kStateSuffix[i], 28, 25,
            [=](QPainter& p, const QSize& s) { closeSmall(p, s, State(i)); });
    }

    add(QStringLiteral("zoom"), 15, 14, [](QPainter& p, const QSize&) {
        p.setPen(QPen(kTextMuted, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(6, 6), 4.4, 4.4);
        p.setPen(QPen(kTextMuted, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9.6, 9.6), QPointF(13, 12.6));
    });
    add(QStringLiteral("runchecked"), 12, 12, [](QPainter& p, const QSize&) {
        p.setPen(QPen(QColor(0x96, 0xAE, 0xB8), 1));
        p.setBrush(kWhite);
        p.drawEllipse(QPointF(6, 6), 5.5, 5.5);
    });
    add(QStringLiteral("rchecked"), 12, 12, [](QPainter& p, const QSize&) {
        p.setPen(QPen(kGreen, 1));
        p.setBrush(kWhite);
        p.drawEllipse(QPointF(6, 6), 5.5, 5.5);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawEllipse(QPointF(6, 6), 3, 3);
    });
    add(QStringLiteral("select"), 10, 5, [](QPainter& p, const QSize&) {
        p.setPen(Qt::NoPen);
        p.setBrush(kText);
        p.drawPolygon(QPolygonF(QVector<QPointF> {QPointF(0.5, 0), QPointF(9.5, 0), QPointF(5, 5)}));
    });
    return out;
}
