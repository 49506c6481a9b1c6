// The edit page's operations: Add, Export, Rename, Delete, New, Save.

#include "pages/page4.h"

#include "core/trace.h"
#include "core/util.h"
#include "core/job.h"
#include "core/waitjob.h"
#include "image/contentcollector.h"
#include "image/createimagejob.h"
#include "image/editsave.h"
#include "image/isobuildjob.h"
#include "image/filecopy.h"
#include "image/fileutils.h"
#include "ui/contentviews.h"
#include "ui/filedialogs.h"
#include "ui/messages.h"
#include "ui/inputdialog.h"
#include "ui/jobprogress.h"
#include "ui/progressdialog.h"
#include "runner/isobuilder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTableWidget>
#include <QTreeWidget>

#include <memory>

namespace {

constexpr int ExtractPollMs = 200;
constexpr int MaxNamesShown = 8;

QString nameList(const QStringList& names)
{
    QStringList shown = names.mid(0, MaxNamesShown);
    if (names.size() > MaxNamesShown)
        shown << QStringLiteral("...");
    return shown.join(QLatin1Char('\n'));
}

QString folderPrefix(const IsoEntry* folder)
{
    return folder->name.isEmpty() ? QString() : folder->name + QLatin1Char('\\');
}

// Waits for a copy worker, under the edit page's own stage text.
CopyWaitJob* copyWait(CFileCopy* copy)
{
    auto* wait = new CopyWaitJob(copy);
    wait->setName(QCoreApplication::translate("CPage4", "Copy files and directories..."));
    return wait;
}

} // namespace

QString CPage4::acceptableName(const QString& name, const IsoEntry* self)
{
    QString problem;
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        problem = tr("Please enter a name.");
    else if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        problem = tr("A name cannot contain / or \\.");
    for (int i = 0; problem.isEmpty() && i < m_currentFolder->childCount(); ++i) {
        const IsoEntry* sibling = m_currentFolder->child(i);
        if (sibling != self && LastPathComponent(sibling->name).compare(name, Qt::CaseInsensitive) == 0)
            problem = tr("\"%1\" already exists in this folder.").arg(name);
    }
    if (problem.isEmpty())
        return name;
    ShowMessage(problem, this);
    return QString();
}

void CPage4::OnAdd()
{
    if (!m_currentFolder)
        return;
    const QStringList paths = ChooseItems(this, true);
    if (paths.isEmpty())
        return;
    const QString prefix = folderPrefix(m_currentFolder);
    QTreeWidgetItem* folderItem = ContentView::FindTreeItem(m_tree->topLevelItem(0), m_currentFolder);
    SetBusyCursor();
    ContentCollector collector(m_content, m_area.root());
    for (const QString& path : paths) {
        IsoEntry* added = QFileInfo(path).isDir() ? collector.addFolder(prefix, path) : collector.addFile(prefix, path);
        if (!added)
            continue;
        ContentView::AddFolderItem(folderItem, added);
        // A folder is copied under its own name into its parent.
        QueueOrDefer({CFileCopy::Copy, path, added->isDir ? working(m_currentFolder->name) : working(added->name)});
    }
    FillFileTable();
    QApplication::restoreOverrideCursor();
    QStringList existing, skipped;
    for (const ContentCollector::Skipped& item : collector.skipped()) {
        if (item.reason == ContentCollector::Reason::NameTaken)
            existing << QFileInfo(item.path).fileName();
        else
            skipped << QDir::toNativeSeparators(item.path);
    }
    if (!existing.isEmpty())
        ShowMessage(tr("These items were not added: this folder already holds an item of that name:\n%1")
                        .arg(nameList(existing)),
                    this);
    if (!skipped.isEmpty())
        ShowMessage(tr("These items were not added: a folder that cannot be read, a backslash in the name, a "
                       "link back to a folder that holds it, or the program's own working folder:\n%1")
                        .arg(nameList(skipped)),
                    this);
}

void CPage4::OnDelete()
{
    const QList<IsoEntry*> entries = checkedEntries();
    if (entries.isEmpty()) {
        ShowMessage(tr("Please select one row in the table list first"), this);
        return;
    }
    for (int i = entries.size() - 1; i >= 0; --i) {
        const QString name = entries[i]->name;
        QueueOrDefer({CFileCopy::Delete, working(name), QString()});
        if (entries[i]->isDir)
            delete ContentView::FindTreeItem(m_tree->topLevelItem(0), entries[i]);
        m_content.RemoveEntry(name);
    }
    FillFileTable();
}

