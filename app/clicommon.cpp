#include "app/clicommon.h"

#include "platform/console.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>

#include <memory>

namespace Cli {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QString& reason, int status)
{
    err() << "quillon: " << reason << Qt::endl;
    return status;
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

namespace {

// --- Progress on standard error ----------------------------------------------------

// A bar redrawn in place on a terminal, else a line for each new percentage
// or stage, so a log stays short.
class ProgressPrinter : public QObject {
public:
    explicit ProgressPrinter(Job* job)
        : m_terminal(Platform::isTerminal(2))
    {
        connect(job, &Job::progress, this, &ProgressPrinter::show);
    }
    ~ProgressPrinter() override { endLine(); }

    void endLine()
    {
        if (m_drawn)
            err() << Qt::endl;
        m_drawn = false;
    }

private:
    void show(const QString& stage, qint64 value, qint64 maximum)
    {
        const int percent = maximum > 0 ? int(qBound<qint64>(0, value * 100 / maximum, 100)) : -1;
        if (percent == m_percent && stage == m_stage)
            return;
        m_percent = percent;
        m_stage = stage;
        const QString figure = percent < 0 ? QStringLiteral("  ") : QStringLiteral("%1%").arg(percent, 3);
        if (!m_terminal) {
            err() << figure << ' ' << stage << Qt::endl;
            return;
        }
        constexpr int Width = 30;
        const int filled = percent < 0 ? 0 : percent * Width / 100;
        QString text = QStringLiteral("\r[") + QString(filled, QLatin1Char('#'))
            + QString(Width - filled, QLatin1Char(' ')) + QStringLiteral("] ") + figure + QLatin1Char(' ')
            + stage.left(40);
        err() << text << "\x1b[K" << Qt::flush;
        m_drawn = true;
    }

    bool m_terminal;
    bool m_drawn = false;
    int m_percent = -2;
    QString m_stage;
};

} // namespace

Job::Status runJob(Job& job, bool* interrupted, bool showProgress)
{
    Platform::InterruptWatch watch;
    bool stoppedBySignal = false;
    QObject::connect(&watch, &Platform::InterruptWatch::interrupted, &job, [&] {
        stoppedBySignal = true;
        job.stop();
    });
    std::unique_ptr<ProgressPrinter> printer(showProgress ? new ProgressPrinter(&job) : nullptr);
    QEventLoop loop;
    QObject::connect(&job, &Job::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    job.start();
    if (job.isRunning())
        loop.exec();
    if (printer)
        printer->endLine();
    if (interrupted)
        *interrupted = stoppedBySignal;
    return job.status();
}

namespace {

// The reason of the step that failed in a sequence, else the job's own.
QString failureOf(Job& job)
{
    for (Job* step : job.findChildren<Job*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (step->status() == Job::Status::Failed && !step->reason().isEmpty())
            return step->reason();
    }
    return job.reason();
}

} // namespace

int verdict(Job& job, bool interrupted, const QString& success, const QString& failureHeading)
{
    if (interrupted || job.status() == Job::Status::Stopped)
        return fail(CommandLine::tr("Stopped; nothing incomplete was left behind."), ExitInterrupted);
    if (job.status() != Job::Status::Succeeded) {
        const QString reason = failureOf(job);
        return fail(reason.isEmpty() ? failureHeading : failureHeading + QLatin1Char('\n') + reason);
    }
    out() << success << Qt::endl;
    return 0;
}

// An existing file is replaced only when asked to.
QString outputProblem(const QString& output, bool force)
{
    const QFileInfo info(output);
    if (info.isDir())
        return CommandLine::tr("%1 is a folder. Please choose a file name for the image.").arg(native(output));
    if (info.exists() && !force)
        return CommandLine::tr("%1 already exists. Add --force to replace it.").arg(native(output));
    return QString();
}

QString imageProblem(const QString& image)
{
    const QFileInfo info(image);
    if (!info.exists())
        return CommandLine::tr("The image %1 does not exist.").arg(native(image));
    if (!info.isFile())
        return CommandLine::tr("%1 is not an image file.").arg(native(image));
    if (!info.isReadable())
        return CommandLine::tr("The image %1 cannot be read.").arg(native(image));
    return QString();
}

} // namespace Cli
