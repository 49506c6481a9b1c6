#pragma once

#include "core/job.h"

#include <QTimer>

#include <functional>

// Waits for something another part of the program does (an extraction, a
// copy queue), polling it on a timer so the event loop keeps running. Its
// progress is what the poll reports; stopping it ends only the wait.
class WaitJob : public Job {
    Q_OBJECT
public:
    struct State {
        bool done = false;
        qint64 value = 0;
        qint64 maximum = 0;
        QString failure; // ends the wait as failed when not empty
    };
    using Poll = std::function<State()>;

    WaitJob(const QString& stage, int intervalMs, Poll poll, QObject* parent = nullptr);

protected:
    void doStart() override;
    void doStop() override;

private:
    void check();

    Poll m_poll;
    QTimer m_timer;
};
