// The extract page: listing an image and extracting the chosen items. The
// widgets, the tree and the table are wired in extractpageviews.cpp.
#include "pages/extractpage.h"

#include "core/trace.h"
#include "core/util.h"
#include "image/extractjob.h"
#include "pages/contentviews.h"
#include "ui/imagebutton.h"
#include "ui/jobprogress.h"
#include "ui/messages.h"
#include "ui/progressdialog.h"
#include "ui/settings.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>

CPage2::CPage2(QWidget* parent, const PageContext& context)
    : PageWindow(parent, context)
{
    setObjectName(QStringLiteral("CPage2"));
    resize(858, 472); // until the background picture fixes the size
    SetBackgroundImage(QStringLiteral(":/vud/page2"));
    createWidgets();
    updateUI();
    setAcceptDrops(true);
}

bool CPage2::CanTakeDrop(const QStringList& paths) const
{
    return paths.size() == 1 && IsImageFile(paths.first()) && isEnabled() && !IsListing();
}

void CPage2::TakeDrop(const QStringList& paths)
{
    LoadImage(paths.first());
}

CPage2::~CPage2()
{
    if (m_listJob) {
        disconnect(m_listJob, nullptr, this, nullptr);
        m_listJob->stop();
    }
    if (m_job) {
        disconnect(m_job, nullptr, this, nullptr);
        m_job->stop(); // removes its staging folder before the page goes
    }
    restoreCursor();
    delete m_progress; // a top-level window, not a child of the page
}

void CPage2::setButtonsEnabled(bool enabled)
{
    m_loadIso->setEnabled(enabled);
    m_back->setEnabled(enabled);
    m_extract->setEnabled(enabled);
}

void CPage2::restoreCursor()
{
    if (m_busyCursor) {
        QApplication::restoreOverrideCursor();
        m_busyCursor = false;
    }
}

// --- Listing -------------------------------------------------------------------

void CPage2::OnLoadISO()
{
    const QString image = Dialogs().ChooseOpenFile(this, QStringLiteral("ISO Files(*.ISO)"));
    if (image.isEmpty() || !QFileInfo::exists(image))
        return;
    LoadImage(image);
}

void CPage2::LoadImage(const QString& image)
{
    if (m_listJob) {
        disconnect(m_listJob, nullptr, this, nullptr);
        m_listJob->stop();
        m_listJob->deleteLater();
    }
    m_imagePath = image;
    if (!m_busyCursor) {
        SetBusyCursor();
        m_busyCursor = true;
    }
    setButtonsEnabled(false);
    // The views point into the content: empty them before it goes.
    m_currentFolder = nullptr;
    m_rows.clear();
    m_ticked.clear();
    m_list->setRowCount(0);
    updateHeaderState();
    m_tree->clear();

    m_rockRidge.reset();
    m_listJob = new ImageListingJob(m_reader, m_content, Context().tools.archive, Context().tools.xorriso, image, this);
    connect(m_listJob, &ImageListingJob::tableReady, this, &CPage2::OnUnzipFinished);
    connect(m_listJob, &ImageListingJob::finished, this, &CPage2::onListingEnded);
    m_listJob->start();
}

void CPage2::OnLineOutput(QString line)
{
    if (m_reader.Feed(line) == ListingReader::TableFinished)
        OnUnzipFinished();
}

void CPage2::OnUnzipFinished()
{
    restoreCursor();
    setButtonsEnabled(true);
    qCDebug(lcTrace) << "finished unzip";
    QTreeWidgetItem* top = ContentView::ShowContent(m_tree, m_content);
    m_tree->setCurrentItem(top);
    m_currentFolder = &m_content.root;
    FillFileTable();
}

void CPage2::onListingEnded()
{
    ImageListingJob* job = m_listJob;
    if (!job)
        return;
    m_listJob = nullptr;
    job->deleteLater();
    m_rockRidge = job->rockRidge();
    restoreCursor();
    setButtonsEnabled(true);
    const bool complete = job->status() == ExtractJob::Status::Succeeded;
    if (complete)
        Settings::AddRecentImage(m_imagePath);
    if (!complete) {
        Util::WriteLog(QStringLiteral("Listing failed: ") + m_imagePath + QLatin1Char(' ') + job->reason());
        Dialogs().ShowMessage(job->reason(), this);
    } else if (job->damaged()) {
        // 7-Zip lists what it found but complains: warn before an extraction fails.
        QString text = tr("The image %1 seems to be damaged or incomplete; some items may not extract.")
                           .arg(QFileInfo(m_imagePath).fileName());
        if (!job->log().Reason().isEmpty())
            text += QLatin1Char('\n') + job->log().Reason();
        Dialogs().ShowMessage(text, this);
    }
    emit sigListingEnded(complete);
}

// --- Extraction ------------------------------------------------------------------

namespace {

void collectTicked(const IsoEntry* folder, const QSet<const IsoEntry*>& ticked, QList<const IsoEntry*>& out)
{
    for (int i = 0; i < folder->childCount(); ++i) {
        const IsoEntry* child = folder->child(i);
        if (ticked.contains(child))
            out << child; // what is inside comes with it
        else
            collectTicked(child, ticked, out);
    }
}

qint64 bytesBelow(const IsoEntry* entry)
{
    if (!entry->isDir)
        return qint64(entry->size());
    qint64 total = 0;
    for (int i = 0; i < entry->childCount(); ++i)
        total += bytesBelow(entry->child(i));
    return total;
}

} // namespace

