#include "pages/page2.h"

#include "core/util.h"
#include "ui/contentviews.h"
#include "ui/filedialogs.h"
#include "ui/messages.h"
#include "runner/runcommandthread.h"
#include "runner/tools.h"
#include "ui/checkboxheaderview.h"
#include "ui/imagebutton.h"
#include "ui/nofocusdelegate.h"
#include "ui/progressdialog.h"

#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>

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

CPage2::CPage2(QWidget* parent)
    : ImageDialog(parent)
{
    setObjectName(QStringLiteral("CPage2"));
    resize(858, 472); // until the background picture fixes the size
    SetBackgroundImage(QStringLiteral(":/vud/page2"));
    createWidgets();
    updateUI();
}

CPage2::~CPage2()
{
    if (m_listRunner) {
        disconnect(m_listRunner, nullptr, this, nullptr);
        m_listRunner->terminate();
    }
    if (m_job)
        m_job->Stop(); // removes its staging folder before the page goes
    restoreCursor();
    delete m_progress; // a top-level window, not a child of the page
}

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

    connect(m_loadIso, qOverload<>(&CImageButton::clicked), this, &CPage2::OnLoadISO);
    connect(m_back, qOverload<>(&CImageButton::clicked), this, &CPage2::OnBack);
    connect(m_extract, qOverload<>(&CImageButton::clicked), this, &CPage2::OnExtract);
    connect(m_list, &QWidget::customContextMenuRequested, this, &CPage2::OnListContextMenuRequest);
    connect(m_tree, &QTreeWidget::itemClicked, this, &CPage2::OnTreeCurrentChanged);
    connect(m_list, &QTableWidget::itemDoubleClicked, this, &CPage2::OnListViewDoubleClicked);
    connect(m_list, &QTableWidget::itemClicked, this, &CPage2::OnListViewClicked);
    connect(m_header, &SCheckBoxHeaderView::checkStausChange, this, &CPage2::slotSelectAll);
    connect(m_progress, &CProgressDialog::SigCancel, this, &CPage2::OnStopExtract);
}

void CPage2::InitializeUI()
{
    qDebug() << "CPage2::InitializeUI() is called!!";
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
    const QString image = ChooseOpenFile(this, QStringLiteral("ISO Files(*.ISO)"));
    if (image.isEmpty() || !QFileInfo::exists(image))
        return;
    LoadImage(image);
}

