#include "platform/shell.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace Platform {

qint64 volumeCapacity(const QString& path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return 0;
    QStorageInfo info(path);
    if (!info.isValid() || !info.isReady())
        return 0;
    return qMax<qint64>(0, info.bytesTotal());
}

} // namespace Platform
