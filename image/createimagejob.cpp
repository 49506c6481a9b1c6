#include "image/createimagejob.h"

#include "image/filecopy.h"
#include "image/fileutils.h"
#include "image/isobuildjob.h"
#include "image/stagedcontent.h"
#include "runner/isobuilder.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

constexpr int RefreshMs = 250;

} // namespace

CopyWaitJob::CopyWaitJob(CFileCopy* copier, QObject* parent)
    : Job(parent)
    , m_copier(copier)
    , m_refresh(new QTimer(this))
{
    setName(QCoreApplication::translate("CreateImageJob", "Copy files and folders..."));
    m_refresh->setInterval(RefreshMs);
    connect(m_refresh, &QTimer::timeout, this, &CopyWaitJob::report);
}

void CopyWaitJob::doStart()
{
    if (!m_copier || m_copier->IsIdle()) {
        succeed();
        return;
    }
    m_initial = qMax<qint64>(m_copier->RemainingBytes(), 1);
    connect(m_copier, &CFileCopy::sigTaskDone, this, &CopyWaitJob::report);
    connect(m_copier, &CFileCopy::sigIdle, this, [this] {
        if (m_copier->IsIdle()) {
            doStop();
            succeed();
        }
    });
    m_refresh->start();
    report();
    // Idle meanwhile: its signal may have come before the connection.
    if (m_copier->IsIdle()) {
        doStop();
        succeed();
    }
}

void CopyWaitJob::doStop()
{
    m_refresh->stop();
    if (m_copier)
        disconnect(m_copier, nullptr, this, nullptr);
}

void CopyWaitJob::report()
{
    if (!m_copier || !isRunning())
        return;
    const qint64 remaining = qMax<qint64>(m_copier->RemainingBytes(), 0);
    // More may have been queued since the start.
    m_initial = qMax(m_initial, remaining);
    setProgress(name(), (m_initial - remaining) / 1024, m_initial / 1024);
}

CreateImageJob::CreateImageJob(StagedContent* staged, const Request& request, QObject* parent)
    : JobSequence(parent)
{
    // Weights in KiB: what is left to copy, and everything for the builder to read.
    const qint64 pending = qMax<qint64>(staged->copier()->RemainingBytes(), 0) / 1024;
    const qint64 content = staged->content().LocalFilesSize() / 1024;
    const auto weight = [](qint64 kib) {
        return int(qBound<qint64>(1, kib / 1024 + 1, 1 << 20));
    };

    add(new CopyWaitJob(staged->copier()), pending > 0 ? weight(pending) : 0);

    auto* check = new StepJob([staged] {
        // Copies that failed (unreadable source, full disk) would silently be
        // missing from the image.
        staged->copier()->TakeFailures();
        const QStringList missing = staged->verify();
        if (missing.isEmpty())
            return QString();
        return QCoreApplication::translate("CreateImageJob",
            "These files could not be copied into the working folder, so no image was "
            "created (unreadable files, or a full disk?):\n%1")
            .arg(ShortNameList(missing));
    });
    check->setName(QCoreApplication::translate("CreateImageJob", "Copy files and folders..."));
    add(check, 0);

    IsoBuildJob::Request build;
    build.output = request.output;
    build.program = request.program;
    const QString source = staged->folder();
    build.arguments = [request, source](const QString& file) {
        return Tools::createImageArgs(request.type, file, source, request.allowLargeFiles, request.label);
    };
    m_builder = new IsoBuildJob(build);
    add(m_builder, weight(content));
}

bool CreateImageJob::building() const
{
    return isRunning() && current() == m_builder;
}

QString CreateImageJob::stepReason() const
{
    const Job* step = current();
    return step ? step->reason() : reason();
}