void CPage2::LoadImage(const QString& image)
{
    if (m_listRunner) {
        disconnect(m_listRunner, nullptr, this, nullptr);
        m_listRunner->terminate();
        m_listRunner->deleteLater();
        m_listRunner = nullptr;
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
    m_list->setRowCount(0);
    m_tree->clear();
    m_reader.Begin(QFileInfo(image).fileName());
    m_listLog = ArchiveToolLog();
    m_listLog.SetSubject(image);

    m_listRunner = new CRunCommandThread(this);
    connect(m_listRunner, &CRunCommandThread::standoutputline, this, &CPage2::OnLineOutput);
    connect(m_listRunner, &CRunCommandThread::sigfinished, this, &CPage2::onListingRunEnded);
    connect(m_listRunner, &CRunCommandThread::sigstartfailed, this, &CPage2::onListingStartFailed);
    m_listRunner->setCommand(ExtractToolProgram(), Tools::listArgs(image));
    m_listRunner->start(QThread::InheritPriority);
}

void CPage2::OnLineOutput(QString line)
{
    m_listLog.Feed(line);
    if (m_reader.Feed(line) == ListingReader::TableFinished)
        OnUnzipFinished(); // shown at once, without waiting for the tool to exit
}

void CPage2::OnUnzipFinished()
{
    restoreCursor();
    setButtonsEnabled(true);
    qDebug() << "finished unzip";
    QTreeWidgetItem* top = ContentView::ShowContent(m_tree, m_content);
    m_tree->setCurrentItem(top);
    m_currentFolder = &m_content.root;
    FillFileTable();
}

void CPage2::endListingRun()
{
    if (m_listRunner) {
        m_listRunner->deleteLater();
        m_listRunner = nullptr;
    }
    restoreCursor();
    setButtonsEnabled(true);
}

void CPage2::onListingRunEnded()
{
    const bool succeeded = m_listRunner && m_listRunner->succeeded();
    const bool complete = m_reader.EndOfRun();
    endListingRun();
    const QString name = QFileInfo(m_imagePath).fileName();
    const QString reason = m_listLog.Reason();
    if (!complete) {
        QString text = tr("The image %1 could not be read. It may not be an ISO image, or it may be damaged.").arg(name);
        if (!reason.isEmpty())
            text += QLatin1Char('\n') + reason;
        Util::WriteLog(QStringLiteral("Listing failed: ") + m_imagePath + QLatin1Char(' ') + reason);
        ShowMessage(text, this);
    } else if (!succeeded || !m_listLog.Errors().isEmpty()) {
        // 7-Zip lists what it found but complains: warn before an extraction fails.
        QString text = tr("The image %1 seems to be damaged or incomplete; some items may not extract.").arg(name);
        if (!reason.isEmpty())
            text += QLatin1Char('\n') + reason;
        ShowMessage(text, this);
    }
    emit sigListingEnded(complete);
}

void CPage2::onListingStartFailed(const QString& error)
{
    const QString program = m_listRunner ? QDir::toNativeSeparators(m_listRunner->program()) : QString();
    m_reader.EndOfRun();
    endListingRun();
    Util::WriteLog(QStringLiteral("Listing could not start: ") + program + QLatin1Char(' ') + error);
    ShowMessage(tr("The image %1 could not be read: 7-Zip could not be started (%2): %3")
                    .arg(QFileInfo(m_imagePath).fileName(), program, error),
                this);
    emit sigListingEnded(false);
}

// --- Browsing --------------------------------------------------------------------

void CPage2::FillFileTable()
{
    m_rows = ContentView::FillFileTable(m_list, m_currentFolder);
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

void CPage2::RefreshTreeWidget()
{
    ContentView::RevealFolder(m_tree, m_currentFolder);
}

void CPage2::OnListViewClicked(QTableWidgetItem* pItem)
{
    const QPoint at = m_list->mapFromGlobal(QCursor::pos());
    if (ContentView::ToggleRowCheck(m_list, pItem, at.x()))
        qDebug() << "CPage2::OnListViewClicked";
}

void CPage2::slotSelectAll(bool bChecked)
{
    ContentView::SetAllChecked(m_list, bChecked);
}

void CPage2::OnListContextMenuRequest(QPoint pos)
{
    Q_UNUSED(pos);
    m_menu->exec(QCursor::pos());
}

// --- Extraction ------------------------------------------------------------------

void CPage2::OnExtract()
{
    const QList<int> rows = ContentView::CheckedRows(m_list);
    if (rows.isEmpty()) {
        ShowPictureMessage(QStringLiteral(":/vud/select_files_extract"),
                           tr("Please select the files or folders you want to extract"), 120, this);
        return;
    }
    const QString folder = ChooseFolder(this);
    if (folder.isEmpty())
        return;

    m_outputFolder = folder;
    m_prefix = ContentView::FolderPrefix(m_tree, m_currentFolder);
    m_selectedNames.clear();
    for (int row : rows) {
        const QString name = m_list->item(row, 0)->text();
        if (!m_selectedNames.contains(name))
            m_selectedNames << name;
    }

    if (m_job) {
        m_job->Stop();
        m_job->deleteLater();
    }
    m_job = new ExtractJob(this);
    connect(m_job, &ExtractJob::progress, this, &CPage2::showExtractProgress);
    connect(m_job, &ExtractJob::finished, this, &CPage2::OnExtractFinished);
    ExtractJob::Request request{m_imagePath, m_outputFolder, m_prefix, m_selectedNames, {}};
    request.expectedSize = [this](const QString& pathInImage) -> qint64 {
        const IsoEntry* entry = m_content.FindEntry(QString(pathInImage).replace(QLatin1Char('/'), QLatin1Char('\\')));
        return entry && !entry->isDir && !entry->sizeText.isEmpty() ? qint64(entry->size()) : -1;
    };
    if (!m_job->Start(request)) {
        Util::WriteLog(QStringLiteral("Extract files failed : ") + m_outputFolder + QLatin1Char(' ') + m_job->reason());
        ShowMessage(tr("The files could not be extracted.") + QLatin1Char('\n') + m_job->reason(), this);
        return;
    }
    setEnabled(false);
    m_progress->SetText(tr("Extracting files..."));
    m_progress->SetRange(0, 100);
    m_progress->SetValue(0);
    m_progress->show();
}

void CPage2::OnExtractOutput(QString line)
{
    qDebug() << "CPage2::OnExtractOutput" << line;
    if (const auto progress = ParseExtractProgress(line))
        showExtractProgress(progress->percent, progress->item);
}

void CPage2::showExtractProgress(int percent, const QString& item)
{
    m_progress->SetValue(percent);
    if (percent > 99)
        m_progress->SetText(tr("Copying files! Please wait a few seconds.."));
    else
        m_progress->SetText(tr("Extracting files: ") + item);
}

void CPage2::OnExtractFinished()
{
    if (!m_job)
        return;
    setEnabled(true);
    m_progress->hide();
    const bool succeeded = m_job->status() == ExtractJob::Status::Succeeded;
    if (succeeded) {
        Util::WriteLog(QStringLiteral("Extract files successfully :") + m_outputFolder);
        ShowOpenFolderMessage(tr("Extract files successfully."), m_outputFolder, this);
    } else {
        Util::WriteLog(QStringLiteral("Extract files failed : ") + m_outputFolder + QLatin1Char(' ') + m_job->reason());
        ShowMessage(tr("The files could not be extracted.") + QLatin1Char('\n') + m_job->reason(), this);
    }
    emit sigExtractionEnded(succeeded);
}

void CPage2::OnStopExtract()
{
    // Silent: what was extracted so far stays, nothing is reported.
    if (m_job)
        m_job->Stop();
    setEnabled(true);
}

void CPage2::OnBack()
{
    close();
}
