#include "burn/discread.h"

#include "image/fileutils.h"
#include "platform/leftovers.h"
#include "runner/discreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

QString DiscImagePath(const QString& typed)
{
    const QString path = typed.trimmed();
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir() || !info.suffix().isEmpty())
        return path;
    return path + QStringLiteral(".iso");
}

QString CheckDiscImageTarget(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QCoreApplication::translate("ReadDiscJob", "%1 is a folder.").arg(QDir::toNativeSeparators(path));
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QCoreApplication::translate("ReadDiscJob", "The folder %1 does not exist.")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isWritable() || (target.exists() && !target.isWritable()))
        return QCoreApplication::translate("ReadDiscJob", "%1 cannot be written to.")
            .arg(QDir::toNativeSeparators(path));
    return QString();
}

ReadDiscJob::ReadDiscJob(const QString& reader, const QString& address, const QString& target, QObject* parent)
    : ToolJob(parent)
    , m_reader(reader)
    , m_address(address)
    , m_target(target)
{
}

void ReadDiscJob::doStart()
{
    m_sectors = -1;
    m_log = ReaderLog();
    // A free name beside the target. The reader creates the file itself: a
    // file it would only truncate is flushed at close, which costs time.
    const QFileInfo target(m_target);
    QTemporaryFile part(
        target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX.part"));
    if (!part.open()) {
        fail(tr("Cannot write to the folder %1: %2")
                 .arg(QDir::toNativeSeparators(target.absolutePath()), part.errorString()));
        return;
    }
    m_part = part.fileName();
    part.close();
    part.remove();
    Leftovers::Note(m_part);
    setCommand(m_reader, Tools::readDiscArgs(m_address, m_part));
    ToolJob::doStart();
}

void ReadDiscJob::handlePiece(const QString& piece)
{
    const qint64 address = ReadAddress(piece);
    if (address < 0)
        m_log.Feed(piece);
    if (m_sectors < 0) {
        const qint64 end = ReadEndSectors(piece);
        if (end >= 0) {
            m_sectors = end;
            setProgress(stage(), 0, m_sectors);
        }
    }
    if (address >= 0 && m_sectors >= 0)
        setProgress(stage(), qMin(address, m_sectors), m_sectors);
}

QString ReadDiscJob::judge(int exitCode, QProcess::ExitStatus status)
{
    QString reason;
    switch (m_log.cause()) {
    case ReaderFailure::NoDisc:
        reason = tr("There is no readable disc in the drive.");
        break;
    case ReaderFailure::Unreadable:
        reason = tr("A part of the disc cannot be read.");
        break;
    case ReaderFailure::NoPermission:
        reason = tr("Permission denied: the drive or the image file cannot be opened.");
        break;
    case ReaderFailure::None:
        if (status != QProcess::NormalExit)
            reason = tr("The reader ended abnormally.");
        else if (exitCode != 0)
            reason = tr("The reader ended with exit status %1.").arg(exitCode);
        break;
    }
    if (!reason.isEmpty()) {
        if (!m_log.detail().isEmpty())
            reason += QLatin1Char('\n') + m_log.detail();
        return reason;
    }
    if (m_sectors < 0)
        return tr("The reader did not say how large the disc is.");
    const qint64 expected = m_sectors * SectorBytes;
    const qint64 actual = QFileInfo(m_part).size();
    if (actual < expected)
        return tr("The image is incomplete: %1 of %2 bytes were read.").arg(actual).arg(expected);
    if (!ReplaceFile(m_part, m_target))
        return tr("The image could not be put in place of %1.").arg(QDir::toNativeSeparators(m_target));
    Leftovers::Forget(m_part);
    return QString();
}

void ReadDiscJob::cleanUp()
{
    if (!m_part.isEmpty() && QFile::remove(m_part))
        Leftovers::Forget(m_part);
}
