#include "image/isobuild.h"

#include "image/isocontent.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace IsoBuild {

static void collectLargeFiles(const IsoEntry& folder, QStringList& out)
{
    for (int i = 0; i < folder.childCount(); ++i) {
        const IsoEntry* entry = folder.child(i);
        if (entry->isDir) {
            collectLargeFiles(*entry, out);
        } else {
            const qint64 size = entry->localPath.isEmpty() ? qint64(entry->size()) : QFileInfo(entry->localPath).size();
            if (size >= LargeFileBytes)
                out << entry->name;
        }
    }
}

QStringList LargeFiles(const IsoEntry& folder)
{
    QStringList names;
    collectLargeFiles(folder, names);
    return names;
}

bool IsInside(const QString& path, const QString& folder)
{
    if (path.isEmpty() || folder.isEmpty())
        return false;
    const QString p = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString f = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    if (p.compare(f, cs) == 0)
        return true;
    const QString prefix = f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/');
    return p.startsWith(prefix, cs);
}

} // namespace IsoBuild
