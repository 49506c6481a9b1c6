#pragma once

#include "platform/drives.h"
#include "ui/imagebutton.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QList>
#include <QMimeData>
#include <QMouseEvent>
#include <QObject>
#include <QPainter>
#include <QStringList>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

// Receives the addresses the program opens, instead of a browser or file manager
// (register with QDesktopServices::setUrlHandler(scheme, &recorder, "open")).
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

// Writes a picture of one colour, or a strip of `frames` frames in red,
// green, blue and yellow; returns its path, or nothing when it cannot.
inline QString drawPicture(const QString& path, int width, int height, int frames = 1)
{
    static const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    QImage image(width, height, QImage::Format_ARGB32);
    QPainter painter(&image);
    for (int i = 0; i < frames; ++i)
        painter.fillRect(i * width / frames, 0, width / frames, height, colours[i % 4]);
    painter.end();
    return image.save(path) ? path : QString();
}

// The row whose first cell reads `name`, or -1.
inline int rowOf(QTableWidget* table, const QString& name)
{
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, 0)->text() == name)
            return r;
    return -1;
}

// True while some process has `text` among its arguments (a zombie has none).
inline bool processWithArgument(const QString& text)
{
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(text.toUtf8()))
            return true;
    }
    return false;
}

// Press, move by `delta` and release, as the window system delivers them.
inline void drag(QWidget* widget, const QPoint& from, const QPoint& delta)
{
    const QPoint global = widget->mapToGlobal(from);
    QMouseEvent press(QEvent::MouseButtonPress, from, global, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent move(QEvent::MouseMove, from + delta, global + delta, Qt::NoButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, from + delta, global + delta, Qt::LeftButton, Qt::NoButton, {});
    for (QMouseEvent* event : {&press, &move, &release})
        QApplication::sendEvent(widget, event);
}

// Drags local files onto `widget` and drops them there, as a file manager
// does; true when the widget took the drop.
inline bool dropFiles(QWidget* widget, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPoint at(widget->width() / 2, widget->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
    return drop.isAccepted();
}

// Two recorders as the drive probe finds them: /dev/sr0 on bus 1, /dev/sr1 on bus 2.
inline QList<Platform::OpticalDrive> twoRecorders()
{
    QList<Platform::OpticalDrive> drives;
    for (int bus : {1, 2}) {
        Platform::OpticalDrive drive;
        drive.device = QStringLiteral("/dev/sr%1").arg(bus - 1);
        drive.hasAddress = true;
        drive.bus = bus;
        drives << drive;
    }
    return drives;
}

// Clicks the picture button with that object name below `parent`.
inline void clickButton(QWidget* parent, const char* name, Qt::FindChildOptions options = Qt::FindChildrenRecursively)
{
    auto* button = parent->findChild<CImageButton*>(QLatin1String(name), options);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}

// Clicks a button that opens a popup menu; the menu closes as soon as it runs.
inline void clickMenuButton(QWidget* parent, const char* name)
{
    QTimer::singleShot(0, [] { QApplication::activePopupWidget()->close(); });
    clickButton(parent, name);
}

// While it lives, answers every modal dialog of that type inside its loop; the
// dialog ends with the code returned unless the answer closed it.
template <class Dialog = QDialog> struct ModalAnswers : QObject {
    explicit ModalAnswers(std::function<int(Dialog*)> f)
        : answer(std::move(f))
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* dialog = qobject_cast<Dialog*>(watched); event->type() == QEvent::Show && dialog && dialog->isModal())
            QTimer::singleShot(0, dialog, [dialog, answer = answer] {
                const int code = dialog->isVisible() ? answer(dialog) : 0;
                if (dialog->isVisible())
                    dialog->done(code);
            });
        return false;
    }
    std::function<int(Dialog*)> answer;
};
