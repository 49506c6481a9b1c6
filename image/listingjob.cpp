#include "image/listingjob.h"

#include "runner/sevenzip.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ListingJob::ListingJob(ListingReader& reader, const QString& program, const QString& image, QObject* parent)
    : ToolJob(parent)
    , m_reader(reader)
    , m_image(image)
{
    setCommand(program, Tools::listArgs(image));
}

void ListingJob::doStart()
{
    m_damaged = false;
    m_log = ArchiveToolLog();
    m_log.SetSubject(m_image);
    m_reader.Begin(QFileInfo(m_image).fileName());
    ToolJob::doStart();
}

void ListingJob::doStop()
{
    ToolJob::doStop();
    m_reader.EndOfRun();
}

void ListingJob::handlePiece(const QString& piece)
{
    m_log.Feed(piece);
    if (m_reader.Feed(piece, pieceEndsLine()) == ListingReader::TableFinished)
        emit tableReady();
}

void ListingJob::lineEnded()
{
    if (m_reader.Feed(QString(), true) == ListingReader::TableFinished)
        emit tableReady();
}

QString ListingJob::judge(int exitCode, QProcess::ExitStatus status)
{
    if (m_reader.EndOfRun()) {
        m_damaged = !ToolJob::judge(exitCode, status).isEmpty() || !m_log.Errors().isEmpty();
        return QString();
    }
    // The extract page's words: its translations hold them.
    const QString name = QFileInfo(m_image).fileName();
    if (m_reader.WasRefused()) {
        const QString type = m_reader.ArchiveType();
        return type.isEmpty()
            ? QCoreApplication::translate("ListingJob", "The file %1 is not an ISO or UDF image.").arg(name)
            : QCoreApplication::translate(
                "ListingJob", "The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.")
                  .arg(name, type);
    }
    QString text = QCoreApplication::translate(
        "ListingJob", "The image %1 could not be read. It may not be an ISO image, or it may be damaged.")
                       .arg(name);
    if (!m_log.Reason().isEmpty())
        text += QLatin1Char('\n') + m_log.Reason();
    return text;
}

void ListingJob::cleanUp()
{
    if (failedToStart())
        m_reader.EndOfRun();
}

QString ListingJob::startFailure(const QString& error) const
{
    return QCoreApplication::translate(
        "ListingJob", "The image %1 could not be read: 7-Zip could not be started (%2): %3")
        .arg(QFileInfo(m_image).fileName(), QDir::toNativeSeparators(program()), error);
}
