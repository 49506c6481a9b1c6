#include "ui/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

QSettings& store()
{
    static QSettings settings(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("quillon"), QStringLiteral("quillon"));
    return settings;
}

const QString LastFolderKey = QStringLiteral("files/lastFolder");
const QString RecentKey = QStringLiteral("files/recentImages");

} // namespace

namespace Settings {

QVariant Value(const QString& key, const QVariant& fallback)
{
    return store().value(key, fallback);
}

void SetValue(const QString& key, const QVariant& value)
{
    store().setValue(key, value);
    store().sync(); // kept even when the program is ended at once (the close button)
}

QString StartFolder()
{
    const QString last = store().value(LastFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QDir::homePath();
}

void RememberPlace(const QString& path)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    if (QFileInfo(folder).isDir())
        SetValue(LastFolderKey, folder);
}

QStringList RecentImages()
{
    QStringList images;
    for (const QString& image : store().value(RecentKey).toStringList())
        if (QFileInfo(image).isFile() && !images.contains(image))
            images << image;
    return images.mid(0, MaxRecent);
}

void AddRecentImage(const QString& image)
{
    const QString path = QFileInfo(image).absoluteFilePath();
    QStringList images = RecentImages();
    images.removeAll(path);
    images.prepend(path);
    SetValue(RecentKey, QVariant(images.mid(0, MaxRecent)));
}

void ClearRecentImages()
{
    SetValue(RecentKey, QVariant(QStringList()));
}

} // namespace Settings
