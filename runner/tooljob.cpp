#include "runner/tooljob.h"

#include "core/tools.h"
#include "runner/runcommandthread.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

ToolJob::ToolJob(QObject* parent)
    : Job(parent)
{
}

ToolJob::~ToolJob()
{
    if (m_runner && m_runner->isRunning()) {
        m_runner->terminate();
        m_runner->wait();
    }
}

void ToolJob::setCommand(const QString& program, const QStringList& arguments)
{
    m_program = program;
    m_arguments = arguments;
    if (name().isEmpty())
        setName(QFileInfo(program).fileName());
}

void ToolJob::setTimeLimit(int ms, const QString& reason)
{
    m_limitMs = ms;
    m_limitReason = reason;
}

void ToolJob::onTimeLimit()
{
    if (!isRunning())
        return;
    m_timedOut = true;
    if (m_runner) {
        disconnect(m_runner, nullptr, this, nullptr);
        m_runner->terminate();
        m_runner->wait();
    }
    cleanUp();
    fail(m_limitReason);
}

void ToolJob::doStart()
{
    m_timedOut = false;
    if (m_limitMs > 0) {
        if (!m_limit) {
            m_limit = new QTimer(this);
            m_limit->setSingleShot(true);
            connect(m_limit, &QTimer::timeout, this, &ToolJob::onTimeLimit);
            connect(this, &Job::finished, m_limit, &QTimer::stop);
        }
        m_limit->start(m_limitMs);
    }
    m_exitCode = -1;
    m_exitStatus = QProcess::NormalExit;
    m_failedToStart = false;
    m_startError.clear();
    if (m_runner)
        m_runner->deleteLater();
    auto* runner = new CRunCommandThread(this);
    m_runner = runner;
    connect(runner, &CRunCommandThread::outputpiece, this, [this](const QString& piece, bool endsLine) {
        m_pieceEndsLine = endsLine;
        if (piece.isEmpty())
            lineEnded();
        else
            handlePiece(piece);
    });
    connect(runner, &CRunCommandThread::sigfinished, this, &ToolJob::onEnded);
    connect(runner, &CRunCommandThread::sigstartfailed, this, &ToolJob::onStartFailed);
    runner->setCommand(m_program, m_arguments);
    runner->start();
}

void ToolJob::doStop()
{
    if (m_runner) {
        m_runner->terminate();
        m_runner->wait(); // the child is gone when this returns
    }
    cleanUp();
}

void ToolJob::handlePiece(const QString& piece)
{
    if (onPiece)
        onPiece(piece);
}

QString ToolJob::judge(int exitCode, QProcess::ExitStatus status)
{
    if (verdict)
        return verdict(exitCode, status);
    if (status != QProcess::NormalExit)
        return tr("%1 ended abnormally.").arg(QFileInfo(m_program).fileName());
    if (exitCode != 0)
        return tr("%1 ended with exit status %2.").arg(QFileInfo(m_program).fileName()).arg(exitCode);
    return QString();
}

void ToolJob::cleanUp()
{
    if (cleanup)
        cleanup();
}

QString ToolJob::startFailure(const QString& error) const
{
    QString text = tr("Could not start %1.").arg(QDir::toNativeSeparators(m_program));
    if (!error.isEmpty())
        text += QLatin1Char(' ') + error;
    // A tool that is not there at all: say what brings it.
    const QString package = Tools::packageOf(m_program);
    if (!package.isEmpty() && !QFileInfo(m_program).exists())
        text += QLatin1Char(' ') + tr("Install the package %1.").arg(package);
    return text;
}

void ToolJob::onEnded()
{
    if (!isRunning())
        return;
    m_exitCode = m_runner->exitCode();
    m_exitStatus = m_runner->exitStatus();
    const QString reason = judge(m_exitCode, m_exitStatus);
    if (reason.isEmpty()) {
        succeed();
        return;
    }
    cleanUp();
    fail(reason);
}

void ToolJob::onStartFailed(const QString& error)
{
    if (!isRunning())
        return;
    m_failedToStart = true;
    m_startError = error;
    cleanUp();
    fail(startFailure(error));
}
