#include "burn/discburn.h"

#include "runner/tools.h"

#include <QDebug>

int BurnProgressPercent(const QString& piece)
{
    if (piece.indexOf(QLatin1String("written (")) < 1 || piece.indexOf(QLatin1String("of")) < 1)
        return -1;
    const int colon = piece.indexOf(QLatin1Char(':'));
    if (colon < 1)
        return -1;
    const QString amounts = piece.mid(colon + 1);
    const int of = amounts.indexOf(QLatin1String("of"));
    if (of < 0)
        return -1;
    const qint64 written = amounts.left(of).trimmed().toLongLong();
    const QString rest = amounts.mid(of + 2).trimmed();
    const int blank = rest.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return -1;
    const qint64 total = rest.left(blank).toLongLong();
    if (total <= 0)
        return -1;
    return int(qBound<qint64>(0, written * 100 / total, 100));
}

namespace {

struct Marker
{
    const char* text;
    RecorderLog::Cause cause;
};

// cdrskin (libburn) and cdrecord/wodim lines, strongest cause first.
const Marker Markers[] = {
    {"BURN_DISC_EMPTY", RecorderLog::Cause::NoDisc},
    {"No media found in drive", RecorderLog::Cause::NoDisc},
    {"No disk / Wrong disk", RecorderLog::Cause::NoDisc},
    {"Cannot load media", RecorderLog::Cause::NoDisc},
    {"edium not present", RecorderLog::Cause::NoDisc},
    {"BURN_DISC_UNSUITABLE", RecorderLog::Cause::UnsuitableMedium},
    {"UNSUITABLE MEDIA", RecorderLog::Cause::UnsuitableMedium},
    {"burn_disc_full", RecorderLog::Cause::UnsuitableMedium},
    {"BURN_DISC_APPENDABLE", RecorderLog::Cause::UnsuitableMedium},
    {"does not fit on media", RecorderLog::Cause::UnsuitableMedium},
    {"Cannot open new session", RecorderLog::Cause::UnsuitableMedium},
    {"Cannot get next writable address", RecorderLog::Cause::UnsuitableMedium},
    {"write error", RecorderLog::Cause::WriteError},
    {"Write error", RecorderLog::Cause::WriteError},
    {"error after", RecorderLog::Cause::WriteError},
    {"Cannot write desired amount", RecorderLog::Cause::WriteError},
    {"Most recent system error", RecorderLog::Cause::WriteError},
};

bool isErrorLine(const QString& line)
{
    return line.contains(QLatin1String("FATAL")) || line.contains(QLatin1String("SORRY"))
           || line.contains(QLatin1String("Cannot")) || line.contains(QLatin1String("error"));
}

} // namespace

void RecorderLog::Feed(const QString& piece)
{
    const QString line = piece.trimmed();
    if (line.isEmpty() || BurnProgressPercent(line) >= 0)
        return;
    if (isErrorLine(line))
        m_lastError = line;
    for (const Marker& marker : Markers) {
        if (!line.contains(QLatin1String(marker.text)))
            continue;
        // A stronger cause wins; the first line of a cause explains it best,
        // except that the system's own words beat the generic write failure.
        if (m_cause == Cause::None || marker.cause < m_cause) {
            m_cause = marker.cause;
            m_detail = line;
        } else if (marker.cause == m_cause && line.contains(QLatin1String("system error"))) {
            m_detail = line;
        }
        break;
    }
}

DiscBurnJob::DiscBurnJob(const QString& address, const QString& image, QObject* parent)
    : ToolJob(parent)
{
    setCommand(Tools::recorderTool(), Tools::writeImageArgs(address, image));
}

void DiscBurnJob::handlePiece(const QString& piece)
{
    qDebug() << "CBurnDialog::onDVDBurnOutput" << piece;
    m_log.Feed(piece);
    const int percent = BurnProgressPercent(piece);
    if (percent >= 0)
        setProgress(stage(), percent, 100);
}

QString DiscBurnJob::judge(int exitCode, QProcess::ExitStatus status)
{
    QString reason;
    switch (m_log.cause()) {
    case RecorderLog::Cause::NoDisc:
        reason = tr("There is no disc in the drive.");
        break;
    case RecorderLog::Cause::UnsuitableMedium:
        reason = tr("The disc in the drive cannot be written: it is not blank, or not a kind of disc "
                    "this drive can write.");
        break;
    case RecorderLog::Cause::WriteError:
        reason = tr("Writing to the disc failed.");
        break;
    case RecorderLog::Cause::None:
        if (status != QProcess::NormalExit)
            reason = tr("The recorder ended abnormally.");
        else if (exitCode != 0)
            reason = tr("The recorder ended with exit status %1.").arg(exitCode);
        break;
    }
    if (!reason.isEmpty() && !m_log.detail().isEmpty())
        reason += QLatin1Char('\n') + m_log.detail();
    return reason;
}
