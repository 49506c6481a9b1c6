// The extract page's widgets and their wiring: creation, look and texts, the
// folder tree and the file table (browsing, ticks, select-all). Listing and
// extraction are in extractpage.cpp.
#include "core/trace.h"
#include "pages/contentviews.h"
#include "pages/extractpage.h"
#include "ui/checkboxheaderview.h"
#include "ui/imagebutton.h"
#include "ui/jobprogress.h"
#include "ui/nofocusdelegate.h"
#include "ui/progressdialog.h"

#include <QAction>
#include <QCursor>
#include <QDebug>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>

// --- Browsing --------------------------------------------------------------------

void CPage2::FillFileTable()
{
    m_filling = true;
    m_rows = ContentView::FillFileTable(m_list, m_currentFolder);
    for (int r = 0; r < m_rows.size(); ++r)
        if (m_ticked.contains(m_rows.at(r)))
            m_list->item(r, 0)->setCheckState(Qt::Checked);
    m_filling = false;
    updateHeaderState();
}

void CPage2::onItemChanged(QTableWidgetItem* item)
{
    if (m_filling || item->column() != 0 || item->row() < 0 || item->row() >= m_rows.size())
        return;
    const IsoEntry* entry = m_rows.at(item->row());
    if (item->checkState() == Qt::Checked)
        m_ticked.insert(entry);
    else
        m_ticked.remove(entry);
    updateHeaderState();
}

void CPage2::updateHeaderState()
{
    // The header's box says whether every row of this folder is ticked, so
    // its next click does what it shows.
    const int rows = m_list->rowCount();
    bool all = rows > 0;
    for (int r = 0; all && r < rows; ++r)
        all = m_list->item(r, 0) && m_list->item(r, 0)->checkState() == Qt::Checked;
    m_header->SetAllSelected(all);
}

void CPage2::BuildFolderTree(IsoEntry* folder, QTreeWidgetItem* parentItem)
{
    ContentView::BuildFolderTree(folder, parentItem);
}

void CPage2::OnTreeCurrentChanged()
{
    IsoEntry* folder = ContentView::FolderOfCurrentItem(m_tree);
    if (!folder)
        return;
    m_currentFolder = folder;
    FillFileTable();
}

void CPage2::OnListViewDoubleClicked()
{
    QTableWidgetItem* item = m_list->currentItem();
    if (!item || !m_currentFolder)
        return;
    const int row = item->row();
    if (row < 0 || row >= m_rows.size())
        return;
    IsoEntry* entry = m_rows.at(row);
    if (!entry->isDir)
        return;
    m_currentFolder = entry;
    FillFileTable();
    RefreshTreeWidget();
}

void CPage2::openParentFolder()
{
    if (!m_currentFolder || !m_currentFolder->parent())
        return;
    m_currentFolder = m_currentFolder->parent();
    FillFileTable();
    RefreshTreeWidget();
}

void CPage2::RefreshTreeWidget()
{
    ContentView::RevealFolder(m_tree, m_currentFolder);
}

void CPage2::OnListViewClicked(QTableWidgetItem* pItem)
{
    const QPoint at = m_list->mapFromGlobal(QCursor::pos());
    if (ContentView::ToggleRowCheck(m_list, pItem, at.x()))
        qCDebug(lcTrace) << "CPage2::OnListViewClicked";
}

void CPage2::slotSelectAll(bool bChecked)
{
    m_filling = true; // one update for all rows, not one per row
    ContentView::SetAllChecked(m_list, bChecked);
    m_filling = false;
    for (const IsoEntry* entry : qAsConst(m_rows)) {
        if (bChecked)
            m_ticked.insert(entry);
        else
            m_ticked.remove(entry);
    }
    updateHeaderState();
}

void CPage2::OnListContextMenuRequest(QPoint pos)
{
    Q_UNUSED(pos);
    m_menu->exec(QCursor::pos());
}

// --- Widgets and look ------------------------------------------------------------

namespace {

const char* const TreeStyle =
    "background:#E2F8FE;\nborder:1px solid #C2EFFD;\noutline:none;\nQTreeView::focus{border: 1px solid #C2EFFD;}";
const char* const TableStyle =
    "background:#ffffff;\nborder:1px solid #C2EFFD;;\ngridline-color:#C2EFFD;;\n"
    "selection-background-color:#C2EFFD;;\nselection-color:#000000;\n"
    "QHeaderView::section{font:13pt;color: black;};\nQHeaderView::section:focus{font:13pt;color: black;};";

QFont labelFont(int pixelSize, qreal spacing, int weight)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    font.setWeight(weight);
    return font;
}

void setTextColor(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, color);
    label->setPalette(palette);
}

} // namespace

