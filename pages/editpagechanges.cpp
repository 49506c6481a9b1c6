#include "core/trace.h"
#include "core/util.h"
#include "image/editsession.h"
#include "image/extractjob.h"
#include "image/fileutils.h"
#include "pages/contentviews.h"
#include "pages/editpage.h"
#include "ui/imagebutton.h"
#include "ui/inputdialog.h"
#include "ui/jobprogress.h"
#include "ui/messages.h"
#include "ui/progressdialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

// The edit page's changes to the image: the operations on the checked rows,
// export, save, and what happens to changes not saved yet.

// --- Changes ---------------------------------------------------------------------------

QList<IsoEntry*> CPage4::checkedEntries() const
{
    QList<int> rows = ContentView::CheckedRows(m_list);
    if (rows.isEmpty()) {
        // Nothing ticked: the highlighted rows, as Delete or F2 on a row means.
        for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
            rows << index.row();
        std::sort(rows.begin(), rows.end());
    }
    QList<IsoEntry*> entries;
    for (int row : qAsConst(rows)) {
        if (row < m_rows.size())
            entries << m_rows.at(row);
    }
    return entries;
}

QString CPage4::acceptableName(const QString& name, const IsoEntry* self)
{
    const QString problem = m_session->nameProblem(m_currentFolder, name, self);
    if (problem.isEmpty())
        return name;
    Dialogs().ShowMessage(problem, this);
    return QString();
}

void CPage4::OnAdd()
{
    if (!m_currentFolder)
        return;
    const QStringList paths = Dialogs().ChooseItems(this, true);
    if (paths.isEmpty())
        return;
    addPaths(paths);
}

bool CPage4::CanTakeDrop(const QStringList& paths) const
{
    if (m_run || m_loaded == Loaded::Listing)
        return false;
    // With no image open, one image is opened; with one open, items are added.
    if (!m_currentFolder)
        return paths.size() == 1 && IsImageFile(paths.first());
    if (!m_add->isEnabled())
        return false;
    for (const QString& path : paths)
        if (!QFileInfo::exists(path))
            return false;
    return true;
}

void CPage4::TakeDrop(const QStringList& paths)
{
    if (!m_currentFolder)
        LoadImage(paths.first());
    else
        addPaths(paths);
}

void CPage4::addPaths(const QStringList& paths)
{
    QTreeWidgetItem* folderItem = ContentView::FindTreeItem(m_tree->topLevelItem(0), m_currentFolder);
    SetBusyCursor();
    const EditSession::AddResult result = m_session->addItems(m_currentFolder, paths);
    for (IsoEntry* added : result.added)
        ContentView::AddFolderItem(folderItem, added);
    FillFileTable();
    QApplication::restoreOverrideCursor();
    if (!result.nameTaken.isEmpty())
        Dialogs().ShowMessage(tr("These items were not added: this folder already holds an item of that name:\n%1")
                                  .arg(ShortNameList(result.nameTaken)),
            this);
    if (!result.refused.isEmpty())
        Dialogs().ShowMessage(tr("These items were not added: a folder that cannot be read, a backslash in the name, a "
                                 "link back to a folder that holds it, or the program's own working folder:\n%1")
                                  .arg(ShortNameList(result.refused)),
            this);
}

void CPage4::OnDelete()
{
    const QList<IsoEntry*> entries = checkedEntries();
    if (entries.isEmpty()) {
        Dialogs().ShowMessage(tr("Please select one row in the table list first"), this);
        return;
    }
    for (int i = entries.size() - 1; i >= 0; --i) {
        const QString name = entries[i]->name;
        if (entries[i]->isDir)
            delete ContentView::FindTreeItem(m_tree->topLevelItem(0), entries[i]);
        m_session->removeEntry(name);
    }
    FillFileTable();
}

