#include "image/editsession.h"

#include "core/job.h"
#include "core/util.h"
#include "image/editsave.h"
#include "image/filecopy.h"
#include "image/fileutils.h"
#include "image/listingjob.h"
#include "image/rockridge.h"
#include "runner/tooljob.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QString folderPrefix(const IsoEntry* folder)
{
    return folder->name.isEmpty() ? QString() : folder->name + QLatin1Char('\\');
}

} // namespace

EditSession::EditSession(const ToolSet& tools, QObject* parent)
    : QObject(parent)
    , m_tools(tools)
    , m_area(QStringLiteral("edit"))
{
    m_copy = new CFileCopy(this);
    m_exportCopy = new CFileCopy(this);
    // Working folders of runs that have ended; live sessions keep theirs.
    for (const QString& stale : StagingArea::StaleFolders())
        m_copy->AddTask(stale, QString(), CFileCopy::Delete);
}

EditSession::~EditSession()
{
    stopImageWork();
    // The workers finish their running task; then the working folders go
    // (an extracted image can be gigabytes: never leave it for a later start).
    delete m_exportCopy;
    delete m_copy;
    m_copy = m_exportCopy = nullptr;
    if (m_area.isValid())
        RemoveFolderTree(m_area.path());
}

QString EditSession::working(const QString& name) const
{
    return m_workingFolder + QLatin1Char('/') + QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

bool EditSession::isListing() const
{
    return m_listJob && m_listJob->isRunning();
}

bool EditSession::isExtracting() const
{
    return m_openWork;
}

// --- Opening -------------------------------------------------------------------------

void EditSession::stopImageWork()
{
    for (ToolJob* job :
        {static_cast<ToolJob*>(m_listJob.data()), m_extractJob.data(), m_treeJob.data(), m_zisofsJob.data()}) {
        if (!job)
            continue;
        disconnect(job, nullptr, this, nullptr);
        job->stop(); // the tool is gone when this returns
        job->deleteLater();
    }
    m_listJob = nullptr;
    m_extractJob = nullptr;
    m_treeJob = nullptr;
    m_zisofsJob = nullptr;
    m_openWork = false;
}

void EditSession::open(const QString& image)
{
    // The old image's work goes; a task under way finishes in its own
    // folder, and the new image is extracted into a fresh one.
    discard();
    m_imagePath = image;
    m_copy->ResetProgress();
    m_workingFolder = m_area.path() + QStringLiteral("/tree-") + QString::number(++m_generation);
    m_extractFailure.clear();
    m_extractProgress = 0;
    m_extractLog = ArchiveToolLog();
    m_extractLog.SetSubject(image);
    m_ready = false;
    m_listingEndPending = false;
    m_tableDone = false;
    m_namesMatch = false;
    m_tree = Xorriso::RockRidgeTree();
    m_linksToRestore.clear();
    m_zisofsToRestore.clear();
    m_reader.SetSkipBootImages(true);
    m_boot = ReadImageBoot(image);
    m_hybrid = HasSystemArea(image);
    m_udf = HasUdf(image);
    m_systemArea = Xorriso::SystemArea();
    m_openWork = true;

    if (QFileInfo(m_tools.xorriso).isExecutable()) {
        m_treeJob = new ToolJob(this);
        m_treeJob->setCommand(m_tools.xorriso, Tools::rockRidgeTreeArgs(image));
        m_treeJob->onPiece = [this](const QString& piece) {
            m_tree.Feed(piece);
        };
        connect(m_treeJob, &Job::finished, this, &EditSession::onTreeEnded);
    }

    m_listJob = new ListingJob(m_reader, m_tools.archive, image, this);
    connect(m_listJob, &ListingJob::tableReady, this, &EditSession::onTableReady);
    connect(m_listJob, &Job::finished, this, &EditSession::onListingEnded);

    m_extractJob = new ToolJob(this);
    m_extractJob->setCommand(m_tools.archive, Tools::extractAllArgs(m_workingFolder, image));
    m_extractJob->onPiece = [this](const QString& piece) {
        onExtractPiece(piece);
    };
    m_extractJob->verdict = [this](int exitCode, QProcess::ExitStatus status) {
        // Exit status 1 is 7-Zip's warning; the save checks every file anyway.
        if (status == QProcess::NormalExit && (exitCode <= 1 || (exitCode == 2 && onlyLinksToRestore())))
            return QString();
        return m_extractLog.Reason().isEmpty() ? tr("7-Zip ended with exit status %1.").arg(exitCode)
                                               : m_extractLog.Reason();
    };
    connect(m_extractJob, &Job::finished, this, &EditSession::onExtractFinished);
    if (m_treeJob)
        m_treeJob->start();
    m_listJob->start();
}

void EditSession::discard()
{
    stopImageWork();
    m_deferred.clear();
    m_copy->Clear();
    if (!m_workingFolder.isEmpty())
        m_copy->AddTask(m_workingFolder, QString(), CFileCopy::Delete);
    m_edits.clear();
    m_savedEdits = 0;
}

void EditSession::feedListing(const QString& piece)
{
    if (m_reader.Feed(piece) == ListingReader::TableFinished)
        onTableReady();
}

void EditSession::onTableReady()
{
    m_tableDone = true;
    if (!m_treeJob || !m_treeJob->isRunning())
        becomeReady();
}

void EditSession::onTreeEnded()
{
    if (m_treeJob)
        m_treeJob->deleteLater();
    m_treeJob = nullptr;
    if (m_tableDone)
        becomeReady();
}

void EditSession::becomeReady()
{
    if (m_ready)
        return;
    m_ready = true;
    // Links and zisofs sizes come from the Rock Ridge tree; the names of
    // what needs repair are kept as they are now, before the user renames.
    if (m_tree.Loaded()) {
        const RockRidgeMerge merge = MergeRockRidge(m_content, m_tree);
        m_namesMatch = merge.namesMatch;
        for (const QString& name : merge.zisofs)
            m_zisofsToRestore << IsoPath(name);
        std::function<void(const IsoEntry&)> links = [&](const IsoEntry& folder) {
            for (int i = 0; i < folder.childCount(); ++i) {
                const IsoEntry& entry = *folder.child(i);
                if (!entry.linkTarget.isEmpty())
                    m_linksToRestore << qMakePair(entry.name, entry.linkTarget);
                if (entry.isDir)
                    links(entry);
            }
        };
        links(m_content.root);
        if (m_hybrid) {
            if (const auto lines = Xorriso::RunForLines(m_tools.xorriso, Tools::systemAreaReportArgs(m_imagePath)))
                m_systemArea = Xorriso::ParseSystemArea(*lines);
        }
    }
    // The extraction starts once the listing is complete: run together, the
    // two 7-Zip processes slow the listing down many times for a gain of
    // milliseconds.
    if (m_extractJob && m_extractJob->status() == Job::Status::Idle)
        m_extractJob->start();
    // 7-Zip also extracts the boot images as "[BOOT]/...": no content.
    for (const QString& pseudo : PseudoEntriesToRemove(m_content, m_reader.BootImageNames()))
        queueOrDefer({CFileCopy::Delete, working(pseudo), QString()});
    emit tableReady();
    if (m_listingEndPending) {
        m_listingEndPending = false;
        emit listingEnded(true, QString());
    }
}

void EditSession::onListingEnded()
{
    ListingJob* job = m_listJob;
    if (!job)
        return;
    m_listJob = nullptr;
    job->deleteLater();
    const bool complete = job->status() == Job::Status::Succeeded;
    const QString reason = job->reason();
    if (!complete)
        abandon(reason);
    // A complete listing is announced once the model can be shown (the
    // Rock Ridge tree may still be read), so listeners find it filled.
    if (complete && !m_ready) {
        m_listingEndPending = true;
        return;
    }
    emit listingEnded(complete, reason);
}

void EditSession::abandon(const QString& reason)
{
    stopImageWork();
    m_deferred.clear();
    m_copy->Clear();
    m_reader.Begin(QString());
    m_ready = false;
    Util::WriteLog(QStringLiteral("Open failed: ") + m_imagePath + QLatin1Char(' ') + reason);
}

bool EditSession::onlyLinksToRestore() const
{
    // 7-Zip will not make a link to its own folder or above ("debian -> .")
    // and says so as an error; the links are made from the Rock Ridge tree
    // once it has ended.
    static const QLatin1String refused("Dangerous link path was ignored : ");
    const QStringList errors = m_extractLog.Errors();
    for (const QString& error : errors) {
        const QString name = QLatin1Char('/') + error.mid(refused.size()).section(QLatin1String(" : "), 0, 0);
        const bool restored = std::any_of(m_linksToRestore.begin(), m_linksToRestore.end(),
            [&](const QPair<QString, QString>& link) { return IsoPath(link.first) == name; });
        if (!error.startsWith(refused) || !restored)
            return false;
    }
    return !errors.isEmpty();
}

void EditSession::onExtractPiece(const QString& piece)
{
    m_extractLog.Feed(piece);
    if (const auto progress = ParseExtractProgress(piece))
        m_extractProgress = progress->percent;
}

void EditSession::onExtractFinished()
{
    ToolJob* job = m_extractJob;
    if (!job)
        return;
    const bool succeeded = job->status() == Job::Status::Succeeded;
    if (!succeeded && job->exitCode() < 0 && !m_reader.Complete()) {
        // 7-Zip did not start: neither the listing nor the extraction will come.
        m_extractJob = nullptr;
        job->deleteLater();
        const QString reason =
            tr("The image %1 could not be opened: %2").arg(QFileInfo(m_imagePath).fileName(), job->reason());
        abandon(reason);
        emit listingEnded(false, reason);
        emit extractionEnded(false);
        return;
    }
    if (!succeeded)
        m_extractFailure = job->reason().isEmpty() ? tr("The extraction did not complete.") : job->reason();
    m_extractJob = nullptr;
    job->deleteLater();
    MakeFoldersWritable(m_workingFolder);
    if (!succeeded || m_zisofsToRestore.isEmpty()) {
        finishOpenWork();
        return;
    }
    // 7-Zip wrote zisofs files as they are stored, compressed.
    m_zisofsJob = new ToolJob(this);
    m_zisofsJob->setCommand(
        m_tools.xorriso, Tools::rockRidgeExtractArgs(m_imagePath, m_workingFolder, m_zisofsToRestore));
    connect(m_zisofsJob, &Job::finished, this, [this] {
        ToolJob* zisofs = m_zisofsJob;
        if (!zisofs)
            return;
        if (zisofs->status() != Job::Status::Succeeded)
            m_extractFailure = tr("The compressed (zisofs) files could not be unpacked: %1").arg(zisofs->reason());
        m_zisofsJob = nullptr;
        zisofs->deleteLater();
        finishOpenWork();
    });
    m_zisofsJob->start();
}

void EditSession::finishOpenWork()
{
    const QStringList failed = RestoreLinks(m_linksToRestore, m_workingFolder);
    if (!failed.isEmpty() && m_extractFailure.isEmpty())
        m_extractFailure = tr("These links could not be made: %1").arg(ShortNameList(failed));
    m_openWork = false;
    flushDeferred();
    emit extractionEnded(m_extractFailure.isEmpty());
}

void EditSession::flushDeferred()
{
    const QList<Task> deferred = m_deferred;
    m_deferred.clear();
    for (const Task& task : deferred)
        m_copy->AddTask(task.source, task.target, task.operation);
}

void EditSession::queueOrDefer(const Task& task)
{
    if (isExtracting()) {
        m_deferred << task;
        return;
    }
    flushDeferred();
    m_copy->AddTask(task.source, task.target, task.operation);
}

// --- Changes -----------------------------------------------------------------------------

QString EditSession::nameProblem(const IsoEntry* folder, const QString& name, const IsoEntry* self) const
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return tr("Please enter a name.");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return tr("A name cannot contain / or \\.");
    for (int i = 0; folder && i < folder->childCount(); ++i) {
        const IsoEntry* sibling = folder->child(i);
        if (sibling != self && LastPathComponent(sibling->name).compare(name, Qt::CaseInsensitive) == 0)
            return tr("\"%1\" already exists in this folder.").arg(name);
    }
    return QString();
}

