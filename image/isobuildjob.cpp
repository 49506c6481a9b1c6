#include "image/isobuildjob.h"

#include "image/fileutils.h"
#include "platform/leftovers.h"
#include "runner/isobuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

IsoBuildJob::IsoBuildJob(Request request, QObject* parent)
    : ToolJob(parent)
    , m_request(std::move(request))
{
    setName(QCoreApplication::translate("IsoBuildJob", "Creating ISO file..."));
}

void IsoBuildJob::doStart()
{
    m_log.Clear();
    m_xorrisoLog = Xorriso::OutputLog();
    const QFileInfo target(m_request.output);
    QTemporaryDir folder(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!folder.isValid()) {
        fail(QCoreApplication::translate("IsoBuildJob", "The ISO file could not be created.") + QLatin1Char('\n')
            + QCoreApplication::translate("IsoBuildJob", "Cannot write to the folder %1: %2")
                  .arg(QDir::toNativeSeparators(target.absolutePath()), folder.errorString()));
        return;
    }
    folder.setAutoRemove(false);
    m_privateFolder = folder.path();
    Leftovers::Note(m_privateFolder);
    m_file = m_privateFolder + QLatin1Char('/') + target.fileName();
    const QStringList args = m_request.arguments(m_file);
    setCommand(m_request.program, args);
    setProgress(name(), 0, 10000);
    emit started(args);
    ToolJob::doStart();
}

void IsoBuildJob::handlePiece(const QString& piece)
{
    ToolJob::handlePiece(piece);
    if (m_request.xorriso)
        m_xorrisoLog.Feed(piece);
    else
        m_log.Feed(piece);
    const int hundredths =
        m_request.xorriso ? Xorriso::WriteProgressHundredths(piece) : IsoBuild::ProgressHundredths(piece);
    if (hundredths >= 0)
        setProgress(name(), hundredths, 10000);
}

QString IsoBuildJob::judge(int exitCode, QProcess::ExitStatus status)
{
    IsoBuild::RunFacts facts;
    facts.exitCode = exitCode;
    facts.exitStatus = status;
    facts.extents = m_log.Extents();
    if (m_request.xorriso) {
        // The same rule in its words: "completed successfully" and a file
        // as long as the sectors it wrote.
        const qint64 bytes = m_xorrisoLog.ExpectedBytes();
        facts.extents = m_xorrisoLog.Completed() && bytes >= 0 ? bytes / IsoBuild::ExtentBytes : -1;
    }
    facts.outputPath = m_file;
    const IsoBuild::Verdict verdict = IsoBuild::Judge(facts);
    if (!verdict.succeeded())
        return failureText(verdict);
    if (m_request.check) {
        const QString problem = m_request.check(m_file);
        if (!problem.isEmpty())
            return problem;
    }
    const QString& output = m_request.output;
    if (QFileInfo(output).isFile())
        QFile::setPermissions(m_file, QFile::permissions(output));
    if (!ReplaceFile(m_file, output))
        return QCoreApplication::translate("IsoBuildJob", "The ISO file could not be saved as %1.")
            .arg(QDir::toNativeSeparators(output));
    if (QDir().rmdir(m_privateFolder))
        Leftovers::Forget(m_privateFolder);
    m_privateFolder.clear();
    return QString();
}

void IsoBuildJob::cleanUp()
{
    // A broken image left behind would look like a good one.
    if (!m_privateFolder.isEmpty()) {
        RemoveFolderTree(m_privateFolder);
        if (!QFileInfo::exists(m_privateFolder))
            Leftovers::Forget(m_privateFolder);
    }
    m_privateFolder.clear();
}

QString IsoBuildJob::failureText(const IsoBuild::Verdict& verdict) const
{
    QString result = QCoreApplication::translate("IsoBuildJob", "The ISO file could not be created.");
    QString detail = m_request.xorriso ? m_xorrisoLog.Problem() : m_log.ErrorLine();
    switch (verdict.outcome) {
    case IsoBuild::Outcome::Crashed:
        if (detail.isEmpty())
            detail = QCoreApplication::translate("IsoBuildJob", "The image builder stopped unexpectedly.");
        break;
    case IsoBuild::Outcome::NoReport:
    case IsoBuild::Outcome::OutputMissing:
    case IsoBuild::Outcome::OutputSizeWrong:
        detail = QCoreApplication::translate(
            "IsoBuildJob", "The image file is incomplete: %1 bytes written, %2 bytes expected.")
                     .arg(qMax<qint64>(verdict.actualBytes, 0))
                     .arg(qMax<qint64>(verdict.expectedBytes, 0));
        break;
    default:
        break;
    }
    if (!detail.isEmpty())
        result += QLatin1Char('\n') + detail;
    return result;
}
