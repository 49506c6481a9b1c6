#include "platform/leftovers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStorageInfo>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#endif

namespace {

QMutex g_mutex;
QString g_folder;
// This run's notes, held open and locked for the run's whole life: the lock
// goes with the process however it ends, so a later start can tell.
std::unique_ptr<QFile> g_notes;
QStringList g_noted;

QString folderLocked()
{
    if (g_folder.isEmpty())
        g_folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/runs");
    return g_folder;
}

bool lockExclusive(QFile& file)
{
#ifdef Q_OS_UNIX
    return ::flock(file.handle(), LOCK_EX | LOCK_NB) == 0;
#else
    Q_UNUSED(file);
    return true; // Windows: the open file cannot be opened again while its run lives
#endif
}

QStringList readNotes(QFile& file)
{
    file.seek(0);
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void writeHeld()
{
    if (!g_notes)
        return;
    g_notes->resize(0);
    g_notes->seek(0);
    g_notes->write(g_noted.isEmpty() ? QByteArray() : g_noted.join(QLatin1Char('\n')).toUtf8() + '\n');
    g_notes->flush();
}

// Removing through a mount point would delete a disk's files.
bool hasMountBelow(const QString& path)
{
    const QString root = QFileInfo(path).absoluteFilePath();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString at = volume.rootPath();
        if (at == root || at.startsWith(root + QLatin1Char('/')))
            return true;
    }
    return false;
}

bool removeItem(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

} // namespace

namespace Leftovers {

QString NotesFolder()
{
    QMutexLocker lock(&g_mutex);
    return folderLocked();
}

void SetNotesFolder(const QString& folder)
{
    QMutexLocker lock(&g_mutex);
    g_notes.reset();
    g_noted.clear();
    g_folder = folder;
}

void Note(const QString& path)
{
    QMutexLocker lock(&g_mutex);
    if (!g_notes) {
        const QString folder = folderLocked();
        QDir().mkpath(folder);
        auto file =
            std::make_unique<QFile>(folder + QStringLiteral("/run-%1.txt").arg(QCoreApplication::applicationPid()));
        if (!file->open(QIODevice::ReadWrite) || !lockExclusive(*file))
            return;
        g_noted = readNotes(*file); // a crashed run that had our process number
        g_notes = std::move(file);
    }
    g_noted << QFileInfo(path).absoluteFilePath();
    writeHeld();
}

void Forget(const QString& path)
{
    QMutexLocker lock(&g_mutex);
    if (g_noted.removeOne(QFileInfo(path).absoluteFilePath()))
        writeHeld();
}

bool IsOurName(const QString& path)
{
    static const QRegularExpression ours(QStringLiteral("^(\\.quillon-extract-[A-Za-z0-9]{6}"
                                                        "|\\..+\\.[A-Za-z0-9]{6}(\\.part)?"
                                                        "|quillon-usb-[A-Za-z0-9]{6}"
                                                        "|quillon-list-[A-Za-z0-9]{6})$"));
    return ours.match(QFileInfo(path).fileName()).hasMatch();
}

QStringList RemoveFromEndedRuns()
{
    QMutexLocker lock(&g_mutex);
    const QString folder = folderLocked();
    const QString own = g_notes ? g_notes->fileName() : QString();
    QStringList removed;
    const QStringList files = QDir(folder).entryList({QStringLiteral("run-*.txt")}, QDir::Files);
    for (const QString& name : files) {
        const QString path = folder + QLatin1Char('/') + name;
        if (path == own)
            continue;
        QFile notes(path);
        // A run still going on holds the lock on its notes.
        if (!notes.open(QIODevice::ReadWrite) || !lockExclusive(notes))
            continue;
        QStringList unsettled;
        for (const QString& item : readNotes(notes)) {
            const QFileInfo info(item);
            if ((!info.exists() && !info.isSymLink()) || !IsOurName(item))
                continue; // gone already, or not a name we give: never ours
            if (hasMountBelow(item) || !removeItem(item)) {
                unsettled << item;
                continue;
            }
            removed << item;
        }
        if (unsettled.isEmpty()) {
            notes.remove();
        } else {
            notes.resize(0);
            notes.seek(0);
            notes.write(unsettled.join(QLatin1Char('\n')).toUtf8() + '\n');
        }
    }
    return removed;
}

} // namespace Leftovers