EditSession::AddResult EditSession::addItems(IsoEntry* folder, const QStringList& paths)
{
    AddResult result;
    if (!folder)
        return result;
    const QString prefix = folderPrefix(folder);
    ContentCollector collector(m_content, m_area.root());
    for (const QString& path : paths) {
        IsoEntry* added = QFileInfo(path).isDir() ? collector.addFolder(prefix, path) : collector.addFile(prefix, path);
        if (!added)
            continue;
        result.added << added;
        record({Tools::XorrisoEdit::Add, IsoPath(added->name), path});
        // A folder is copied under its own name into its parent.
        queueOrDefer({CFileCopy::Copy, path, added->isDir ? working(folder->name) : working(added->name)});
    }
    for (const ContentCollector::Skipped& item : collector.skipped()) {
        if (item.reason == ContentCollector::Reason::NameTaken)
            result.nameTaken << QFileInfo(item.path).fileName();
        else
            result.refused << QDir::toNativeSeparators(item.path);
    }
    return result;
}

bool EditSession::removeEntry(QString path)
{
    if (!m_content.FindEntry(path))
        return false;
    queueOrDefer({CFileCopy::Delete, working(path), QString()});
    record({Tools::XorrisoEdit::Remove, IsoPath(path), QString()});
    return m_content.RemoveEntry(path);
}

