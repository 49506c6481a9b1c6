#include "image/extractjob.h"

#include "image/fileutils.h"
#include "image/rockridge.h"
#include "platform/leftovers.h"
#include "runner/sevenzip.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <algorithm>

// --- Placing the extracted items ---------------------------------------------------

ExtractItem ExtractItem::Of(const IsoEntry& entry)
{
    return {entry.name, DisplayName(LastPathComponent(entry.name))};
}

namespace {

// In rising order of badness: a folder's outcome is the worst of its parts.
enum class MoveState { Moved, Kept, Conflict, Failed };

bool isRealDir(const QFileInfo& info)
{
    return info.isDir() && !info.isSymLink();
}

// An existing file or link in the way: kept, asked about, or replaced as the user chose.
MoveState replaceItem(const QString& source, const QString& target, Existing existing)
{
    if (existing == Existing::KeepChosen)
        return MoveState::Kept;
    if (existing == Existing::KeepUnsure)
        return MoveState::Conflict;
    if (!QFile::remove(target))
        return MoveState::Failed;
    return QDir().rename(source, target) ? MoveState::Moved : MoveState::Failed;
}

MoveState moveItem(const QString& source, const QString& target, Existing existing, const QString& keep)
{
    const QFileInfo from(source);
    const QFileInfo to(target);
    if (!to.exists() && !to.isSymLink())
        return QDir().rename(source, target) ? MoveState::Moved : MoveState::Failed;

    if (to.isSymLink()) {
        // The user's link is asked about as a file is; replacing it removes
        // the link, never what it points to.
        return replaceItem(source, target, existing);
    }
    if (isRealDir(from) && isRealDir(to)) {
        // Merge: the user's folder stays, with everything else it holds.
        MoveState state = MoveState::Moved;
        const QStringList children =
            QDir(source).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& child : children)
            state = std::max(
                state, moveItem(source + QLatin1Char('/') + child, target + QLatin1Char('/') + child, existing, keep));
        return state;
    }
    if (isRealDir(from) || isRealDir(to))
        return MoveState::Conflict; // never a file for a folder or the other way round
    if (!keep.isEmpty() && to.canonicalFilePath() == keep)
        return MoveState::Conflict; // the image being read
    return replaceItem(source, target, existing);
}

void filesToReplace(const IsoEntry& entry, const QString& target, const QString& relative, QStringList& out, int limit)
{
    if (limit > 0 && out.size() >= limit)
        return;
    const QFileInfo info(target);
    if (info.isSymLink()) {
        out << relative; // replaced like a file, whatever it points to
        return;
    }
    if (!entry.isDir) {
        if (info.isFile())
            out << relative;
        return;
    }
    if (!isRealDir(info))
        return; // nothing there, or a file a folder never replaces
    for (int i = 0; i < entry.childCount(); ++i) {
        const QString name = DisplayName(LastPathComponent(entry.child(i)->name));
        filesToReplace(
            *entry.child(i), target + QLatin1Char('/') + name, relative + QLatin1Char('/') + name, out, limit);
    }
}

} // namespace

MoveUpResult MoveUp(const QString& staging, const QList<ExtractItem>& items, const QString& outputFolder,
    Existing existing, const QString& keep)
{
    const QString keepCanonical = keep.isEmpty() ? QString() : QFileInfo(keep).canonicalFilePath();
    MoveUpResult result;
    for (const ExtractItem& item : items) {
        const QString source = staging + QLatin1Char('/') + Tools::imagePathForTool(item.path);
        const QFileInfo info(source);
        if (!info.exists() && !info.isSymLink()) {
            result.missing << item.name;
            continue;
        }
        switch (moveItem(source, outputFolder + QLatin1Char('/') + item.name, existing, keepCanonical)) {
        case MoveState::Moved:
            result.delivered << item.name;
            break;
        case MoveState::Kept:
            result.kept << item.name;
            break;
        case MoveState::Conflict:
            result.conflicts << item.name;
            break;
        case MoveState::Failed:
            result.failures << item.name;
            break;
        }
    }
    return result;
}

QStringList FilesToReplace(const QList<const IsoEntry*>& items, const QString& outputFolder, int limit)
{
    QStringList files;
    for (const IsoEntry* entry : items) {
        const QString name = ExtractItem::Of(*entry).name;
        filesToReplace(*entry, outputFolder + QLatin1Char('/') + name, name, files, limit);
    }
    return files;
}

std::function<qint64(const QString&)> ExpectedSizes(const IsoContentTree& content)
{
    return [&content](const QString& pathInImage) -> qint64 {
        QString path = pathInImage;
#ifndef Q_OS_WIN
        path.replace(QLatin1Char('\\'), NameBackslash);
#endif
        const IsoEntry* entry = content.FindEntry(path.replace(QLatin1Char('/'), QLatin1Char('\\')));
        return entry && !entry->isDir && !entry->sizeText.isEmpty() ? qint64(entry->size()) : -1;
    };
}

// --- Verdict ----------------------------------------------------------------------

