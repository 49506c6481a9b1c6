#include "ui/fileicons.h"

#include "core/trace.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QTemporaryFile>

namespace {

QFileIconProvider& provider()
{
    static QFileIconProvider instance;
    return instance;
}

#ifdef Q_OS_WIN
// The system tells icon and type by extension only for files that exist: ask
// it about an empty temporary file with that extension.
template <typename T, typename F> T askWithTemporaryFile(const QString& extension, F ask)
{
    QTemporaryFile file(QDir::tempPath() + QLatin1Char('/') + QCoreApplication::applicationName()
        + QStringLiteral("_XXXXXX") + extension);
    file.setAutoRemove(false);
    if (!file.open()) {
        qCDebug(lcTrace) << QStringLiteral("failed to write temporary file %1").arg(file.fileTemplate());
        return T();
    }
    const QString path = file.fileName();
    file.close();
    T result = ask(QFileInfo(path));
    QFile::remove(path);
    return result;
}
#endif

} // namespace

QString ExtensionOf(const QString& fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 1 ? fileName.mid(dot) : QString();
}

QIcon FolderIcon()
{
    static const QIcon icon = provider().icon(QFileIconProvider::Folder);
    return icon;
}

QIcon FileIconFor(const QString& fileName)
{
    static QHash<QString, QIcon> cache;
    const QString extension = ExtensionOf(fileName);
    auto it = cache.constFind(extension);
    if (it != cache.constEnd())
        return it.value();
    QIcon icon;
    if (extension.isEmpty()) {
        icon = provider().icon(QFileIconProvider::File);
    } else {
#ifdef Q_OS_WIN
        icon = askWithTemporaryFile<QIcon>(extension, [](const QFileInfo& info) { return provider().icon(info); });
#else
        // The desktop's icon theme knows types by name; no file is needed.
        const QMimeType type =
            QMimeDatabase().mimeTypeForFile(QStringLiteral("x") + extension, QMimeDatabase::MatchExtension);
        icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
        if (icon.isNull())
            icon = provider().icon(QFileIconProvider::File);
#endif
    }
    cache.insert(extension, icon);
    return icon;
}

QString FileTypeFor(const QString& fileName)
{
    static QHash<QString, QString> cache;
    const QString extension = ExtensionOf(fileName);
    if (extension.isEmpty())
        return QString();
    auto it = cache.constFind(extension);
    if (it != cache.constEnd())
        return it.value();
#ifdef Q_OS_WIN
    const QString type =
        askWithTemporaryFile<QString>(extension, [](const QFileInfo& info) { return provider().type(info); });
#else
    const QMimeType mime =
        QMimeDatabase().mimeTypeForFile(QStringLiteral("x") + extension, QMimeDatabase::MatchExtension);
    QString type = mime.isDefault() ? QString() : mime.comment();
    if (type.isEmpty())
        type = extension.mid(1).toUpper() + QStringLiteral(" File");
#endif
    cache.insert(extension, type);
    return type;
}
