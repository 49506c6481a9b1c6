#include "runner/runcommandthread.h"

#include "core/util.h"
#include "platform/process.h"
#include "runner/outputsplitter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMutex>
#include <QSet>
#include <QTimer>

Q_LOGGING_CATEGORY(lcRunner, "quillon.runner", QtInfoMsg)

namespace {

// Children alive in this process, so closing the program can end them.
// A child being started is counted too: between fork and registration it has
// no entry yet, and closing must not miss it.
QMutex g_childrenMutex;
QSet<qint64> g_children;
int g_starting = 0;
bool g_closing = false;

// False once the program is closing: no new child then.
bool beginStart()
{
    QMutexLocker lock(&g_childrenMutex);
    if (g_closing)
        return false;
    ++g_starting;
    return true;
}

// Returns false when the program started closing meanwhile.
bool endStart(qint64 pid)
{
    QMutexLocker lock(&g_childrenMutex);
    --g_starting;
    if (pid > 0)
        g_children.insert(pid);
    return !g_closing;
}

bool isClosing()
{
    QMutexLocker lock(&g_childrenMutex);
    return g_closing;
}

void unregisterChild(qint64 pid)
{
    QMutexLocker lock(&g_childrenMutex);
    g_children.remove(pid);
}

constexpr int IdleFlushMs = 100;
// At most one batch of pieces per interval reaches the starting thread.
constexpr int SendIntervalMs = 15;
constexpr int WaitSliceMs = 20;
constexpr int GatherMs = 5;
constexpr qint64 TrickleBytes = 4096;

} // namespace

CProcess::CProcess(QObject* parent)
    : QProcess(parent)
{
}

void CProcess::setupChildProcess()
{
    Platform::startOwnProcessGroup();
}

void CProcess::OnTerminate()
{
    qCDebug(lcRunner) << "CProcess::OnTerminate()";
    if (state() == QProcess::NotRunning)
        return;
    m_pid = processId();
    Platform::signalProcess(m_pid, false);
    QTimer::singleShot(KillGraceMs, this, [this] {
        if (state() != QProcess::NotRunning)
            killGroup();
    });
}

void CProcess::killGroup()
{
    if (state() != QProcess::NotRunning)
        m_pid = processId();
    Platform::signalProcess(m_pid, true);
}

CRunCommandThread::CRunCommandThread(QObject* parent)
    : QThread(parent)
{
}

CRunCommandThread::~CRunCommandThread()
{
    if (QThread::isRunning()) {
        terminate();
        wait();
    }
}

void CRunCommandThread::setCommand(QString program, QStringList arguments)
{
    m_program = std::move(program);
    m_arguments = std::move(arguments);
}

QString CRunCommandThread::commandText(const QString& program, const QStringList& arguments)
{
    QString text = program + QLatin1Char(' ');
    for (const QString& argument : arguments)
        text += argument + QLatin1Char(' ');
    return text;
}

void CRunCommandThread::start(QThread::Priority priority)
{
    m_cancelled.storeRelease(0);
    m_running.storeRelease(1);
    m_exitCode = -1;
    m_exitStatus = QProcess::NormalExit;
    m_failedToStart = false;
    m_errorString.clear();
    QThread::start(priority);
}

void CRunCommandThread::terminate()
{
    qCDebug(lcRunner) << "CRunCommandThread::terminate";
    if (!QThread::isRunning())
        return;
    m_cancelled.storeRelease(1);
    emit terminateprocess();
}

void CRunCommandThread::waitUntilFinished()
{
    while (isRunning()) {
        QCoreApplication::processEvents();
        if (QThread::currentThread() != this)
            wait(10);
    }
    // The worker queues its last pieces and the end before it returns.
    if (QThread::currentThread() != this)
        wait();
    QCoreApplication::processEvents();
}

bool CRunCommandThread::succeeded() const
{
    return !m_failedToStart && m_exitStatus == QProcess::NormalExit && m_exitCode == 0;
}