void CPage4::OnRename()
{
    const QList<IsoEntry*> entries = checkedEntries();
    if (entries.isEmpty()) {
        Dialogs().ShowMessage(tr("Please select one row in the table list first"), this);
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
    if (!m_session->renameEntry(entry->name, newName))
        return;
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
    IsoEntry* added = m_session->newFolder(m_currentFolder, name);
    if (!added)
        return;
    ContentView::AddFolderItem(ContentView::FindTreeItem(m_tree->topLevelItem(0), m_currentFolder), added);
    FillFileTable();
}

// --- Export and save ------------------------------------------------------------------

bool CPage4::askAboutExisting(const QList<IsoEntry*>& entries, const QString& folder, Existing& existing)
{
    existing = Existing::Replace;
    // Enough names for the message; the plan finds every one at the export.
    const QStringList files = FilesToReplace({entries.begin(), entries.end()}, folder, 9);
    if (files.isEmpty())
        return true;
    const QString text = tr("%1 already holds items of these names:\n%2\nReplace them with the exported ones?")
                             .arg(QDir::toNativeSeparators(folder), ShortNameList(files));
    const int choice = Dialogs().AskChoice(text, {tr("Replace"), tr("Keep Mine"), tr("Cancel")}, this);
    if (choice == 1)
        existing = Existing::KeepChosen;
    return choice == 0 || choice == 1;
}

void CPage4::OnExport()
{
    const QList<IsoEntry*> entries = checkedEntries();
    if (entries.isEmpty()) {
        Dialogs().ShowMessage(tr("Please select files or folders in the list first."), this);
        return;
    }
    const QString folder = Dialogs().ChooseFolder(this);
    Existing existing = Existing::Replace;
    if (folder.isEmpty() || m_run || !askAboutExisting(entries, folder, existing))
        return;
    m_exportFolder = folder;
    QStringList names;
    for (const IsoEntry* entry : entries)
        names << entry->name;
    startRun(m_session->makeExportJob(names, folder, existing, this), false);
}

void CPage4::OnSave()
{
    startSave();
}

bool CPage4::startSave()
{
    if (m_session->content().root.childCount() == 0) {
        Dialogs().ShowMessage(tr("Please add files or folders first!"), this);
        return false;
    }
    const QString chosen = Dialogs().ChooseSaveFile(this, QStringLiteral("ISO Files(*.ISO)"));
    if (chosen.isEmpty() || m_run)
        return false;
    const QString output = EditSession::WithIsoSuffix(chosen);
    const QString problem = m_session->saveTargetProblem(output);
    if (!problem.isEmpty()) {
        Dialogs().ShowMessage(problem, this);
        return false;
    }
    // The dialog asked about the name typed, not about the one with ".iso".
    if (output != chosen && QFileInfo::exists(output)
        && Dialogs().AskQuestion(QStringLiteral(":/vud/commdialogbg"),
               tr("%1 already exists. Do you want to replace it?").arg(QDir::toNativeSeparators(output)), this)
            != 1)
        return false;
    // What the copy will lack is said before anything is written.
    const EditSession::SavePlan plan = m_session->savePlan();
    if (!plan.lost.isEmpty()
        && Dialogs().AskQuestion(QStringLiteral(":/vud/commdialogbg"),
               tr("The new image will not keep %1. Save anyway?").arg(plan.lost.join(tr(" and "))), this)
            != 1)
        return false;
    m_outputPath = output;
    startRun(m_session->makeSaveJob(output, this), true);
    return true;
}

// --- Changes not saved yet -----------------------------------------------------------

bool CPage4::mayLeave(const std::function<void()>& then)
{
    if (m_loaded != Loaded::Ready || !m_session->hasUnsavedChanges())
        return true;
    const QString text = tr("The changes to %1 have not been saved.").arg(QFileInfo(m_session->imagePath()).fileName());
    switch (Dialogs().AskChoice(text, {tr("Save"), tr("Discard"), tr("Cancel")}, this)) {
    case 0:
        // Left once the save has succeeded; a failed or stopped one stays here.
        m_afterSave = startSave() ? then : nullptr;
        return false;
    case 1:
        return true;
    default:
        return false;
    }
}

bool CPage4::MayClose(const std::function<void()>& closeLater)
{
    // While a save or an export runs, the program's own question about
    // running jobs decides.
    return m_run || mayLeave(closeLater);
}

void CPage4::closeEvent(QCloseEvent* event)
{
    // Back: the page is never shown again, so its image goes.
    if (m_run || !mayLeave([this] { close(); })) {
        event->ignore();
        return;
    }
    ImageDialog::closeEvent(event);
    if (event->isAccepted())
        m_session->discard();
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
        Dialogs().ShowOpenFolderMessage(
            tr("Save ISO file successfully!"), QFileInfo(m_outputPath).absolutePath(), this);
    } else if (succeeded) {
        qCDebug(lcTrace) << "file copy finished!!!";
        Dialogs().ShowOpenFolderMessage(tr("Export Successfully !"), m_exportFolder, this);
    } else if (Job::Status(status) == Job::Status::Failed) {
        QString text = save ? tr("The ISO file could not be saved.") : tr("The items could not be exported.");
        // The build job heads its reason for the create page; the save has its own heading.
        const QString created = QCoreApplication::translate("IsoBuildJob", "The ISO file could not be created.");
        QString detail = reason.startsWith(created) ? reason.mid(created.size()).trimmed() : reason;
        if (!detail.isEmpty())
            text += QLatin1Char('\n') + detail;
        Util::WriteLog(text);
        Dialogs().ShowMessage(text, this);
    }
    if (save) {
        // What waited for the save (leaving the image) goes on once it is over.
        if (succeeded && m_afterSave)
            QTimer::singleShot(0, this, m_afterSave);
        m_afterSave = nullptr;
        emit sigSaveEnded(succeeded);
    } else {
        emit sigExportEnded(succeeded);
    }
}

void CPage4::StopCreate()
{
    // Only the run's own work goes: edits still waiting for the working
    // folder stay queued, and the builder's partial output is removed.
    m_session->stopExport();
    if (m_run)
        m_run->stop();
}

Job* CPage4::Running() const
{
    return m_run;
}
