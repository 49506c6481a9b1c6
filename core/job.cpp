#include "core/job.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

Job::Job(QObject* parent)
    : QObject(parent)
{
    // Queued connections and signal spies need the status type by name.
    static const int registered = qRegisterMetaType<Job::Status>("Job::Status");
    Q_UNUSED(registered);
}

namespace {
// Jobs live on the GUI thread (or the command line's main thread).
QList<Job*> g_running;
} // namespace

Job::~Job()
{
    g_running.removeOne(this);
}

bool Job::AnyRunning()
{
    return !g_running.isEmpty();
}

void Job::StopAll()
{
    while (!g_running.isEmpty()) {
        // An outer job (a sequence) stops its current step itself.
        Job* outer = g_running.first();
        for (QObject* up = outer->parent(); up; up = up->parent()) {
            auto* job = qobject_cast<Job*>(up);
            if (job && job->isRunning())
                outer = job;
        }
        outer->stop();
        g_running.removeOne(outer); // a stop never leaves it running
    }
}

void Job::start()
{
    if (m_status == Status::Running)
        return;
    m_status = Status::Running;
    g_running.append(this);
    m_reason.clear();
    doStart();
}

void Job::stop()
{
    if (m_status != Status::Running)
        return;
    // Marked first, so whatever doStop() triggers cannot end the job another way.
    m_status = Status::Stopped;
    g_running.removeOne(this);
    doStop();
    emit finished(Status::Stopped, QString());
}

void Job::setProgress(const QString& stage, qint64 value, qint64 maximum)
{
    if (m_status != Status::Running)
        return;
    m_stage = stage;
    emit progress(stage, value, maximum);
}

void Job::succeed()
{
    finish(Status::Succeeded, QString());
}

void Job::fail(const QString& reason)
{
    finish(Status::Failed, reason);
}

void Job::finish(Status status, const QString& reason)
{
    if (m_status != Status::Running)
        return;
    m_status = status;
    m_reason = reason;
    g_running.removeOne(this);
    emit finished(status, reason);
}

// --- StepJob -----------------------------------------------------------------------

StepJob::StepJob(std::function<QString()> work, QObject* parent)
    : Job(parent)
    , m_work(std::move(work))
{
}

StepJob::StepJob(std::function<void(Done)> begin, std::function<void()> abort, QObject* parent)
    : Job(parent)
    , m_begin(std::move(begin))
    , m_abort(std::move(abort))
{
}

void StepJob::doStart()
{
    const quint64 generation = ++m_generation;
    auto done = [this, generation](const QString& reason) {
        if (generation != m_generation)
            return; // a later start or a stop made this answer stale
        if (reason.isEmpty())
            succeed();
        else
            fail(reason);
    };
    if (m_begin)
        m_begin(done);
    else
        done(m_work ? m_work() : QString());
}

void StepJob::doStop()
{
    ++m_generation;
    if (m_abort)
        m_abort();
}

// --- JobSequence -------------------------------------------------------------------

JobSequence::JobSequence(QObject* parent)
    : Job(parent)
{
}

Job* JobSequence::add(Job* job, int weight)
{
    job->setParent(this);
    m_steps.push_back({job, std::max(weight, 0)});
    m_totalWeight += std::max(weight, 0);
    connect(job, &Job::progress, this, &JobSequence::onStepProgress);
    connect(job, &Job::finished, this, &JobSequence::onStepFinished);
    return job;
}

Job* JobSequence::current() const
{
    if (m_index < 0 || m_index >= count())
        return nullptr;
    return m_steps[size_t(m_index)].job;
}

void JobSequence::doStart()
{
    m_index = -1;
    m_doneWeight = 0;
    m_lastValue = 0;
    runNext();
}

void JobSequence::runNext()
{
    if (!isRunning())
        return;
    if (m_index >= 0)
        m_doneWeight += m_steps[size_t(m_index)].weight;
    ++m_index;
    if (m_index >= count()) {
        setProgress(stage(), Scale, Scale);
        succeed();
        return;
    }
    Job* step = m_steps[size_t(m_index)].job;
    onStepProgress(step->name(), 0, 0);
    step->start();
}

void JobSequence::doStop()
{
    if (Job* step = current())
        step->stop();
}

void JobSequence::onStepProgress(const QString& stage, qint64 value, qint64 maximum)
{
    if (sender() && sender() != current())
        return;
    const qint64 total = std::max<qint64>(m_totalWeight, 1);
    const qint64 weight = m_index >= 0 && m_index < count() ? m_steps[size_t(m_index)].weight : 0;
    qint64 within = 0;
    if (maximum > 0)
        within = weight * Scale * std::clamp<qint64>(value, 0, maximum) / maximum;
    const qint64 now = (m_doneWeight * Scale + within) / total;
    m_lastValue = std::max(m_lastValue, now); // one bar that never goes backwards
    setProgress(stage.isEmpty() ? this->stage() : stage, m_lastValue, Scale);
}

void JobSequence::onStepFinished(Job::Status status, const QString& reason)
{
    if (sender() != current() || !isRunning())
        return;
    switch (status) {
    case Status::Succeeded:
        // Later steps start from the event loop: a step's own finished()
        // handlers run to the end first.
        QMetaObject::invokeMethod(this, &JobSequence::runNext, Qt::QueuedConnection);
        break;
    case Status::Failed: {
        const QString step = current()->name();
        fail(step.isEmpty() ? reason : tr("%1: %2").arg(step, reason));
        break;
    }
    default:
        break; // a step stopped on its own only happens inside our stop()
    }
}
