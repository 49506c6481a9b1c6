#pragma once

#include "image/fileutils.h"

#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

#include <deque>

// A worker thread that executes copy, delete and rename tasks one after the
// other. The owner queues tasks and follows them through sigTaskDone and
// sigIdle (and RemainingBytes for the figures). Each worker has its own
// progress counter, so two workers copying at once do not disturb each
// other's figures.
class CFileCopy : public QThread {
    Q_OBJECT
public:
    enum Operation { Copy = 0, Delete = 1, Rename = 2 };

    // Starts the thread at once; it waits for tasks.
    explicit CFileCopy(QObject* parent = nullptr);
    // Stops the worker and waits for the running task to end.
    ~CFileCopy() override;

    // Copy: target is the target file for a file source, the target parent
    // folder for a folder source. Rename: target is the new path. Delete:
    // target unused.
    void AddTask(const QString& source, const QString& target, int operation);
    // Drops every queued task; a task already running finishes (and still
    // counts in RemainingBytes until it has).
    void Clear();
    // Drops the first queued (not running) task with this source.
    void RemoveTask(const QString& source);
    // Bytes of queued and running work not done yet. Each task's source is
    // measured once. Above 0 while any task is queued or running, 0 or less
    // when the worker is idle.
    qint64 RemainingBytes();
    // Ends the thread after the running task, if any.
    void Stop();

    // Sets the progress counter to 0 (the edit page does it when it drops the
    // work of an older image).
    void ResetProgress() { m_progress.store(0); }
    quint64 Progress() const { return m_progress.load(); }
    // True when no task is queued or running.
    bool IsIdle();
    // Waits until idle or until `msecs` have passed; true when idle.
    bool WaitForIdle(int msecs);
    // Sources of the tasks that failed since the last call.
    QStringList TakeFailures();

signals:
    // Sent from the worker thread (so queued to the owner) after each task,
    // and once more when no task is left.
    void sigTaskDone();
    void sigIdle();

protected:
    struct Task {
        quint64 id = 0;
        int operation = Copy;
        QString source;
        QString target;
        qint64 size = -1; // measured source size, -1 until measured
    };

    void run() override;
    // Carries out one task on the worker thread; true on success. Tests
    // override it to hold a task in flight.
    virtual bool execute(const Task& task);
    CopyProgress& progressCounter() { return m_progress; }

private:
    QMutex m_mutex;
    QWaitCondition m_wake;
    QWaitCondition m_idle;
    std::deque<Task> m_queue; // pending tasks, in order
    bool m_stop = false;
    bool m_running = false; // a task is being executed
    qint64 m_runningSize = 0; // its measured size, -1 until measured
    QString m_runningSource;
    quint64 m_runningId = 0;
    quint64 m_nextId = 1;
    QStringList m_failures;
    CopyProgress m_progress {0};
};