void CRunCommandThread::run()
{
    OnTerminateProcess();

    CProcess process;
    OutputSplitter splitter;
    m_process = &process;
    m_splitter = &splitter;
    m_readBytes = 0;

    connect(this, &CRunCommandThread::terminateprocess, &process, &CProcess::OnTerminate);
    process.setReadChannel(QProcess::StandardOutput);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(Platform::toolEnvironment());
    connect(&process, &QProcess::readyReadStandardOutput, &process, [this] { onReadOutput(); });
    connect(&process, &QProcess::errorOccurred, &process, [this](QProcess::ProcessError e) {
        if (e != QProcess::Timedout) // a wait slice ended, nothing more
            sloterrorstart(e);
    });
    connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &process,
        [this](int code) { onFinished(code); });
    m_held.clear();
    m_heldEnds.clear();
    m_sentClock.invalidate();
    const bool allowed = m_cancelled.loadAcquire() == 0 && beginStart();
    if (!allowed && m_cancelled.loadAcquire() == 0) {
        m_failedToStart = true;
        m_errorString = QStringLiteral("The program is closing");
    }
    if (allowed) {
        process.start(m_program, m_arguments, QIODevice::ReadWrite);
        qCDebug(lcRunner) << "CRunCommandThread run " << m_program << m_arguments;
        Util::WriteLog(commandText(m_program, m_arguments));
        const bool started = process.waitForStarted(-1);
        const qint64 pid = started ? process.processId() : 0;
        const bool closing = !endStart(pid);
        if (started) {
            if (closing)
                process.killGroup();
            else if (m_cancelled.loadAcquire() != 0)
                process.OnTerminate();
            waitForChild(process, splitter);
            // A stopped tool's own children may still run in its group.
            if (closing || m_cancelled.loadAcquire() != 0 || isClosing())
                Platform::signalProcess(pid, true);
            unregisterChild(pid);
        }
    }

    readFrom(&process);
    QStringList rest;
    QVector<bool> restEnds;
    splitter.flush(rest, true, &restEnds);
    deliver(rest, restEnds);
    sendHeld();

    m_process = nullptr;
    m_splitter = nullptr;
    const bool cancelled = m_cancelled.loadAcquire() != 0;
    if (!m_failedToStart) {
        m_exitCode = process.exitCode();
        m_exitStatus = process.exitStatus();
    }
    // Break the connections before the process object goes, so a late
    // terminate cannot reach it.
    disconnect(this, &CRunCommandThread::terminateprocess, &process, &CProcess::OnTerminate);
    m_running.storeRelease(0);
    if (!cancelled)
        post({}, {}, true);
}

void CRunCommandThread::post(QStringList pieces, QVector<bool> lineEnds, bool finished)
{
    QMetaObject::invokeMethod(
        &m_relay,
        [this, pieces = std::move(pieces), lineEnds = std::move(lineEnds), finished] {
            relay(pieces, lineEnds, finished);
        },
        Qt::QueuedConnection);
}

void CRunCommandThread::relay(const QStringList& pieces, const QVector<bool>& lineEnds, bool finished)
{
    for (int i = 0; i < pieces.size(); ++i) {
        if (m_cancelled.loadAcquire() != 0)
            return;
        if (!pieces[i].isEmpty()) // only a line end for the readers that re-join lines
            emit standoutputline(pieces[i]);
        emit outputpiece(pieces[i], lineEnds.value(i, true));
    }
    if (!finished || m_cancelled.loadAcquire() != 0)
        return;
    if (m_failedToStart)
        emit sigstartfailed(m_errorString);
    else
        emit sigfinished();
}

