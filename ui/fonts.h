#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

// The application font at a pixel size (and weight, when given).
inline QFont PixelFont(int pixelSize, int weight = -1)
{
    QFont font;
    font.setPixelSize(pixelSize);
    if (weight >= 0)
        font.setWeight(weight);
    return font;
}

// A widget's text colour in every colour group.
inline void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}
