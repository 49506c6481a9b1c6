#pragma once

#include "core/job.h"
#include "core/tools.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QCommandLineParser;
class QTextStream;

// The command line's own texts.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// What the subcommands of the command line share (app/cli.cpp parses and
// dispatches; one file per group of subcommands).
namespace Cli {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;
constexpr int ExitInterrupted = 130;
constexpr int ScanTimeLimitMs = 60000;

struct Common {
    bool force = false;
    ToolSet tools = ToolSet::Installed();
};

QTextStream& out();
QTextStream& err();
// Says why on standard error and returns the status.
int fail(const QString& reason, int status = ExitFailed);
QString native(const QString& path);

// Runs a job to its end with progress on standard error; Ctrl+C stops it as
// Stop does. The status comes back; `interrupted` says whether a signal ended it.
Job::Status runJob(Job& job, bool* interrupted = nullptr, bool showProgress = true);
// The exit status of a finished job, its result or reason printed.
int verdict(Job& job, bool interrupted, const QString& success, const QString& failureHeading);
// Why an output file cannot be written (a folder; exists without --force); empty when it can.
QString outputProblem(const QString& output, bool force);
// Why an image cannot be read; empty when it can.
QString imageProblem(const QString& image);

// The subcommands (cliimage.cpp, cliburn.cpp, clichecksum.cpp).
int runExtract(const QStringList& positional, const Common& common);
int runCreate(const QCommandLineParser& parser, const Common& common);
int runEdit(const QCommandLineParser& parser, const Common& common);
int runBurn(const QCommandLineParser& parser, const Common& common);
int runCopyDisc(const QCommandLineParser& parser, const Common& common);
int runListDrives(const Common& common);
int runChecksum(const QCommandLineParser& parser);

} // namespace Cli
