#pragma once

#include <QImage>
#include <QString>
#include <QVector>

struct Picture {
    QString name;
    QImage image;
};

// Every picture of the program's resource set, named as the program loads it,
// at `scale` device pixels per pixel of the window.
QVector<Picture> paintAll(int scale = 1);

// The application icon, size x size pixels.
QImage paintAppIcon(int size);

// Composites of pictures with the captions the program draws over them,
// for judging the set by eye. Written next to nothing the program loads.
void writePreviews(const QVector<Picture>& set, const QString& folder);
