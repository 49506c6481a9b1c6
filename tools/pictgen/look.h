// The one place that decides how the picture set looks: colours, fonts,
// button bodies and the small drawings shared by several pictures.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace Look {

// Palette. The green and the two blues are the colours the program's own
// widgets and style sheets use, so pictures and widgets match.
inline const QColor kGreen(98, 187, 151);
inline const QColor kGreenLight(126, 206, 174);
inline const QColor kGreenDark(70, 152, 120);
inline const QColor kGreenDeep(52, 124, 97);
inline const QColor kBlueBorder(0xC2, 0xEF, 0xFD);
inline const QColor kBlueTint(0xE2, 0xF8, 0xFE);
inline const QColor kWhite(255, 255, 255);
inline const QColor kText(0x3C, 0x4A, 0x50);
inline const QColor kTextMuted(0x7C, 0x8C, 0x93);
inline const QColor kLine(0x9C, 0xC5, 0xD3); // drawing outlines
inline const QColor kDisabled(0xB9, 0xC4, 0xC9);
inline const QColor kAccent(0x3A, 0xA3, 0xD4); // arrows in illustrations
inline const QColor kAmber(0xF5, 0xA6, 0x23);
inline const QColor kRed(0xE2, 0x5B, 0x4F);

QString fontFamily();
QFont font(int pixelSize, int weight = QFont::Normal);

enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

// Button bodies. The program draws most captions itself over the picture,
// so a body carries no text; its colours suit the caption colour of the
// text style the button is meant for.
enum class Body {
    Primary, // solid green, for white captions
    Outline, // white with a green rim, green fill under the mouse
    Neutral, // solid slate, for white captions
    Flat // toolbar: only a tint under the mouse
};

QImage canvas(int w, int h);
void prepare(QPainter& p);
QPainterPath rounded(const QRectF& r, qreal radius);
// A 1 px line centred on pixel rows/columns stays crisp.
QRectF crisp(const QRectF& r);

void drawShadow(QPainter& p, const QRectF& r, qreal radius, int spread, int alpha);
void drawButtonBody(QPainter& p, const QSize& size, Body body, State state);
// Colour of the foreground glyph on a body in the given state.
QColor glyphColor(Body body, State state);

// Illustrations, drawn into a square box (design units 0..100).
void inBox(QPainter& p, const QRectF& box); // maps 0..100 onto box
void drawDisc(QPainter& p, QPointF c, qreal r, const QColor& hole);
void drawFlame(QPainter& p, const QRectF& r);
void drawUsbStick(QPainter& p, const QRectF& body, qreal angleDeg);
void drawArrow(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& c);
void drawBadge(QPainter& p, QPointF c, qreal r, const QColor& fill, const QString& glyph);
void drawPencil(QPainter& p, QPointF tip, qreal length, qreal width, qreal angleDeg);
void drawDocument(QPainter& p, const QRectF& r);
void drawOpenBox(QPainter& p, const QRectF& r);
void drawWarning(QPainter& p, const QRectF& r);
void drawLogo(QPainter& p, QPointF c, qreal r);

// Small pixel icons (about 16 px), drawn in pixel units.
void iconFolder(QPainter& p, const QRectF& r, const QColor& c);
void iconRefresh(QPainter& p, QPointF c, qreal r, const QColor& col);
void iconPlus(QPainter& p, const QRectF& r, const QColor& c);
void iconExport(QPainter& p, const QRectF& r, const QColor& c);
void iconRename(QPainter& p, const QRectF& r, const QColor& c);
void iconTrash(QPainter& p, const QRectF& r, const QColor& c);
void iconNewFolder(QPainter& p, const QRectF& r, const QColor& c);
void iconCross(QPainter& p, QPointF c, qreal half, qreal width, const QColor& col);

} // namespace Look