// Blocking waits in slices rather than an event loop; between slices the
// thread's own events run (stop requests, the kill after the grace period).
void CRunCommandThread::waitForChild(CProcess& process, OutputSplitter& splitter)
{
    Platform::ChildExitWatch exitWatch(process.processId());
    QElapsedTimer quiet; // since the last output
    quiet.start();
    for (;;) {
        QCoreApplication::processEvents();
        if (process.state() == QProcess::NotRunning)
            return;
        m_readBytes = 0;
        process.waitForReadyRead(WaitSliceMs);
        if (m_readBytes > 0) {
            // A tool printing a trickle of progress would wake this thread at
            // every write: let a few milliseconds of it gather instead, but
            // not past the child's end.
            const bool trickle = m_readBytes < TrickleBytes && quiet.elapsed() < GatherMs;
            quiet.start();
            if (trickle)
                exitWatch.wait(GatherMs);
        } else if (quiet.elapsed() >= IdleFlushMs && splitter.hasPending()) {
            // Progress written without a line end still reaches the page when the tool pauses.
            QStringList pieces;
            QVector<bool> ends;
            splitter.flush(pieces, false, &ends);
            deliver(pieces, ends);
            quiet.start();
        }
        if (!m_held.isEmpty() && m_sentClock.elapsed() >= SendIntervalMs)
            sendHeld();
    }
}

void CRunCommandThread::readFrom(QIODevice* device)
{
    if (!device || !m_splitter || !device->isOpen())
        return;
    QStringList pieces;
    QVector<bool> ends;
    char buffer[16384];
    for (;;) {
        const qint64 n = device->read(buffer, sizeof buffer);
        if (n <= 0)
            break;
        m_readBytes += n;
        m_splitter->feed(buffer, n, pieces, &ends);
    }
    deliver(pieces, ends);
}

void CRunCommandThread::deliver(const QStringList& pieces, const QVector<bool>& lineEnds)
{
    if (pieces.isEmpty() || m_cancelled.loadRelaxed() != 0)
        return;
    const bool logging = Util::LogEnabled();
    for (const QString& piece : pieces) {
        if (piece.isEmpty())
            continue;
        qCDebug(lcRunner) << piece;
        if (logging)
            Util::WriteLog(piece);
    }
    m_held += pieces;
    m_heldEnds += lineEnds;
    if (!m_sentClock.isValid() || m_sentClock.elapsed() >= SendIntervalMs)
        sendHeld();
}

void CRunCommandThread::sendHeld()
{
    if (m_held.isEmpty() || m_cancelled.loadRelaxed() != 0)
        return;
    post(std::move(m_held), std::move(m_heldEnds), false);
    m_held = QStringList();
    m_heldEnds = QVector<bool>();
    m_sentClock.start();
}

void CRunCommandThread::onReadOutput()
{
    readFrom(m_process);
}

void CRunCommandThread::onReadErrorOutput()
{
    readFrom(m_process);
}

void CRunCommandThread::onFinished(int exitCode)
{
    Q_UNUSED(exitCode);
    readFrom(m_process);
}

void CRunCommandThread::sloterrorstart(QProcess::ProcessError error)
{
    qCDebug(lcRunner) << "CRunCommandThread::sloterrorstart" << error << m_program;
    Util::WriteLog(QStringLiteral("CRunCommandThread::sloterrorstart"));
    if (error == QProcess::FailedToStart) {
        m_failedToStart = true;
        m_errorString = m_process ? m_process->errorString() : QString();
    }
}

void CRunCommandThread::OnTerminateProcess()
{
    qCDebug(lcRunner) << "CRunCommandThread::OnTerminateProcess is called";
    if (m_process) {
        m_process->killGroup();
        m_process = nullptr;
    }
}

void CRunCommandThread::terminateAll(int graceMs)
{
    QList<qint64> pids;
    {
        QMutexLocker lock(&g_childrenMutex);
        g_closing = true;
        pids = g_children.values();
    }
    for (qint64 pid : pids)
        Platform::signalProcess(pid, false);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < graceMs) {
        {
            QMutexLocker lock(&g_childrenMutex);
            if (g_children.isEmpty() && g_starting == 0)
                return;
        }
        QThread::msleep(10);
    }
    QMutexLocker lock(&g_childrenMutex);
    for (qint64 pid : qAsConst(g_children))
        Platform::signalProcess(pid, true);
}
