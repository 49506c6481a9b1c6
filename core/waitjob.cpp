#include "core/waitjob.h"

WaitJob::WaitJob(const QString& stage, int intervalMs, Poll poll, QObject* parent)
    : Job(parent)
    , m_poll(std::move(poll))
{
    setName(stage);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &WaitJob::check);
}

void WaitJob::doStart()
{
    check();
    if (isRunning())
        m_timer.start();
}

void WaitJob::doStop()
{
    m_timer.stop();
}

void WaitJob::check()
{
    const State state = m_poll();
    if (!state.failure.isEmpty()) {
        m_timer.stop();
        fail(state.failure);
        return;
    }
    if (state.done) {
        m_timer.stop();
        setProgress(name(), 1, 1);
        succeed();
        return;
    }
    setProgress(name(), state.value, state.maximum);
}