void CPage4::OnRename()
{
    const QList<IsoEntry*> entries = checkedEntries();
    if (entries.isEmpty()) {
        ShowMessage(tr("Please select one row in the table list first"), this);
        return;
    }
    IsoEntry* entry = entries.first();
    const QString oldName = LastPathComponent(entry->name);
    CInputDialog dialog(this);
    dialog.SetText(oldName);
    if (dialog.exec() != 1 || dialog.GetText() == oldName)
        return;
    const QString newName = acceptableName(dialog.GetText(), entry);
    if (newName.isEmpty())
        return;
    const QString oldPath = entry->name;
    if (!m_content.RenameEntry(oldPath, newName))
        return;
    QueueOrDefer({CFileCopy::Rename, working(oldPath), working(entry->name)});
    if (entry->isDir) {
        if (QTreeWidgetItem* item = ContentView::FindTreeItem(m_tree->topLevelItem(0), entry))
            item->setText(0, newName);
    }
    FillFileTable();
}

void CPage4::OnNew()
{
    if (!m_currentFolder)
        return;
    CInputDialog dialog(this);
    dialog.SetText(tr("New Folder"));
    if (dialog.exec() != 1)
        return;
    const QString name = acceptableName(dialog.GetText(), nullptr);
    if (name.isEmpty())
        return;
    IsoEntry entry;
    entry.name = folderPrefix(m_currentFolder) + name;
    entry.dateText = FormatDateTime(QDateTime::currentDateTime());
    IsoEntry* added = m_content.Insert(std::move(entry));
    if (!added)
        return;
    ContentView::AddFolderItem(ContentView::FindTreeItem(m_tree->topLevelItem(0), m_currentFolder), added);
    // The copy worker makes the folder: a copy of an empty folder of ours.
    const QString empty = m_area.path() + QStringLiteral("/new/") + name;
    QDir().mkpath(empty);
    QueueOrDefer({CFileCopy::Copy, empty, working(m_currentFolder->name)});
    FillFileTable();
}

// --- Export and save ------------------------------------------------------------------

void CPage4::addWaits(JobSequence* run)
{
    run->add(new WaitJob(tr("Extracting iso..."), ExtractPollMs, [this] {
        WaitJob::State state;
        state.done = !IsExtracting();
        state.value = m_extractProgress;
        state.maximum = 100;
        if (state.done && !m_extractFailure.isEmpty())
            state.failure = tr("The image was not extracted completely: %1").arg(m_extractFailure);
        return state;
    }), 3);
    run->add(copyWait(m_copy), 1);
}

void CPage4::OnExport()
{
    const QList<IsoEntry*> entries = checkedEntries();
    if (entries.isEmpty()) {
        ShowMessage(tr("Please select files or folders in the list first."), this);
        return;
    }
    const QString folder = ChooseFolder(this);
    if (folder.isEmpty() || m_run)
        return;
    m_exportFolder = folder;
    auto* run = new JobSequence(this);
    addWaits(run);
    QStringList names;
    for (const IsoEntry* entry : entries)
        names << entry->name;
    run->add(new StepJob([this, names] {
        for (const QString& name : names) {
            const IsoEntry* entry = m_content.FindEntry(name);
            if (!entry)
                continue;
            const QString source = entry->localPath.isEmpty() ? working(entry->name) : entry->localPath;
            const QString target = entry->isDir ? m_exportFolder
                                                : m_exportFolder + QLatin1Char('/') + QFileInfo(source).fileName();
            m_exportCopy->AddTask(source, target, CFileCopy::Copy);
        }
        m_exportCopy->TakeFailures();
        return QString();
    }), 0);
    run->add(copyWait(m_exportCopy), 6);
    run->add(new StepJob([this] {
        const QStringList failed = m_exportCopy->TakeFailures();
        return failed.isEmpty() ? QString() : tr("These items could not be copied:\n%1").arg(nameList(failed));
    }), 0);
    startRun(run, false);
}

