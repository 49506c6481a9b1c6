#include "image/fileutils.h"

#include "core/trace.h"
#include "core/util.h"
#include "platform/fastcopy.h"
#include "platform/shell.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <memory>

QString FormatSize(qint64 bytes)
{
    static const char* const units[] = {"B", "KB", "MB", "GB"};
    double value = double(bytes);
    int unit = 0;
    while (unit < 3 && value > 1024.0) {
        value *= 0.0009765625;
        ++unit;
    }
    QString text = QString::number(value, 'f', 2);
    if (text.endsWith(QLatin1String(".00")))
        text.chop(3);
    return text + QLatin1Char(' ') + QLatin1String(units[unit]);
}

QString FormatDateTime(const QDateTime& dateTime)
{
    return dateTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString CollapseSpaces(const QString& text)
{
    QString result = text;
    while (result.contains(QLatin1String("  ")))
        result.replace(QLatin1String("  "), QLatin1String(" "));
    return result;
}

bool PathExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

namespace {

// Large blocks keep pace with cp; the progress counter still moves often
// enough for a 100 ms poll.
constexpr qint64 CopyBlock = 1 << 20;

QString nameOf(const QString& path)
{
    QString p = QDir::fromNativeSeparators(path);
    while (p.endsWith(QLatin1Char('/')) && p.size() > 1)
        p.chop(1);
    return p.mid(p.lastIndexOf(QLatin1Char('/')) + 1);
}

void makeWritable(const QString& path)
{
    QFile::setPermissions(path,
        QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::ReadOwner
            | QFileDevice::ReadUser);
}

} // namespace

bool CopyFile(const QString& source, const QString& target, CopyProgress* progress)
{
    if (source == target)
        return true;
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.exists() || sourceInfo.isDir())
        return false;
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && sourceInfo.canonicalFilePath() == targetInfo.canonicalFilePath())
        return true; // the same file by another spelling: replacing it would lose it
    if (targetInfo.isDir())
        return false; // never replace a folder by a file
    if (!QDir().mkpath(targetInfo.absolutePath())) {
        Util::WriteLog(QStringLiteral("Can not open file for write") + target);
        return false;
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        Util::WriteLog(QStringLiteral("Can not open file for read") + source);
        return false;
    }
    // Written beside the target and renamed over it at the end: a failed copy
    // leaves neither a half-written file nor a lost old one. (QSaveFile would
    // also flush to disk, which halves the speed against cp.)
    QTemporaryFile out(target + QStringLiteral(".XXXXXX.part"));
    if (!out.open()) {
        Util::WriteLog(QStringLiteral("Can not open file for write") + target);
        return false;
    }
    // In-kernel copy where the system offers it (as cp does); a buffer
    // otherwise. Both count progress per block.
    bool failed = false;
    bool buffered = false;
    const qint64 expected = in.size();
    qint64 copied = 0;
    for (;;) {
        const qint64 got = Platform::copyRange(in.handle(), out.handle(), CopyBlock * 16);
        if (got == Platform::CopyUnsupported) {
            buffered = true;
            break;
        }
        if (got < 0) {
            Util::WriteLog(QStringLiteral("Can not copy ") + source + QStringLiteral(" to ") + target
                + QStringLiteral(": ") + qt_error_string(errno));
            failed = true;
            break;
        }
        if (got == 0) {
            // Some files (under /proc, for one) report nothing to the kernel
            // copy; reading them tells the truth.
            buffered = copied < expected || expected == 0;
            break;
        }
        copied += got;
        if (progress)
            progress->fetch_add(quint64(got));
    }
    if (buffered && !failed && (!in.seek(copied) || !out.seek(copied)))
        failed = true;
    std::unique_ptr<char[]> buffer(buffered && !failed ? new char[CopyBlock] : nullptr);
    while (buffer) {
        const qint64 got = in.read(buffer.get(), CopyBlock);
        if (got < 0) {
            Util::WriteLog(QStringLiteral("Can not read ") + source + QStringLiteral(": ") + in.errorString());
            failed = true;
            break;
        }
        if (got == 0)
            break;
        if (out.write(buffer.get(), got) != got) {
            Util::WriteLog(QStringLiteral("Can not write ") + target + QStringLiteral(": ") + out.errorString());
            failed = true;
            break;
        }
        if (progress)
            progress->fetch_add(quint64(got));
    }
    if (failed)
        return false; // the temporary file goes with `out`
    out.setPermissions(QFile::permissions(source) | QFileDevice::ReadOwner | QFileDevice::ReadUser
        | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    if (!out.flush() || out.error() != QFileDevice::NoError) {
        Util::WriteLog(QStringLiteral("Can not write ") + target + QStringLiteral(": ") + out.errorString());
        return false;
    }
    out.close();
    // The copy keeps its source's date (the image shows the dates the list shows).
    Platform::setModificationTime(out.fileName(), sourceInfo.lastModified());
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
        makeWritable(target);
        QFile::remove(target);
    }
    if (!out.rename(target)) {
        Util::WriteLog(QStringLiteral("Can not write ") + target + QStringLiteral(": ") + out.errorString());
        return false;
    }
    out.setAutoRemove(false);
    return true;
}

