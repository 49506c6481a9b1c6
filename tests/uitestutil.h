#pragma once

#include "ui/imagebutton.h"

#include <QList>
#include <QObject>
#include <QTest>
#include <QUrl>

// Receives the addresses the program opens, instead of a browser or file manager
// (register with QDesktopServices::setUrlHandler(scheme, &recorder, "open")).
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

// Clicks the picture button with that object name below `parent`.
inline void clickButton(QWidget* parent, const char* name,
                        Qt::FindChildOptions options = Qt::FindChildrenRecursively)
{
    auto* button = parent->findChild<CImageButton*>(QLatin1String(name), options);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}
