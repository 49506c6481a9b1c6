#pragma once

#include "core/job.h"

#include <QPointer>
#include <QProcess>
#include <QStringList>

#include <functional>

class CRunCommandThread;

// One run of an external tool. Subclasses (or the callbacks) parse the output
// pieces and give the verdict; the default verdict is "exit status 0".
class ToolJob : public Job {
    Q_OBJECT
public:
    explicit ToolJob(QObject* parent = nullptr);
    ~ToolJob() override;

    void setCommand(const QString& program, const QStringList& arguments);
    QString program() const { return m_program; }
    QStringList arguments() const { return m_arguments; }

    // Optional hooks for a job that needs no class of its own.
    std::function<void(const QString& piece)> onPiece;
    // Empty when the run is good, else the reason. Called once the tool ended.
    std::function<QString(int exitCode, QProcess::ExitStatus status)> verdict;
    // Called after a stop or a failure (remove partial output, etc.).
    std::function<void()> cleanup;

    // Ends a run that takes longer than `ms` (0: no limit) as a failure with
    // `reason`, the tool stopped as by Stop.
    void setTimeLimit(int ms, const QString& reason);
    bool timedOut() const { return m_timedOut; }

    // Valid after the run ended.
    int exitCode() const { return m_exitCode; }
    QProcess::ExitStatus exitStatus() const { return m_exitStatus; }
    bool failedToStart() const { return m_failedToStart; }
    // What the system said when the program did not start.
    QString startError() const { return m_startError; }

protected:
    void doStart() override;
    void doStop() override;
    virtual void handlePiece(const QString& piece);
    // Whether the piece handlePiece has now ends its line of the tool's output.
    bool pieceEndsLine() const { return m_pieceEndsLine; }
    // The line of the last piece ended (at a CR LF or CR that came on its own).
    virtual void lineEnded() { }
    virtual QString judge(int exitCode, QProcess::ExitStatus status);
    virtual void cleanUp();

    // The reason for a program that did not start: "Could not start <tool>. <why>".
    virtual QString startFailure(const QString& error) const;

private:
    void onEnded();
    void onStartFailed(const QString& error);
    void onTimeLimit();

    QString m_program;
    QStringList m_arguments;
    QPointer<CRunCommandThread> m_runner;
    class QTimer* m_limit = nullptr;
    int m_limitMs = 0;
    QString m_limitReason;
    bool m_timedOut = false;
    bool m_pieceEndsLine = true;
    int m_exitCode = -1;
    QProcess::ExitStatus m_exitStatus = QProcess::NormalExit;
    bool m_failedToStart = false;
    QString m_startError;
};