bool EditSession::renameEntry(QString path, const QString& newName)
{
    IsoEntry* entry = m_content.FindEntry(path);
    if (!entry || !m_content.RenameEntry(path, newName))
        return false;
    queueOrDefer({CFileCopy::Rename, working(path), working(entry->name)});
    record({Tools::XorrisoEdit::Rename, IsoPath(path), IsoPath(entry->name)});
    return true;
}

IsoEntry* EditSession::newFolder(IsoEntry* folder, const QString& name)
{
    if (!folder)
        return nullptr;
    IsoEntry entry;
    entry.name = folderPrefix(folder) + name;
    entry.dateText = FormatDateTime(QDateTime::currentDateTime());
    IsoEntry* added = m_content.Insert(std::move(entry));
    if (!added)
        return nullptr;
    // The copy worker makes the folder: a copy of an empty folder of ours.
    const QString empty = m_area.path() + QStringLiteral("/new/") + name;
    QDir().mkpath(empty);
    queueOrDefer({CFileCopy::Copy, empty, working(folder->name)});
    record({Tools::XorrisoEdit::MakeFolder, IsoPath(added->name), QString()});
    return added;
}

void EditSession::record(Tools::XorrisoEdit edit)
{
    m_edits << std::move(edit);
}

IsoEntry* EditSession::findPath(const QString& path) const
{
    if (path.isEmpty() || path == QLatin1String("/") || path == QLatin1String("\\"))
        return const_cast<IsoEntry*>(&m_content.root);
    QString name = path;
    const QString normalized = IsoContentTree::NormalizeName(name.replace(QLatin1Char('/'), QLatin1Char('\\')));
    return normalized.isEmpty() ? nullptr : m_content.FindEntry(normalized);
}