void CPage4::OnSave()
{
    if (m_content.root.childCount() == 0) {
        ShowMessage(tr("Please add files or folders first!"), this);
        return;
    }
    const QString output = ChooseSaveFile(this, QStringLiteral("ISO Files(*.ISO)"));
    if (output.isEmpty() || m_run)
        return;
    if (QFileInfo(output).isDir()) {
        ShowMessage(tr("%1 is a folder. Please choose a file name for the image.").arg(QDir::toNativeSeparators(output)),
                    this);
        return;
    }
    if (IsoBuild::IsInside(output, m_area.root()) || QFileInfo(output) == QFileInfo(m_imagePath)) {
        ShowMessage(tr("Please save the image under another name, outside the program's working folder."), this);
        return;
    }
    m_outputPath = output;
    auto* run = new JobSequence(this);
    addWaits(run);
    run->add(new StepJob([this] { return prepareSave(); }), 0);
    IsoBuildJob::Request build;
    build.output = output;
    build.arguments = [this](const QString& file) {
        return Tools::saveEditedArgs(m_saveOptions, file, m_workingFolder);
    };
    // The new image must boot as the original did, under its label.
    build.check = [this](const QString& file) { return CompareSavedBoot(m_boot, file); };
    auto* builder = new IsoBuildJob(build);
    builder->setName(tr("Saving ISO file..."));
    run->add(builder, 16);
    startRun(run, true);
}

QString CPage4::prepareSave()
{
    qCDebug(lcTrace) << "file copy finished!!!";
    const QStringList failed = m_copy->TakeFailures();
    QStringList missing = MissingFromWorkingFolder(m_content.root, m_workingFolder);
    if (!failed.isEmpty() || !missing.isEmpty()) {
        for (QString& name : missing)
            name = QDir::toNativeSeparators(name);
        return tr("These items are missing from the working folder, so the image would lack them:\n%1")
            .arg(nameList(failed + missing));
    }
    const BootRebuildPlan plan = PlanBootRebuild(m_boot, m_content.root, m_workingFolder,
                                                 m_area.path() + QStringLiteral("/boot"));
    if (!plan.error.isEmpty())
        return plan.error;
    m_saveOptions = plan.options;
    m_saveOptions.allowLargeFiles = !IsoBuild::LargeFiles(m_content.root).isEmpty();
    return QString();
}

void CPage4::startRun(JobSequence* run, bool save)
{
    m_run = run;
    m_runIsSave = save;
    connect(run, &Job::finished, this, [this, run](Job::Status status) {
        // The failed step's own words (the builder's already say what failed).
        QString reason;
        for (Job* step : run->findChildren<Job*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (step->status() == Job::Status::Failed)
                reason = step->reason();
        }
        onRunFinished(int(status), reason);
    });
    m_progress->SetText(tr("Extracting iso..."));
    m_binding->attach(run);
    run->start();
}

void CPage4::OnCreateFinished()
{
    m_progress->hide();
    if (m_run) {
        m_run->deleteLater();
        m_run = nullptr;
    }
}

void CPage4::onRunFinished(int status, const QString& reason)
{
    const bool save = m_runIsSave;
    OnCreateFinished();
    const bool succeeded = Job::Status(status) == Job::Status::Succeeded;
    if (succeeded && save) {
        Util::WriteLog(QStringLiteral("Save ISO file successfully: ") + m_outputPath);
        ShowOpenFolderMessage(tr("Save ISO file successfully!"), QFileInfo(m_outputPath).absolutePath(), this);
    } else if (succeeded) {
        qCDebug(lcTrace) << "file copy finished!!!";
        ShowOpenFolderMessage(tr("Export Successfully !"), m_exportFolder, this);
    } else if (Job::Status(status) == Job::Status::Failed) {
        QString text = save ? tr("The ISO file could not be saved.") : tr("The items could not be exported.");
        // The build job heads its reason for the create page; the save has its own heading.
        const QString created = QCoreApplication::translate("CPage3", "The ISO file could not be created.");
        QString detail = reason.startsWith(created) ? reason.mid(created.size()).trimmed() : reason;
        if (!detail.isEmpty())
            text += QLatin1Char('\n') + detail;
        Util::WriteLog(text);
        ShowMessage(text, this);
    }
    if (save)
        emit sigSaveEnded(succeeded);
    else
        emit sigExportEnded(succeeded);
}

void CPage4::StopCreate()
{
    // Only the run's own work goes: edits still waiting for the working
    // folder stay queued, and the builder's partial output is removed.
    m_exportCopy->Clear();
    if (m_run)
        m_run->stop();
}

Job* CPage4::Running() const
{
    return m_run;
}