void CPage2::createWidgets()
{
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("isoextract"));
    m_title->setGeometry(39, 8, 271, 21);
    m_descript = new QLabel(this);
    m_descript->setObjectName(QStringLiteral("descript"));
    m_descript->setGeometry(39, 23, 658, 31); // up to the Load ISO button: the sentence fits

    m_loadIso = new CImageButton(this);
    m_loadIso->setObjectName(QStringLiteral("loadiso"));
    m_back = new CImageButton(this);
    m_back->setObjectName(QStringLiteral("back"));
    m_extract = new CImageButton(this);
    m_extract->setObjectName(QStringLiteral("extract"));

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tree"));
    m_tree->setHeaderHidden(true);
    m_tree->headerItem()->setText(0, QStringLiteral("1"));
    m_tree->setStyleSheet(QLatin1String(TreeStyle));
    m_tree->setFrameShape(QFrame::NoFrame);

    m_list = new QTableWidget(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setStyleSheet(QLatin1String(TableStyle));
    m_header = new SCheckBoxHeaderView(0, m_list);
    m_list->setHorizontalHeader(m_header);
    m_list->setColumnCount(ContentView::ColumnCount);

    m_menu = new QMenu(m_list);
    m_progress = new CProgressDialog(this);
    m_binding = new JobProgress(m_progress, this);

    connect(m_loadIso, qOverload<>(&CImageButton::clicked), this, &CPage2::OnLoadISO);
    connect(m_back, qOverload<>(&CImageButton::clicked), this, &CPage2::OnBack);
    connect(m_extract, qOverload<>(&CImageButton::clicked), this, &CPage2::OnExtract);
    connect(m_list, &QWidget::customContextMenuRequested, this, &CPage2::OnListContextMenuRequest);
    connect(m_tree, &QTreeWidget::itemClicked, this, &CPage2::OnTreeCurrentChanged);
    connect(m_list, &QTableWidget::itemDoubleClicked, this, &CPage2::OnListViewDoubleClicked);
    connect(m_list, &QTableWidget::itemClicked, this, &CPage2::OnListViewClicked);
    connect(m_list, &QTableWidget::itemChanged, this, &CPage2::onItemChanged);
    connect(m_header, &SCheckBoxHeaderView::checkStausChange, this, &CPage2::slotSelectAll);
    connect(m_progress, &CProgressDialog::SigCancel, this, &CPage2::OnStopExtract);
    auto* navigation = new ContentView::Navigation(m_tree, m_list, this);
    connect(navigation, &ContentView::Navigation::folderChosen, this, &CPage2::OnTreeCurrentChanged);
    connect(navigation, &ContentView::Navigation::openRequested, this, &CPage2::OnListViewDoubleClicked);
    connect(navigation, &ContentView::Navigation::upRequested, this, &CPage2::openParentFolder);
}

void CPage2::InitializeUI()
{
    qCDebug(lcTrace) << "CPage2::InitializeUI() is called!!";
    if (m_initialized)
        return;
    m_initialized = true;
    applyLook();
    updateUI();
}

void CPage2::applyLook()
{
    SetBackgroundImage(QStringLiteral(":/vud/page2"));

    m_title->setFont(labelFont(16, 111, 75));
    setTextColor(m_title, QColor(98, 187, 151));
    m_title->move(39, 8);
    const QFont descriptFont = labelFont(14, 100, 50);
    m_descript->setFont(descriptFont);
    setTextColor(m_descript, Qt::darkGray);
    m_descript->move(39, 23);

    // Right-aligned with the table; wider than first designed for the longer translations.
    m_loadIso->move(709, 17);
    m_back->move(39, 417);
    m_extract->move(700, 417);
    m_tree->move(39, 54);
    m_tree->setFixedSize(213, 350);
    m_list->move(249, 54);
    m_list->setFixedSize(561, 350);

    QFont headerFont = m_header->font();
    headerFont.setPixelSize(14);
    m_header->setFont(headerFont);
    m_list->horizontalHeader()->setVisible(true);
    m_list->verticalHeader()->setVisible(false);
    // The four columns fit the table's inside, so no scroll bar shows on an empty table.
    const int w = (m_list->width() - 2 - 10) / 4;
    m_list->setColumnWidth(0, w + 10);
    for (int c = 1; c < ContentView::ColumnCount; ++c)
        m_list->setColumnWidth(c, w);

    QFont viewFont = headerFont;
    viewFont.setWeight(50);
    m_list->setFont(viewFont);
    m_header->setFont(viewFont);
    m_tree->setFont(viewFont);
    m_header->setHighlightSections(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setItemDelegate(new NoFocusDelegate(m_list));

    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);

    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_menu->setFont(descriptFont);
}

void CPage2::updateUI()
{
    setWindowTitle(tr("Dialog"));
    m_title->setText(tr("ISO Extract"));
    m_descript->setText(tr("Directly extract everything from ISO image file and export to your computer."));
    m_loadIso->SetImages(QStringLiteral(":/vud/loadiso1"), QStringLiteral(":/vud/loadiso2"),
        QStringLiteral(":/vud/loadiso3"), QString(), tr("Load ISO"), QString(), 16);
    m_back->SetImages(QStringLiteral(":/vud/Back1"), QStringLiteral(":/vud/Back2"), QStringLiteral(":/vud/Back3"),
        QString(), tr("Back"), QString(), 3);
    m_extract->SetImages(QStringLiteral(":/vud/btnextract1"), QStringLiteral(":/vud/btnextract2"),
        QStringLiteral(":/vud/btnextract3"), QString(), tr("Extract"), QString(), 16);
    m_list->setHorizontalHeaderLabels({tr("File Name"), tr(" Size"), tr("Type"), tr("Time")});

    // Exactly one entry, whatever the number of language changes.
    m_menu->clear();
    delete m_extractAction;
    m_extractAction = new QAction(tr("Extract(&E)"), this);
    connect(m_extractAction, &QAction::triggered, this, &CPage2::OnExtract);
    m_menu->addAction(m_extractAction);
}

void CPage2::changeEvent(QEvent* qe)
{
    if (qe->type() == QEvent::LanguageChange)
        updateUI();
    ImageDialog::changeEvent(qe);
}
