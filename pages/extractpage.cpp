#include "pages/extractpage.h"

#include "core/trace.h"
#include "core/util.h"
#include "image/extractjob.h"
#include "pages/contentviews.h"
#include "ui/checkboxheaderview.h"
#include "ui/imagebutton.h"
#include "ui/jobprogress.h"
#include "ui/messages.h"
#include "ui/nofocusdelegate.h"
#include "ui/progressdialog.h"
#include "ui/settings.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
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

    m_listJob = new ListingJob(m_reader, Context().tools.archive, image, this);
    connect(m_listJob, &ListingJob::tableReady, this, &CPage2::OnUnzipFinished);
    connect(m_listJob, &ListingJob::finished, this, &CPage2::onListingEnded);
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
    ListingJob* job = m_listJob;
    if (!job)
        return;
    m_listJob = nullptr;
    job->deleteLater();
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
    request.expectedSize = [this](const QString& pathInImage) -> qint64 {
        QString path = pathInImage;
#ifndef Q_OS_WIN
        path.replace(QLatin1Char('\\'), NameBackslash);
#endif
        const IsoEntry* entry = m_content.FindEntry(path.replace(QLatin1Char('/'), QLatin1Char('\\')));
        return entry && !entry->isDir && !entry->sizeText.isEmpty() ? qint64(entry->size()) : -1;
    };
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
        const int arrived = placed.delivered.size() + placed.kept.size();
        const QString head = arrived == 0
            ? tr("The files could not be extracted.")
            : tr("%1 of %2 items were extracted.").arg(arrived).arg(m_job->items().size());
        Dialogs().ShowMessage(head + QLatin1Char('\n') + m_job->reason(), this);
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