ExtractVerdict JudgeExtraction(bool exitedNormally, int exitCode, const ArchiveToolLog& log, const MoveUpResult& placed,
    const QStringList& repaired)
{
    QStringList reasons;
    const QStringList errors = log.Errors();
    QStringList remaining;
    for (const QString& error : errors) {
        if (!repaired.contains(error))
            remaining << error;
    }
    // 7-Zip's complaints were all about what the job restored afterwards.
    const bool excused = !errors.isEmpty() && remaining.isEmpty();
    constexpr int MaxToolLines = 4;
    if (!remaining.isEmpty()) {
        QStringList shown = remaining.mid(0, MaxToolLines);
        if (remaining.size() > MaxToolLines)
            shown << QStringLiteral("…");
        reasons << shown.join(QLatin1Char('\n'));
    } else if (!exitedNormally) {
        reasons << ExtractJob::tr("7-Zip stopped unexpectedly.");
    } else if (exitCode != 0 && !excused) {
        reasons << ExtractJob::tr("7-Zip ended with exit code %1.").arg(exitCode);
    } else if (!log.SawEverythingOk() && !excused) {
        reasons << ExtractJob::tr("7-Zip did not confirm the extraction.");
    }

    if (!placed.missing.isEmpty())
        reasons << ExtractJob::tr("Not extracted: %1").arg(placed.missing.join(QLatin1String(", ")));
    if (!placed.failures.isEmpty())
        reasons << ExtractJob::tr("Could not be moved into the output folder: %1")
                       .arg(placed.failures.join(QLatin1String(", ")));
    if (!placed.conflicts.isEmpty())
        reasons << ExtractJob::tr("Left as they were in the output folder: %1")
                       .arg(placed.conflicts.join(QLatin1String(", ")));
    reasons += placed.refused;

    ExtractVerdict verdict;
    verdict.ok = reasons.isEmpty();
    verdict.reason = reasons.join(QLatin1Char('\n'));
    return verdict;
}

// --- The job ----------------------------------------------------------------------

QString ExtractStageText(const ExtractProgress& progress)
{
    // The extract page's words: its translations hold them.
    if (progress.percent > 99)
        return QCoreApplication::translate("ExtractJob", "Copying files! Please wait a few seconds..");
    return QCoreApplication::translate("ExtractJob", "Extracting files: ") + progress.item;
}

ExtractJob::ExtractJob(const Request& request, QObject* parent)
    : Job(parent)
    , m_request(request)
{
    setName(QStringLiteral("7-Zip"));
}

ExtractJob::~ExtractJob()
{
    // The staging folder goes with the job; nobody listens any more.
    blockSignals(true);
    stop();
}

QString ExtractJob::summary() const
{
    // The extract page's words: its translations hold them.
    const int arrived = m_placed.delivered.size() + m_placed.kept.size();
    if (arrived == 0)
        return QCoreApplication::translate("CPage2", "The files could not be extracted.");
    return QCoreApplication::translate("CPage2", "%1 of %2 items were extracted.").arg(arrived).arg(m_items.size());
}

void ExtractJob::doStart()
{
    m_items.clear();
    QSet<QString> seen; // a selection of 100,000 items: no search per item
    for (const ExtractItem& item : qAsConst(m_request.items)) {
        if (!item.path.isEmpty() && !seen.contains(item.path + QChar(0) + item.name)) {
            seen.insert(item.path + QChar(0) + item.name);
            m_items << item;
        }
    }
    m_log = ArchiveToolLog();
    m_log.SetSubject(m_request.image);
    m_placed = MoveUpResult();
    m_staging.clear();
    m_arguments.clear();
    m_sevenZipNormal = false;
    m_sevenZipExit = -1;
    m_scan = RockRidgeScan();
    m_scanned = false;
    m_tree = Xorriso::RockRidgeTree();
    m_haveTree = m_treeRead = m_cutOffDone = false;
    m_treeProblem.clear();
    m_links.clear();
    m_zisofs.clear();
    m_zisofsProblem.clear();
    m_repaired.clear();
    m_refusedPaths.clear();
    m_refusedLinks.clear();
    m_refusedZisofs.clear();
    m_refusedIntoWorking.clear();

    const QString output = QDir::toNativeSeparators(m_request.outputFolder);
    if (m_items.isEmpty()) {
        fail(tr("Nothing was selected."));
        return;
    }
    if (!QFileInfo(m_request.outputFolder).isDir()) {
        fail(tr("The folder %1 does not exist.").arg(output));
        return;
    }
    // Staging inside the output folder: the same file system, so moving the
    // items up is a rename, and removing it can only touch what we made.
    QTemporaryDir staging(m_request.outputFolder + QStringLiteral("/.quillon-extract-XXXXXX"));
    staging.setAutoRemove(false);
    if (!staging.isValid()) {
        fail(tr("Cannot write to the folder %1: %2").arg(output, staging.errorString()));
        return;
    }
    m_staging = staging.path();
    Leftovers::Note(m_staging);

    QStringList entries;
    qsizetype length = 0;
    for (const ExtractItem& item : qAsConst(m_items)) {
        entries << item.path;
        length += item.path.size() + 1;
    }
    if (length <= MaxCommandLineEntries) {
        m_arguments = Tools::extractArgs(m_request.image, m_staging, entries);
    } else {
        // A command line has a limit (about 32,000 characters on Windows).
        QStringList listed;
        QStringList onCommandLine;
        for (const QString& entry : qAsConst(entries))
            (Tools::FitsListFile(entry) ? listed : onCommandLine) << entry;
        m_listFile = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/quillon-list-XXXXXX"));
        if (!m_listFile->open() || m_listFile->write(Tools::ListFileText(listed)) < 0 || !m_listFile->flush()) {
            const QString why = m_listFile->errorString();
            m_listFile.reset();
            removeStaging();
            fail(tr("Cannot write the list of items to extract: %1").arg(why));
            return;
        }
        m_listFile->close();
        Leftovers::Note(m_listFile->fileName());
        m_arguments = Tools::extractArgs(m_request.image, m_staging, onCommandLine, m_listFile->fileName());
    }
    startSevenZip();
}

