#include "pages/page4.h"

#include "image/fileutils.h"

#include "core/trace.h"
#include "core/util.h"
#include "core/job.h"
#include "image/editsave.h"
#include "image/filecopy.h"
#include "ui/contentviews.h"
#include "ui/messages.h"
#include "ui/checkboxheaderview.h"
#include "ui/imagebutton.h"
#include "ui/jobprogress.h"
#include "ui/lineedit.h"
#include "ui/nofocusdelegate.h"
#include "ui/progressdialog.h"
#include "runner/sevenzip.h"

#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

const char* const ViewStyle =
    "background:#ffffff;\nborder:1px solid #C2EFFD;;\ngridline-color:#C2EFFD;;\n"
    "selection-background-color:#C2EFFD;;\nselection-color:#000000;\n"
    "QHeaderView::section{font:13pt;color: black;};\nQHeaderView::section:focus{font:13pt;color: black;};";

QFont pixelFont(int pixelSize)
{
    QFont font;
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

CPage4::CPage4(QWidget* parent, const PageContext& context)
    : ImageDialog(parent, context), m_area(QStringLiteral("edit"))
{
    setObjectName(QStringLiteral("CPage4"));
    resize(852, 472); // until InitializeUI fits the page to the main window
    SetBackgroundImage(QStringLiteral(":/vud/page4"));
    m_copy = new CFileCopy(this);
    m_exportCopy = new CFileCopy(this);
    createWidgets();
    updateUI();
    // Working folders of runs that have ended; live pages keep theirs.
    for (const QString& stale : StagingArea::StaleFolders())
        m_copy->AddTask(stale, QString(), CFileCopy::Delete);
}

CPage4::~CPage4()
{
    if (m_run)
        m_run->stop();
    stopImageWork();
    restoreCursor();
    // The workers finish their running task; then the working folders go
    // (an extracted image can be gigabytes: never leave it for a later start).
    delete m_exportCopy;
    delete m_copy;
    m_copy = m_exportCopy = nullptr;
    if (m_area.isValid())
        RemoveFolderTree(m_area.path());
    delete m_progress; // a top-level window, not a child of the page
}

void CPage4::createWidgets()
{
    const auto button = [this](const char* name, void (CPage4::*slot)()) {
        auto* b = new CImageButton(this);
        b->setObjectName(QLatin1String(name));
        connect(b, qOverload<>(&CImageButton::clicked), this, slot);
        return b;
    };
    m_loadIso = button("loadiso", &CPage4::OnLoadISO);
    m_add = button("add", &CPage4::OnAdd);
    m_export = button("export_2", &CPage4::OnExport);
    m_rename = button("rename", &CPage4::OnRename);
    m_delete = button("delete_2", &CPage4::OnDelete);
    m_new = button("new_2", &CPage4::OnNew);
    m_back = new CImageButton(this);
    m_back->setObjectName(QStringLiteral("back"));
    connect(m_back, qOverload<>(&CImageButton::clicked), this, &CPage4::close);
    m_save = button("save", &CPage4::OnSave);

    m_search = new CLineEdit(this);
    m_search->setObjectName(QStringLiteral("search"));
    connect(m_search, &QLineEdit::textChanged, this, &CPage4::OnSearch);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tree"));
    m_tree->setHeaderHidden(true);
    m_list = new QTableWidget(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_header = new SCheckBoxHeaderView(0, m_list);
    m_list->setHorizontalHeader(m_header);
    m_list->setColumnCount(ContentView::ColumnCount);
    m_menu = new QMenu(m_list);
    m_progress = new CProgressDialog(this);
    m_binding = new JobProgress(m_progress, this);

    connect(m_tree, &QTreeWidget::itemClicked, this, &CPage4::OnTreeCurrentChanged);
    connect(m_header, &SCheckBoxHeaderView::checkStausChange, this, &CPage4::slotSelectAll);
    connect(m_list, &QWidget::customContextMenuRequested, this, &CPage4::OnListContextMenuRequest);
    connect(m_list, &QTableWidget::itemDoubleClicked, this, &CPage4::OnListViewDoubleClicked);
    connect(m_list, &QTableWidget::itemClicked, this, &CPage4::OnListViewClicked);
    connect(m_progress, &CProgressDialog::SigCancel, this, &CPage4::StopCreate);
    setButtonsEnabled(false);
}

void CPage4::InitializeUI()
{
    qCDebug(lcTrace) << "CPage4::InitializeUI() is called!!";
    if (m_initialized)
        return;
    m_initialized = true;
    applyLook();
    updateUI();
}

void CPage4::applyLook()
{
    setStyleSheet(QStringLiteral("background-color:white;"));
    if (QWidget* owner = parentWidget())
        setFixedSize(owner->width() - 6, owner->height() - 110);
    // Rename is wider than first designed for its longer translations; Delete
    // moves right to make room.
    const struct { CImageButton* button; int x, y; } places[] = {
        {m_loadIso, 11, 16}, {m_add, 206, 24},  {m_export, 303, 24}, {m_rename, 409, 24},
        {m_delete, 539, 24}, {m_new, 609, 24},  {m_back, 11, 416},   {m_save, 741, 416},
    };
    for (const auto& place : places)
        place.button->move(place.x, place.y);
    m_new->hide();

    m_search->move(711, 16);
    m_search->setFixedSize(136, 27);
    m_search->setFont(pixelFont(14));
    m_search->setStyleSheet(QStringLiteral("padding-left:28px;"));
    m_search->SetIcons(QStringLiteral(":/vud/zoom"), QStringLiteral(":/vud/zoom"), QStringLiteral(":/vud/zoom"), 4, 5);

    m_tree->move(11, 58);
    m_tree->setFixedSize(179, 338);
    m_tree->setFont(pixelFont(14));
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);

    m_list->move(190, 58);
    m_list->setFixedSize(658, 338);
    m_header->setFont(pixelFont(14));
    m_header->setHighlightSections(false);
    for (int c = 0; c < ContentView::ColumnCount; ++c)
        m_list->setColumnWidth(c, (m_list->width() - 2) / 4);
    m_list->verticalHeader()->setVisible(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setItemDelegate(new NoFocusDelegate(m_list));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setStyleSheet(QLatin1String(ViewStyle));
    m_list->setStyleSheet(QLatin1String(ViewStyle));
    m_menu->setFont(pixelFont(14));
}

void CPage4::updateUI()
{
    setWindowTitle(tr("Dialog"));
    // Each caption in the text style its picture is drawn for: green on the
    // outlined ones, grey beside the toolbar icons, white on Save; white
    // everywhere would vanish on the light bodies.
    const struct { CImageButton* button; const char* picture; QString text; int style; } looks[] = {
        {m_loadIso, "loadiso", tr("Load ISO"), 16}, {m_add, "Add", tr("Add"), 9},
        {m_export, "Export", tr("Export"), 9},      {m_rename, "Rename", tr("Rename"), 9},
        {m_delete, "Delete", tr("Delete"), 9},      {m_new, "New", tr("New"), 9},
        {m_back, "backwhite", tr("Back"), 6},       {m_save, "save", tr("Save"), 3},
    };
    for (const auto& look : looks) {
        const QString base = QStringLiteral(":/vud/") + QLatin1String(look.picture);
        look.button->SetImages(base + QLatin1Char('1'), base + QLatin1Char('2'), base + QLatin1Char('3'), QString(),
                               look.text, QString(), look.style);
    }
    m_search->setPlaceholderText(tr("Search"));
    m_list->setHorizontalHeaderLabels({tr("File Name"), tr(" Size"), tr("Type"), tr("Time")});

    // The actions are made anew with their connections: exactly one each.
    for (QAction* action : m_menu->actions())
        action->deleteLater();
    m_menu->clear();
    const struct { QString text; void (CPage4::*slot)(); } actions[] = {
        {tr("Add(&A)"), &CPage4::OnAdd},       {tr("Export(&E)"), &CPage4::OnExport},
        {tr("Rename(&R)"), &CPage4::OnRename}, {tr("Delete(&D)"), &CPage4::OnDelete},
        {tr("New(&N)"), &CPage4::OnNew},
    };
    for (const auto& entry : actions)
        connect(m_menu->addAction(entry.text), &QAction::triggered, this, entry.slot);
}

void CPage4::changeEvent(QEvent* qe)
{
    if (qe->type() == QEvent::LanguageChange)
        updateUI();
    ImageDialog::changeEvent(qe);
}

void CPage4::setButtonsEnabled(bool enabled)
{
    for (CImageButton* b : {m_add, m_export, m_rename, m_delete, m_new, m_save})
        b->setEnabled(enabled);
    const bool idle = m_loaded != Loaded::Listing;
    m_loadIso->setEnabled(idle);
    m_back->setEnabled(idle);
}

void CPage4::restoreCursor()
{
    if (m_busyCursor) {
        QApplication::restoreOverrideCursor();
        m_busyCursor = false;
    }
}

bool CPage4::IsListing() const
{
    return m_listJob && m_listJob->isRunning();
}

bool CPage4::IsExtracting() const
{
    return m_extractJob && m_extractJob->isRunning();
}

QString CPage4::working(const QString& name) const
{
    return m_workingFolder + QLatin1Char('/') + QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// --- Opening an image ------------------------------------------------------------

void CPage4::OnLoadISO()
{
    const QString image = Dialogs().ChooseOpenFile(this, QStringLiteral("ISO Files(*.ISO)"));
    if (image.isEmpty() || !QFileInfo(image).isFile())
        return;
    LoadImage(image);
}

void CPage4::stopImageWork()
{
    for (ToolJob* job : {static_cast<ToolJob*>(m_listJob.data()), m_extractJob.data()}) {
        if (!job)
            continue;
        disconnect(job, nullptr, this, nullptr);
        job->stop(); // the tool is gone when this returns
        job->deleteLater();
    }
    m_listJob = nullptr;
    m_extractJob = nullptr;
}

void CPage4::LoadImage(const QString& image)
{
    if (!m_area.isValid()) {
        Dialogs().ShowMessage(tr("The working folder for the image could not be created below %1.")
                        .arg(QDir::toNativeSeparators(StagingArea::DefaultRoot())),
                    this);
        return;
    }
    m_imagePath = image;
    stopImageWork();
    // The old image's work goes; a task under way finishes in its own
    // folder, and the new image is extracted into a fresh one.
    m_deferred.clear();
    m_copy->Clear();
    m_copy->ResetProgress();
    if (!m_workingFolder.isEmpty())
        m_copy->AddTask(m_workingFolder, QString(), CFileCopy::Delete);
    m_workingFolder = m_area.path() + QStringLiteral("/tree-") + QString::number(++m_generation);
    m_extractFailure.clear();
    m_extractProgress = 0;
    m_extractLog = ArchiveToolLog();
    m_extractLog.SetSubject(image);

    m_currentFolder = nullptr;
    m_rows.clear();
    m_list->setRowCount(0);
    m_tree->clear();
    m_reader.SetSkipBootImages(true);
    m_boot = ReadImageBoot(image);
    m_loaded = Loaded::Listing;
    if (!m_busyCursor) {
        SetBusyCursor();
        m_busyCursor = true;
    }
    setButtonsEnabled(false);

    m_listJob = new ListingJob(m_reader, Context().tools.archive, image, this);
    connect(m_listJob, &ListingJob::tableReady, this, &CPage4::OnUnzipFinished);
    connect(m_listJob, &Job::finished, this, &CPage4::onListingEnded);

    m_extractJob = new ToolJob(this);
    m_extractJob->setCommand(Context().tools.archive, Tools::extractAllArgs(m_workingFolder, image));
    m_extractJob->onPiece = [this](const QString& piece) { OnExtractOutput(piece); };
    m_extractJob->verdict = [this](int exitCode, QProcess::ExitStatus status) {
        // Exit status 1 is 7-Zip's warning; the save checks every file anyway.
        if (status == QProcess::NormalExit && exitCode <= 1)
            return QString();
        return m_extractLog.Reason().isEmpty() ? tr("7-Zip ended with exit status %1.").arg(exitCode)
                                               : m_extractLog.Reason();
    };
    connect(m_extractJob, &Job::finished, this, &CPage4::OnExtractFinished);
    m_listJob->start();
}

void CPage4::OnLineOutput(QString line)
{
    if (m_reader.Feed(line) == ListingReader::TableFinished)
        OnUnzipFinished();
}

void CPage4::OnUnzipFinished()
{
    restoreCursor();
    m_loaded = Loaded::Ready;
    setButtonsEnabled(true);
    qCDebug(lcTrace) << "finished unzip";
    QTreeWidgetItem* top = ContentView::ShowContent(m_tree, m_content);
    m_tree->setCurrentItem(top);
    m_currentFolder = &m_content.root;
    FillFileTable();
    // The extraction starts once the listing is complete: run together, the
    // two 7-Zip processes slow the listing down many times for a gain of
    // milliseconds.
    if (m_extractJob && m_extractJob->status() == Job::Status::Idle)
        m_extractJob->start();
    // 7-Zip also extracts the boot images as "[BOOT]/...": no content.
    for (const QString& pseudo : PseudoEntriesToRemove(m_content, m_reader.BootImageNames()))
        QueueOrDefer({CFileCopy::Delete, working(pseudo), QString()});
}

void CPage4::onListingEnded()
{
    ListingJob* job = m_listJob;
    if (!job)
        return;
    m_listJob = nullptr;
    job->deleteLater();
    const bool complete = job->status() == Job::Status::Succeeded;
    if (!complete)
        abandonImage(job->reason());
    emit sigListingEnded(complete);
}

void CPage4::abandonImage(const QString& message)
{
    stopImageWork();
    m_deferred.clear();
    m_copy->Clear();
    m_currentFolder = nullptr;
    m_rows.clear();
    m_list->setRowCount(0);
    m_tree->clear();
    m_reader.Begin(QString());
    m_loaded = Loaded::Empty;
    restoreCursor();
    setButtonsEnabled(false);
    Util::WriteLog(QStringLiteral("Open failed: ") + m_imagePath + QLatin1Char(' ') + message);
    Dialogs().ShowMessage(message, this);
}

void CPage4::OnExtractOutput(QString line)
{
    m_extractLog.Feed(line);
    if (const auto progress = ParseExtractProgress(line)) {
        m_extractProgress = progress->percent;
        qCDebug(lcTrace) << "m_ExtractProgress:" << m_extractProgress;
    }
}

void CPage4::OnExtractFinished()
{
    ToolJob* job = m_extractJob;
    if (!job)
        return;
    const bool succeeded = job->status() == Job::Status::Succeeded;
    if (!succeeded && job->exitCode() < 0 && !m_reader.Complete()) {
        // 7-Zip did not start: neither the listing nor the extraction will come.
        m_extractJob = nullptr;
        job->deleteLater();
        abandonImage(tr("The image %1 could not be opened: %2").arg(QFileInfo(m_imagePath).fileName(), job->reason()));
        emit sigExtractionEnded(false);
        return;
    }
    if (!succeeded)
        m_extractFailure = job->reason().isEmpty() ? tr("The extraction did not complete.") : job->reason();
    m_extractJob = nullptr;
    job->deleteLater();
    const QList<Task> deferred = m_deferred;
    m_deferred.clear();
    for (const Task& task : deferred)
        m_copy->AddTask(task.source, task.target, task.operation);
    qCDebug(lcTrace) << "CPage4::OnExtractFinished() is called!!";
    emit sigExtractionEnded(succeeded);
}

void CPage4::QueueOrDefer(const Task& task)
{
    if (IsExtracting()) {
        m_deferred << task;
        return;
    }
    const QList<Task> deferred = m_deferred;
    m_deferred.clear();
    for (const Task& waiting : deferred)
        m_copy->AddTask(waiting.source, waiting.target, waiting.operation);
    m_copy->AddTask(task.source, task.target, task.operation);
}

// --- Browsing ----------------------------------------------------------------------

void CPage4::FillFileTable()
{
    m_rows = ContentView::FillFileTable(m_list, m_currentFolder, m_search->text().trimmed());
}

void CPage4::BuildFolderTree(IsoEntry* folder, QTreeWidgetItem* parentItem)
{
    ContentView::BuildFolderTree(folder, parentItem);
}

void CPage4::OnSearch()
{
    FillFileTable();
}

void CPage4::OnTreeCurrentChanged()
{
    IsoEntry* folder = ContentView::FolderOfCurrentItem(m_tree);
    if (!folder)
        return;
    m_currentFolder = folder;
    FillFileTable();
}

void CPage4::OnListViewDoubleClicked()
{
    QTableWidgetItem* item = m_list->currentItem();
    if (!item || item->row() < 0 || item->row() >= m_rows.size())
        return;
    IsoEntry* entry = m_rows.at(item->row());
    if (!entry->isDir)
        return;
    m_currentFolder = entry;
    RefreshTreeWidget();
    FillFileTable();
}

void CPage4::RefreshTreeWidget()
{
    ContentView::RevealFolder(m_tree, m_currentFolder);
}

void CPage4::OnListViewClicked(QTableWidgetItem* pItem)
{
    ContentView::ToggleRowCheck(m_list, pItem, m_list->mapFromGlobal(QCursor::pos()).x());
}

void CPage4::slotSelectAll(bool bChecked)
{
    ContentView::SetAllChecked(m_list, bChecked);
}

void CPage4::OnListContextMenuRequest(QPoint pos)
{
    Q_UNUSED(pos);
    m_menu->exec(QCursor::pos());
}

QList<IsoEntry*> CPage4::checkedEntries() const
{
    QList<IsoEntry*> entries;
    for (int row : ContentView::CheckedRows(m_list)) {
        if (row < m_rows.size())
            entries << m_rows.at(row);
    }
    return entries;
}
