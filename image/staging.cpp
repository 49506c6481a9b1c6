#include "image/staging.h"

#include "core/util.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <functional>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <sys/types.h>
#endif

namespace {

const QRegularExpression& folderPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z]+-([0-9]+)-([0-9]+)$"));
    return pattern;
}

QAtomicInt counter {0};

} // namespace

QString StagingArea::DefaultRoot()
{
    const QString data = Util::GetDataPath();
    if (!data.isEmpty())
        return data + QStringLiteral("/staging");
    // Never a folder at the top of the file system.
    return QDir::tempPath() + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral("-staging");
}

StagingArea::StagingArea(const QString& kind, const QString& root)
    : m_root(QDir::cleanPath(QDir::fromNativeSeparators(root)))
{
    if (m_root.isEmpty() || QDir(m_root).isRoot() || !QDir().mkpath(m_root)) {
        m_root.clear();
        return;
    }
    const QString prefix =
        kind + QLatin1Char('-') + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-');
    QDir rootDir(m_root);
    // A folder of this name can only exist if an ended process had our id:
    // take the next number rather than its content.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const QString name = prefix + QString::number(counter.fetchAndAddOrdered(1) + 1);
        if (rootDir.exists(name))
            continue;
        if (rootDir.mkdir(name)) {
            m_path = QFileInfo(rootDir.filePath(name)).absoluteFilePath();
            return;
        }
    }
}

qint64 StagingArea::OwnerOf(const QString& folderName)
{
    const QRegularExpressionMatch match = folderPattern().match(folderName);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const qint64 pid = match.captured(1).toLongLong(&ok);
    return ok ? pid : 0;
}

bool StagingArea::ProcessAlive(qint64 pid)
{
    if (pid <= 0)
        return false;
    if (pid == QCoreApplication::applicationPid())
        return true;
#ifdef Q_OS_WIN
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    if (::kill(pid_t(pid), 0) == 0)
        return true;
    return errno == EPERM; // alive, owned by someone else
#endif
}

QStringList StagingArea::OwnFolders(const QString& root)
{
    return foldersOf(root, [](qint64 owner) { return owner == QCoreApplication::applicationPid(); });
}

QStringList StagingArea::StaleFolders(const QString& root)
{
    return foldersOf(root, [](qint64 owner) { return !ProcessAlive(owner); });
}

QStringList StagingArea::foldersOf(const QString& root, const std::function<bool(qint64)>& owned)
{
    QStringList stale;
    const QString cleaned = QDir::cleanPath(QDir::fromNativeSeparators(root));
    if (cleaned.isEmpty() || QDir(cleaned).isRoot())
        return stale;
    const QDir dir(cleaned);
    const QFileInfoList entries = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink())
            continue;
        const qint64 owner = OwnerOf(entry.fileName());
        if (owner > 0 && owned(owner))
            stale << entry.absoluteFilePath();
    }
    return stale;
}
