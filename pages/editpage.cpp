#include "pages/editpage.h"

#include "core/trace.h"
#include "core/util.h"
#include "image/editsession.h"
#include "image/filecopy.h"
#include "image/fileutils.h"
#include "pages/contentviews.h"
#include "ui/checkboxheaderview.h"
#include "ui/imagebutton.h"
#include "ui/inputdialog.h"
#include "ui/jobprogress.h"
#include "ui/lineedit.h"
#include "ui/messages.h"
#include "ui/nofocusdelegate.h"
#include "ui/progressdialog.h"
#include "ui/settings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>
#include <memory>

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
    : PageWindow(parent, context)
{
    setObjectName(QStringLiteral("CPage4"));
    resize(852, 472); // until InitializeUI fits the page to the main window
    SetBackgroundImage(QStringLiteral(":/vud/page4"));
    m_session = new EditSession(Context().tools, this);
    connect(m_session, &EditSession::tableReady, this, &CPage4::OnUnzipFinished);
    connect(m_session, &EditSession::listingEnded, this, &CPage4::onListingEnded);
    connect(m_session, &EditSession::extractionEnded, this, &CPage4::OnExtractFinished);
    createWidgets();
    updateUI();
    setAcceptDrops(true);
}

CPage4::~CPage4()
{
    if (m_run)
        m_run->stop();
    restoreCursor();
    delete m_session; // its working folders go with it
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
    auto* navigation = new ContentView::Navigation(m_tree, m_list, this);
    connect(navigation, &ContentView::Navigation::folderChosen, this, &CPage4::OnTreeCurrentChanged);
    connect(navigation, &ContentView::Navigation::openRequested, this, &CPage4::OnListViewDoubleClicked);
    connect(navigation, &ContentView::Navigation::upRequested, this, &CPage4::openParentFolder);
    // The keys do what the buttons do, and only while those can be pressed.
    connect(navigation, &ContentView::Navigation::deleteRequested, this, [this] {
        if (m_delete->isEnabled())
            OnDelete();
    });
    connect(navigation, &ContentView::Navigation::renameRequested, this, [this] {
        if (m_rename->isEnabled())
            OnRename();
    });
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
    const struct {
        CImageButton* button;
        int x, y;
    } places[] = {
        {m_loadIso, 11, 16},
        {m_add, 206, 24},
        {m_export, 303, 24},
        {m_rename, 409, 24},
        {m_delete, 539, 24},
        {m_new, 609, 24},
        {m_back, 11, 416},
        {m_save, 741, 416},
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
    const struct {
        CImageButton* button;
        const char* picture;
        QString text;
        int style;
    } looks[] = {
        {m_loadIso, "loadiso", tr("Load ISO"), 16},
        {m_add, "Add", tr("Add"), 9},
        {m_export, "Export", tr("Export"), 9},
        {m_rename, "Rename", tr("Rename"), 9},
        {m_delete, "Delete", tr("Delete"), 9},
        {m_new, "New", tr("New"), 9},
        {m_back, "backwhite", tr("Back"), 6},
        {m_save, "save", tr("Save"), 3},
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
    const struct {
        QString text;
        void (CPage4::*slot)();
    } actions[] = {
        {tr("Add(&A)"), &CPage4::OnAdd},
        {tr("Export(&E)"), &CPage4::OnExport},
        {tr("Rename(&R)"), &CPage4::OnRename},
        {tr("Delete(&D)"), &CPage4::OnDelete},
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
    return m_session->isListing();
}

bool CPage4::IsExtracting() const
{
    return m_session->isExtracting();
}

// --- Opening an image ------------------------------------------------------------

void CPage4::OnLoadISO()
{
    const QString image = Dialogs().ChooseOpenFile(this, QStringLiteral("ISO Files(*.ISO)"));
    if (image.isEmpty() || !QFileInfo(image).isFile())
        return;
    LoadImage(image);
}

void CPage4::LoadImage(const QString& image)
{
    if (!m_session->isValid()) {
        Dialogs().ShowMessage(tr("The working folder for the image could not be created below %1.")
                                  .arg(QDir::toNativeSeparators(StagingArea::DefaultRoot())),
            this);
        return;
    }
    m_currentFolder = nullptr;
    m_rows.clear();
    m_list->setRowCount(0);
    m_tree->clear();
    m_loaded = Loaded::Listing;
    if (!m_busyCursor) {
        SetBusyCursor();
        m_busyCursor = true;
    }
    setButtonsEnabled(false);
    m_session->open(image);
}

void CPage4::OnLineOutput(QString line)
{
    m_session->feedListing(line);
}

void CPage4::OnUnzipFinished()
{
    restoreCursor();
    m_loaded = Loaded::Ready;
    setButtonsEnabled(true);
    QTreeWidgetItem* top = ContentView::ShowContent(m_tree, m_session->content());
    m_tree->setCurrentItem(top);
    m_currentFolder = &m_session->content().root;
    FillFileTable();
}

void CPage4::onListingEnded(bool complete, const QString& reason)
{
    if (complete)
        Settings::AddRecentImage(m_session->imagePath());
    if (!complete)
        abandonImage(reason);
    emit sigListingEnded(complete);
}

void CPage4::abandonImage(const QString& message)
{
    m_currentFolder = nullptr;
    m_rows.clear();
    m_list->setRowCount(0);
    m_tree->clear();
    m_loaded = Loaded::Empty;
    restoreCursor();
    setButtonsEnabled(false);
    Dialogs().ShowMessage(message, this);
}

void CPage4::OnExtractFinished(bool succeeded)
{
    emit sigExtractionEnded(succeeded);
}

void CPage4::QueueOrDefer(const Task& task)
{
    m_session->queueOrDefer(task);
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

void CPage4::openParentFolder()
{
    if (!m_currentFolder || !m_currentFolder->parent())
        return;
    m_currentFolder = m_currentFolder->parent();
    RefreshTreeWidget();
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

void CPage4::OnExport()
{
    const QList<IsoEntry*> entries = checkedEntries();
    if (entries.isEmpty()) {
        Dialogs().ShowMessage(tr("Please select files or folders in the list first."), this);
        return;
    }
    const QString folder = Dialogs().ChooseFolder(this);
    if (folder.isEmpty() || m_run)
        return;
    m_exportFolder = folder;
    QStringList names;
    for (const IsoEntry* entry : entries)
        names << entry->name;
    JobSequence* run = m_session->makeExportJob(names, folder, Existing::Replace, this);
    startRun(run, false);
}

void CPage4::OnSave()
{
    if (m_session->content().root.childCount() == 0) {
        Dialogs().ShowMessage(tr("Please add files or folders first!"), this);
        return;
    }
    const QString chosen = Dialogs().ChooseSaveFile(this, QStringLiteral("ISO Files(*.ISO)"));
    if (chosen.isEmpty() || m_run)
        return;
    const QString output = EditSession::WithIsoSuffix(chosen);
    const QString problem = m_session->saveTargetProblem(output);
    if (!problem.isEmpty()) {
        Dialogs().ShowMessage(problem, this);
        return;
    }
    // The dialog asked about the name typed, not about the one with ".iso".
    if (output != chosen && QFileInfo::exists(output)
        && Dialogs().AskQuestion(QStringLiteral(":/vud/commdialogbg"),
               tr("%1 already exists. Do you want to replace it?").arg(QDir::toNativeSeparators(output)), this)
            != 1)
        return;
    // What the copy will lack is said before anything is written.
    const EditSession::SavePlan plan = m_session->savePlan();
    if (!plan.lost.isEmpty()
        && Dialogs().AskQuestion(QStringLiteral(":/vud/commdialogbg"),
               tr("The new image will not keep %1. Save anyway?").arg(plan.lost.join(tr(" and "))), this)
            != 1)
        return;
    m_outputPath = output;
    JobSequence* run = m_session->makeSaveJob(output, this);
    startRun(run, true);
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
    if (save)
        emit sigSaveEnded(succeeded);
    else
        emit sigExportEnded(succeeded);
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
