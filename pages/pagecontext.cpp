#include "pages/pagecontext.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

QStringList PageWindow::DroppedPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {}; // a web address is no file of the user's
        paths << url.toLocalFile();
    }
    return paths;
}

bool PageWindow::IsImageFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.suffix().compare(QLatin1String("iso"), Qt::CaseInsensitive) == 0;
}

void PageWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QStringList paths = DroppedPaths(event->mimeData());
    if (!paths.isEmpty() && CanTakeDrop(paths))
        event->acceptProposedAction();
    else
        event->ignore();
}

void PageWindow::dragMoveEvent(QDragMoveEvent* event)
{
    const QStringList paths = DroppedPaths(event->mimeData());
    if (!paths.isEmpty() && CanTakeDrop(paths))
        event->acceptProposedAction();
    else
        event->ignore();
}

void PageWindow::dropEvent(QDropEvent* event)
{
    const QStringList paths = DroppedPaths(event->mimeData());
    if (paths.isEmpty() || !CanTakeDrop(paths)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    TakeDrop(paths);
}
