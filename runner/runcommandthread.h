#pragma once

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QThread>
#include <QVector>

// The child process of one run; OnTerminate asks it to end.
class CProcess : public QProcess {
    Q_OBJECT
public:
    explicit CProcess(QObject* parent = nullptr);

    static constexpr int KillGraceMs = 2000;

    // Ends the child and whatever it started at once.
    void killGroup();

public slots:
    // Asks the child and its own children to end, and kills them if the child
    // is still there after a grace period.
    void OnTerminate();

protected:
    void setupChildProcess() override;

private:
    qint64 m_pid = 0;
};

// Runs one tool on a worker thread and reports its merged output piece by
// piece (see OutputSplitter), then its end. The signals are emitted in the
// thread that owns the runner (the one that created it), from its event
// loop, in order: every piece before the end.
class CRunCommandThread : public QThread {
    Q_OBJECT
public:
    explicit CRunCommandThread(QObject* parent = nullptr);
    ~CRunCommandThread() override;

    void setCommand(QString program, QStringList arguments);

    // Asks the child to end (killed after a grace period) and returns at once;
    // no signal of this run is emitted afterwards.
    virtual void terminate();
    // Keeps the caller's events flowing until the run ends or fails to start.
    virtual void waitUntilFinished();
    virtual void start(QThread::Priority priority = QThread::InheritPriority);

    bool isRunning() const { return m_running.loadAcquire() != 0; }
    // Valid once sigfinished or sigstartfailed has been emitted.
    int exitCode() const { return m_exitCode; }
    QProcess::ExitStatus exitStatus() const { return m_exitStatus; }
    bool failedToStart() const { return m_failedToStart; }
    QString errorString() const { return m_errorString; }
    // True when the run ended by itself with exit status 0.
    bool succeeded() const;

    QString program() const { return m_program; }
    QStringList arguments() const { return m_arguments; }

    // "program arg1 arg2 " as logged: every argument followed by one blank.
    static QString commandText(const QString& program, const QStringList& arguments);

    // Ends every tool child of this process, including ones being started
    // right now, for closing the program: no runner starts a child afterwards.
    static void terminateAll(int graceMs = 1000);

signals:
    void standoutputline(QString line);
    // The same piece, just after it, and whether it ends its line of the
    // tool's output (a piece cut at MaxPiece or at a pause does not); an
    // empty piece here only ends the line of the one before.
    void outputpiece(QString piece, bool endsLine);
    void sigfinished();
    void terminateprocess();
    // The child could not be started; no piece and no sigfinished follow.
    void sigstartfailed(QString error);

protected:
    void run() override;

private slots:
    void onReadOutput();
    void onReadErrorOutput();
    void onFinished(int exitCode);
    void sloterrorstart(QProcess::ProcessError error);
    void OnTerminateProcess();

private:
    void readFrom(QIODevice* device);
    void deliver(const QStringList& pieces, const QVector<bool>& lineEnds);
    void sendHeld();
    void waitForChild(CProcess& process, class OutputSplitter& splitter);
    void post(QStringList pieces, QVector<bool> lineEnds, bool finished);
    void relay(const QStringList& pieces, const QVector<bool>& lineEnds, bool finished);

    // Lives in the starting thread: the worker hands it whole batches of
    // pieces, and it emits them one by one there. One cross-thread wake-up
    // per read instead of one per piece.
    QObject m_relay;

    QString m_program;
    QStringList m_arguments;
    QAtomicInt m_running {0};
    QAtomicInt m_cancelled {0};
    CProcess* m_process = nullptr; // worker thread only
    class OutputSplitter* m_splitter = nullptr; // worker thread only
    qint64 m_readBytes = 0; // worker thread only: read since the last wait
    // Pieces wait here (worker thread only) until the next batch may go: a
    // tool printing thousands of progress pieces a second would otherwise
    // wake the starting thread for each of them.
    QStringList m_held;
    QVector<bool> m_heldEnds;
    QElapsedTimer m_sentClock;

    int m_exitCode = -1;
    QProcess::ExitStatus m_exitStatus = QProcess::NormalExit;
    bool m_failedToStart = false;
    QString m_errorString;
};