void ExtractJob::startSevenZip()
{
    auto* job = new ToolJob(this);
    job->setName(name());
    job->setCommand(m_request.program, m_arguments);
    job->onPiece = [this](const QString& piece) {
        m_log.Feed(piece);
        if (const auto parsed = ParseExtractProgress(piece))
            setProgress(ExtractStageText(*parsed), parsed->percent, 100);
    };
    job->verdict = [](int, QProcess::ExitStatus) {
        return QString(); // judged with what follows
    };
    connect(job, &Job::finished, this, &ExtractJob::onSevenZipEnded);
    m_step = job;
    job->start();
    setProgress(QCoreApplication::translate("ExtractJob", "Extracting files..."), 0, 100);
}

void ExtractJob::onSevenZipEnded()
{
    ToolJob* job = takeStep(qobject_cast<ToolJob*>(sender()));
    if (!job)
        return;
    if (job->failedToStart()) {
        removeStaging();
        fail(tr("7-Zip could not be started (%1): %2")
                 .arg(QDir::toNativeSeparators(m_request.program), job->startError()));
        return;
    }
    m_sevenZipNormal = job->exitStatus() == QProcess::NormalExit;
    m_sevenZipExit = job->exitCode();
    startRockRidge();
}

Existing ExtractJob::keepingFor(bool complete) const
{
    if (m_request.existing == Existing::Replace && !complete)
        return Existing::KeepUnsure;
    return m_request.existing;
}

void ExtractJob::place(bool stopped)
{
    const bool complete = !stopped && sevenZipComplete();
    if (!complete)
        dropCutOffFiles();
    m_placed = MoveUp(m_staging, m_items, m_request.outputFolder, keepingFor(complete), m_request.image);
    removeStaging();

    countRefusals();
    if (stopped)
        return;
    const ExtractVerdict verdict = JudgeExtraction(m_sevenZipNormal, m_sevenZipExit, m_log, m_placed, m_repaired);
    if (verdict.ok)
        succeed();
    else
        fail(verdict.reason);
}

ToolJob* ExtractJob::takeStep(ToolJob* ended)
{
    if (!isRunning() || !ended || ended != m_step)
        return nullptr;
    m_step = nullptr;
    ended->deleteLater();
    return ended;
}

void ExtractJob::stopStep()
{
    ToolJob* step = m_step;
    m_step = nullptr;
    if (!step)
        return;
    disconnect(step, nullptr, this, nullptr);
    step->stop(); // the tool is gone when this returns
    step->deleteLater();
}

void ExtractJob::doStop()
{
    stopStep();
    if (!m_staging.isEmpty()) {
        // What was extracted so far stays, but never replaces anything of the
        // user's, and nothing still compressed or pointing into the staging folder.
        if (!m_haveTree && m_request.rockRidge) {
            m_tree = *m_request.rockRidge;
            m_haveTree = true;
        }
        if (!m_haveTree && !m_scanned) {
            m_scan = ScanRockRidge(m_request.image);
            m_scanned = true;
        }
        if (m_links.isEmpty())
            learnLinks();
        dropCutOffFiles();
        if (m_zisofs.isEmpty())
            learnZisofs();
        repairInPlace();
        place(true);
    }
    removeStaging();
}

void ExtractJob::dropCutOffFiles()
{
    if (m_cutOffDone || !m_request.expectedSize || m_staging.isEmpty())
        return;
    m_cutOffDone = true;
    QDirIterator it(
        m_staging, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks, QDirIterator::Subdirectories);
    const QDir staging(m_staging);
    while (it.hasNext()) {
        const QString path = it.next();
        const qint64 expected = m_request.expectedSize(staging.relativeFilePath(path));
        if (expected >= 0 && it.fileInfo().size() != expected)
            QFile::remove(path);
    }
}

void ExtractJob::removeStaging()
{
    if (m_listFile) {
        Leftovers::Forget(m_listFile->fileName());
        m_listFile.reset();
    }
    if (m_staging.isEmpty())
        return;
    RemoveFolderTree(m_staging);
    if (QFileInfo::exists(m_staging))
        qWarning() << "ExtractJob: staging folder left behind:" << m_staging;
    else
        Leftovers::Forget(m_staging);
    m_staging.clear();
}