bool CopyFolder(const QString& source, const QString& targetParent, CopyProgress* progress)
{
    const QString target = targetParent + QLatin1Char('/') + nameOf(source);
    if (!QDir().mkpath(target))
        return false;
    return CopyFolderContents(source, target, progress);
}

bool CopyFolderContents(const QString& source, const QString& target, CopyProgress* progress)
{
    if (!QFileInfo(source).isDir())
        return false;
    if (!QFileInfo(target).isDir() && !QDir().mkpath(target))
        return false;
    // A target inside its own source would copy itself forever.
    const QString src = QFileInfo(source).canonicalFilePath();
    const QString dst = QFileInfo(target).canonicalFilePath();
    if (dst == src || dst.startsWith(src + QLatin1Char('/')))
        return false;
    const QFileInfoList entries =
        QDir(source).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString to = target + QLatin1Char('/') + entry.fileName();
        if (entry.isDir()) {
            if (entry.isSymLink())
                continue; // may loop back; the link target is copied where it lives
            if (!CopyFolderContents(entry.filePath(), to, progress))
                return false;
        } else {
            if (QFileInfo::exists(to)) {
                makeWritable(to);
                if (QFileInfo(to).isDir())
                    RemoveFolderTree(to);
                else
                    QFile::remove(to);
            }
            if (!CopyFile(entry.filePath(), to, progress))
                return false;
        }
    }
    Platform::setModificationTime(target, QFileInfo(source).lastModified());
    return true;
}

qint64 FolderSize(const QString& folder)
{
    QString path = folder;
    if (path.endsWith(QLatin1Char('/')) && path.size() > 1)
        path.chop(1);
    qint64 total = 0;
    // Hidden files are copied too, so they count; linked folders are not entered.
    QDirIterator it(path, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isFile())
            total += info.size();
    }
    return total;
}

qint64 PathSize(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return info.size();
    if (info.isDir())
        return FolderSize(path);
    return 0;
}

qint64 DiskCapacity(const QString& path)
{
    return Platform::volumeCapacity(path);
}

void DeleteFileOrFolder(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    if (info.isDir() && !info.isSymLink()) {
        QDir dir(path);
        if (!dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            qCDebug(lcTrace) << "DeleteFileOrFolder: folder not empty:" << path;
            return;
        }
        makeWritable(path);
        if (!QDir().rmdir(path))
            qCDebug(lcTrace) << "DeleteFileOrFolder: cannot remove folder" << path << errno << qt_error_string(errno);
        return;
    }
    if (!info.isSymLink())
        makeWritable(path);
    QFile file(path);
    if (!file.remove())
        qCDebug(lcTrace) << "DeleteFileOrFolder:" << file.errorString();
}

void RemoveFolderTree(const QString& folder)
{
    if (folder.isEmpty())
        return;
    const QFileInfo info(folder);
    if (!info.isDir() || info.isSymLink())
        return;
    QDir(folder).removeRecursively();
}

QString WithDefaultSuffix(const QString& path, const QString& suffix)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

bool ReplaceFile(const QString& from, const QString& to)
{
#ifdef Q_OS_WIN
    if (QFileInfo(to).isFile() && !QFile::remove(to))
        return false;
    return QFile::rename(from, to);
#else
    if (QFileInfo(to).isDir())
        return false;
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

QString ShortNameList(const QStringList& names)
{
    constexpr int MaxNamesShown = 8;
    QStringList shown = names.mid(0, MaxNamesShown);
    if (names.size() > MaxNamesShown)
        shown << QStringLiteral("...");
    return shown.join(QLatin1Char('\n'));
}
