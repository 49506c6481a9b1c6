#include "burn/discburn.h"
#include "core/trace.h"

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

FailureLog<RecorderFailure> RecorderLog()
{
    using F = RecorderFailure;
    // cdrskin (libburn) and cdrecord/wodim lines, strongest cause first.
    return {{"BURN_DISC_EMPTY", F::NoDisc},
            {"No media found in drive", F::NoDisc},
            {"No disk / Wrong disk", F::NoDisc},
            {"Cannot load media", F::NoDisc},
            {"edium not present", F::NoDisc},
            {"BURN_DISC_UNSUITABLE", F::UnsuitableMedium},
            {"UNSUITABLE MEDIA", F::UnsuitableMedium},
            {"burn_disc_full", F::UnsuitableMedium},
            {"BURN_DISC_APPENDABLE", F::UnsuitableMedium},
            {"does not fit on media", F::UnsuitableMedium},
            {"Cannot open new session", F::UnsuitableMedium},
            {"Cannot get next writable address", F::UnsuitableMedium},
            {"Most recent system error", F::WriteError}, // the system's own words first
            {"A write error occured", F::WriteError},
            {"(write error)", F::WriteError},
            {"Write error", F::WriteError},
            {"error after", F::WriteError},
            {"Cannot write desired amount", F::WriteError}};
}

DiscBurnJob::DiscBurnJob(const QString& address, const QString& image, QObject* parent)
    : ToolJob(parent)
{
    setCommand(Tools::recorderTool(), Tools::writeImageArgs(address, image));
}

void DiscBurnJob::handlePiece(const QString& piece)
{
    qCDebug(lcTrace) << "CBurnDialog::onDVDBurnOutput" << piece;
    const int percent = BurnProgressPercent(piece);
    if (percent >= 0)
        setProgress(stage(), percent, 100);
    else
        m_log.Feed(piece);
}

QString DiscBurnJob::judge(int exitCode, QProcess::ExitStatus status)
{
    QString reason;
    switch (m_log.cause()) {
    case RecorderFailure::NoDisc:
        reason = tr("There is no disc in the drive.");
        break;
    case RecorderFailure::UnsuitableMedium:
        reason = tr("The disc in the drive cannot be written: it is not blank, or not a kind of disc "
                    "this drive can write.");
        break;
    case RecorderFailure::WriteError:
        reason = tr("Writing to the disc failed.");
        break;
    case RecorderFailure::None:
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
