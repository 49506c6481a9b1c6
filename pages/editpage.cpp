#include "pages/editpage.h"

#include "core/trace.h"
#include "image/contentsearch.h"
#include "image/editsession.h"
#include "pages/contentviews.h"
#include "pages/searchhits.h"
#include "ui/checkboxheaderview.h"
#include "ui/imagebutton.h"
#include "ui/jobprogress.h"
#include "ui/lineedit.h"
#include "ui/messages.h"
#include "ui/nofocusdelegate.h"
#include "ui/progressdialog.h"
#include "ui/settings.h"

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
    m_hits = new SearchHits(m_search, this);
    connect(m_hits, &SearchHits::chosen, this, &CPage4::onHitChosen);

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
    // The hits open under the search box, over the table's right part.
    m_hits->setGeometry(487, 44, 360, 0);
    m_hits->setFont(pixelFont(14));
    m_hits->setStyleSheet(QLatin1String(ViewStyle));

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
    if (!mayLeave([this] { OnLoadISO(); }))
        return;
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
    clearViews();
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

void CPage4::clearViews()
{
    m_currentFolder = nullptr;
    m_rows.clear();
    m_list->setRowCount(0);
    m_tree->clear();
    m_hits->ShowHits({}, false);
}

void CPage4::abandonImage(const QString& message)
{
    clearViews();
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
    // The hits point at entries: after a change they are found again.
    if (!m_hits->isHidden())
        showHits();
}

void CPage4::BuildFolderTree(IsoEntry* folder, QTreeWidgetItem* parentItem)
{
    ContentView::BuildFolderTree(folder, parentItem);
}

void CPage4::OnSearch()
{
    FillFileTable(); // refreshes the hits when they are open
    if (m_hits->isHidden())
        showHits();
}

void CPage4::showHits()
{
    const QString text = m_search->text().trimmed();
    const QList<IsoEntry*> hits =
        m_currentFolder ? FindByName(m_session->content().root, text, SearchHits::Limit + 1) : QList<IsoEntry*>();
    m_hits->ShowHits(hits.mid(0, SearchHits::Limit), hits.size() > SearchHits::Limit);
}

void CPage4::onHitChosen(IsoEntry* entry)
{
    // The hit's folder, with the hit selected; the filter keeps it in view.
    m_currentFolder = entry->parent();
    RefreshTreeWidget();
    FillFileTable();
    const int row = m_rows.indexOf(entry);
    if (row < 0)
        return;
    m_list->setCurrentCell(row, 0);
    m_list->selectRow(row);
    m_list->scrollToItem(m_list->item(row, 0));
    m_list->setFocus();
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
