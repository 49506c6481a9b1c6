#include "image/filecopy.h"

#include "core/trace.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <vector>

CFileCopy::CFileCopy(QObject* parent)
    : QThread(parent)
{
    start(QThread::InheritPriority);
}

CFileCopy::~CFileCopy()
{
    Stop();
    wait();
}

void CFileCopy::AddTask(const QString& source, const QString& target, int operation)
{
    QMutexLocker lock(&m_mutex);
    Task task;
    task.id = m_nextId++;
    task.operation = operation;
    task.source = source;
    task.target = target;
    m_queue.push_back(task);
    m_wake.wakeAll();
}

void CFileCopy::Clear()
{
    QMutexLocker lock(&m_mutex);
    m_queue.clear();
    m_idle.wakeAll();
}

void CFileCopy::RemoveTask(const QString& source)
{
    QMutexLocker lock(&m_mutex);
    for (auto it = m_queue.begin(); it != m_queue.end(); ++it) {
        if (it->source == source) {
            m_queue.erase(it);
            break;
        }
    }
    m_idle.wakeAll();
}

qint64 CFileCopy::RemainingBytes()
{
    // Measure the tasks not measured yet without holding the lock, so the
    // worker can go on meanwhile; each source is measured once.
    std::vector<std::pair<quint64, QString>> unmeasured;
    QString runningSource;
    quint64 runningId = 0;
    {
        QMutexLocker lock(&m_mutex);
        if (m_running && m_runningSize < 0) {
            runningSource = m_runningSource;
            runningId = m_runningId;
        }
        for (const Task& t : m_queue)
            if (t.size < 0)
                unmeasured.emplace_back(t.id, t.source);
    }
    std::vector<qint64> sizes;
    sizes.reserve(unmeasured.size());
    for (const auto& u : unmeasured)
        sizes.push_back(PathSize(u.second));
    const qint64 runningMeasured = runningId ? PathSize(runningSource) : -1;

    QMutexLocker lock(&m_mutex);
    if (m_running && m_runningSize < 0) {
        // The worker may have taken up a task while it was being measured.
        if (m_runningId == runningId)
            m_runningSize = runningMeasured;
        for (size_t i = 0; i < unmeasured.size(); ++i)
            if (unmeasured[i].first == m_runningId)
                m_runningSize = sizes[i];
    }
    size_t next = 0;
    qint64 pending = 0;
    for (Task& t : m_queue) {
        if (t.size < 0) {
            while (next < unmeasured.size() && unmeasured[next].first < t.id)
                ++next;
            if (next < unmeasured.size() && unmeasured[next].first == t.id)
                t.size = sizes[next];
            else
                t.size = PathSize(t.source); // added meanwhile
        }
        pending += t.size;
    }
    // Empty files and folders weigh nothing, but still have to be done.
    if (!m_running)
        return m_queue.empty() ? pending : qMax<qint64>(pending, 1);
    // The running task counts until it has ended, even after Clear, and the
    // total stays above 0 until then so the owner never mistakes it for done.
    const qint64 running = qMax<qint64>(m_runningSize - qint64(m_progress.load()), 0);
    return qMax<qint64>(pending + running, 1);
}

void CFileCopy::Stop()
{
    QMutexLocker lock(&m_mutex);
    m_stop = true;
    m_wake.wakeAll();
}

bool CFileCopy::IsIdle()
{
    QMutexLocker lock(&m_mutex);
    return !m_running && m_queue.empty();
}

bool CFileCopy::WaitForIdle(int msecs)
{
    QDeadlineTimer deadline(msecs);
    QMutexLocker lock(&m_mutex);
    while (m_running || (!m_queue.empty() && !m_stop && isRunning())) {
        if (!m_idle.wait(&m_mutex, deadline))
            return !m_running && m_queue.empty();
    }
    return !m_running && m_queue.empty();
}

QStringList CFileCopy::TakeFailures()
{
    QMutexLocker lock(&m_mutex);
    QStringList failures;
    failures.swap(m_failures);
    return failures;
}

void CFileCopy::run()
{
    for (;;) {
        Task task;
        {
            QMutexLocker lock(&m_mutex);
            while (m_queue.empty() && !m_stop)
                m_wake.wait(&m_mutex);
            if (m_stop)
                break;
            task = m_queue.front();
            m_queue.pop_front();
            m_running = true;
            m_runningId = task.id;
            m_runningSize = task.size;
            m_runningSource = task.source;
            m_progress.store(0);
        }
        const bool ok = execute(task);
        bool idle = false;
        {
            QMutexLocker lock(&m_mutex);
            m_running = false;
            m_runningSize = 0;
            m_progress.store(0);
            if (!ok)
                m_failures << task.source;
            idle = m_queue.empty();
            m_idle.wakeAll();
        }
        emit sigTaskDone();
        if (idle)
            emit sigIdle();
    }
    QMutexLocker lock(&m_mutex);
    m_idle.wakeAll();
}

bool CFileCopy::execute(const Task& task)
{
    const QFileInfo info(task.source);
    const bool isFile = info.isFile();
    switch (task.operation) {
    case Copy:
        if (isFile)
            return CopyFile(task.source, task.target, &m_progress);
        if (!info.exists())
            return true; // nothing to copy
        return CopyFolder(task.source, task.target, &m_progress);
    case Delete:
        if (isFile || info.isSymLink()) {
            QFile::setPermissions(task.source, QFile::permissions(task.source) | QFileDevice::WriteOwner);
            return QFile::remove(task.source);
        }
        RemoveFolderTree(task.source);
        return !info.exists() || !QFileInfo::exists(task.source);
    case Rename:
        if (!info.exists())
            return false;
        if (isFile)
            return QFile::rename(task.source, task.target);
        return QDir().rename(task.source, task.target);
    default:
        qCDebug(lcTrace) << "CFileCopy: unknown operation" << task.operation;
        return false;
    }
}
