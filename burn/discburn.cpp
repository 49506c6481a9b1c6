#include "burn/discburn.h"

#include "core/trace.h"
#include "runner/recorder.h"

#include <QDebug>

DiscBurnJob::DiscBurnJob(const QString& recorder, const QString& address, const QString& image, QObject* parent)
    : ToolJob(parent)
{
    setCommand(recorder, Tools::writeImageArgs(address, image));
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

Job* StartEjectJob(const QString& recorder, const QString& address, QObject* parent)
{
    auto* eject = new ToolJob(parent);
    eject->setCommand(recorder, Tools::ejectArgs(address));
    QObject::connect(eject, &Job::finished, eject, &QObject::deleteLater);
    eject->start();
    return eject;
}