QList<const IsoEntry*> CPage2::ChosenItems() const
{
    QList<const IsoEntry*> chosen;
    if (!m_ticked.isEmpty()) {
        collectTicked(&m_content.root, m_ticked, chosen);
        return chosen;
    }
    QList<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    for (int row : qAsConst(rows))
        if (row < m_rows.size())
            chosen << m_rows.at(row);
    return chosen;
}

bool CPage2::askAboutExisting(const QList<const IsoEntry*>& items, const QString& folder, Existing& existing)
{
    const QStringList files = FilesToReplace(items, folder);
    existing = Existing::Replace;
    if (files.isEmpty())
        return true;
    constexpr int Named = 3;
    QStringList named = files.mid(0, Named);
    if (files.size() > Named)
        named << QStringLiteral("…");
    const QString text = tr("%n file(s) in %1 would be replaced by the extracted ones:", nullptr, files.size())
                             .arg(QDir::toNativeSeparators(folder))
        + QLatin1Char('\n') + named.join(QLatin1Char('\n'));
    switch (Dialogs().AskChoice(text, {tr("Replace"), tr("Keep Mine"), tr("Cancel")}, this)) {
    case 0:
        return true;
    case 1:
        existing = Existing::KeepChosen;
        return true;
    default:
        return false;
    }
}

void CPage2::OnExtract()
{
    if (!m_currentFolder) {
        Dialogs().ShowPictureMessage(QStringLiteral(":/vud/select_files_extract"),
            tr("Please load an ISO image first, then select the files or folders you want to extract"), 120, this);
        return;
    }
    const QList<const IsoEntry*> chosen = ChosenItems();
    if (chosen.isEmpty()) {
        Dialogs().ShowPictureMessage(QStringLiteral(":/vud/select_files_extract"),
            tr("Please select the files or folders you want to extract"), 120, this);
        return;
    }
    // Items of different folders all land in the output folder: one name, one item.
    QList<ExtractItem> items;
    QSet<QString> names;
    for (const IsoEntry* entry : chosen) {
        items << ExtractItem::Of(*entry);
        if (names.contains(items.last().name)) {
            Dialogs().ShowMessage(tr("More than one selected item is called %1. Please extract them one at a time.")
                                      .arg(items.last().name),
                this);
            return;
        }
        names.insert(items.last().name);
    }
    const QString folder = Dialogs().ChooseFolder(this);
    if (folder.isEmpty())
        return;
    Existing existing = Existing::Replace;
    if (!askAboutExisting(chosen, folder, existing))
        return;

    m_outputFolder = folder;
    if (m_job) {
        disconnect(m_job, nullptr, this, nullptr);
        m_job->deleteLater();
    }
    ExtractJob::Request request {m_imagePath, m_outputFolder, items, existing, {}, Context().tools.archive};
    request.xorriso = Context().tools.xorriso;
    request.rockRidge = m_rockRidge;
    request.expectedSize = ExpectedSizes(m_content);
    m_job = new ExtractJob(request, this);
    connect(m_job, &ExtractJob::finished, this, &CPage2::OnExtractFinished);
    setEnabled(false);
    qint64 bytes = 0;
    for (const IsoEntry* entry : chosen)
        bytes += bytesBelow(entry);
    m_binding->attach(m_job, bytes);
    m_job->start();
}

void CPage2::OnExtractOutput(QString line)
{
    qCDebug(lcTrace) << "CPage2::OnExtractOutput" << line;
    if (const auto progress = ParseExtractProgress(line)) {
        m_progress->SetValue(progress->percent);
        m_progress->SetText(ExtractStageText(*progress));
    }
}

void CPage2::OnExtractFinished()
{
    if (!m_job)
        return;
    setEnabled(true);
    m_progress->hide();
    const ExtractJob::Status status = m_job->status();
    if (status == ExtractJob::Status::Stopped)
        return; // silent: what was extracted so far stays, nothing is reported
    const MoveUpResult& placed = m_job->placed();
    if (status == ExtractJob::Status::Succeeded) {
        Util::WriteLog(QStringLiteral("Extract files successfully :") + m_outputFolder);
        QString text = tr("Extract files successfully.");
        if (!placed.kept.isEmpty())
            text +=
                QLatin1Char('\n') + tr("Your own files were kept in: %1").arg(placed.kept.join(QLatin1String(", ")));
        Dialogs().ShowOpenFolderMessage(text, m_outputFolder, this);
    } else {
        Util::WriteLog(QStringLiteral("Extract files failed : ") + m_outputFolder + QLatin1Char(' ') + m_job->reason());
        // Say what did arrive before what did not: most of a selection may be there.
        Dialogs().ShowMessage(m_job->summary() + QLatin1Char('\n') + m_job->reason(), this);
    }
    emit sigExtractionEnded(status == ExtractJob::Status::Succeeded);
}

void CPage2::OnStopExtract()
{
    // Silent: what was extracted so far stays, nothing is reported.
    if (m_job)
        m_job->stop();
    setEnabled(true);
}

void CPage2::OnBack()
{
    close();
}
