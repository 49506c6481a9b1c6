#include "pages/createpage.h"

#include "image/createimagejob.h"
#include "image/filecopy.h"
#include "image/fileutils.h"
#include "image/isobuild.h"
#include "image/isobuildjob.h"
#include "image/stagedcontent.h"
#include "ui/fileicons.h"
#include "ui/fonts.h"
#include "ui/imagebutton.h"
#include "ui/jobprogress.h"
#include "ui/messages.h"
#include "ui/mytreewidget.h"
#include "ui/nofocusdelegate.h"
#include "ui/progressdialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>

// Traces of the page; off unless QT_LOGGING_RULES="quillon.create.debug=true"
// (one per builder line would slow a build down).
Q_LOGGING_CATEGORY(lcCreate, "quillon.create", QtInfoMsg)

CPage3::CPage3(QWidget* parent, const PageContext& context)
    : PageWindow(parent, context)
    , m_staged(new StagedContent(QStringLiteral("create"), this))
{
    setObjectName(QStringLiteral("CPage3"));
    resize(858, 472); // until the background picture fixes the size
    SetBackgroundImage(QStringLiteral(":/vud/page3"));
    createWidgets();
    retranslate();
    setAcceptDrops(true);
}

CPage3::~CPage3()
{
    if (m_job)
        m_job->stop();
    delete m_progress; // a top-level window, not a child of the page
}

void CPage3::closeEvent(QCloseEvent* event)
{
    // Back discards the list (a page is never shown again): ask first.
    if (m_job
        || (m_staged->content().root.childCount() > 0
            && Dialogs().AskQuestion(QStringLiteral(":/vud/commdialogbg"),
                   tr("The files and folders in the list will be discarded. Go back anyway?"), this)
                != 1)) {
        event->ignore();
        return;
    }
    ImageDialog::closeEvent(event);
    if (event->isAccepted())
        m_staged->discard(); // free the staged copies now, not at the next start
}

// --- List and model -------------------------------------------------------------

const IsoContentTree& CPage3::Content() const
{
    return m_staged->content();
}

CFileCopy* CPage3::Copier() const
{
    return m_staged->copier();
}

QString CPage3::StagingFolder() const
{
    return m_staged->folder();
}

QString CPage3::StagedPath(const QString& name) const
{
    return m_staged->stagedPath(name);
}

CPage3::State CPage3::CurrentState() const
{
    if (!m_job)
        return State::Idle;
    return m_job->building() ? State::Building : State::Staging;
}

QTreeWidgetItem* CPage3::RowOf(const QString& name) const
{
    // Walk the rows along the path: each level is one name component.
    QTreeWidgetItem* found = nullptr;
    QString prefix;
    for (const QString& part : name.split(QLatin1Char('\\'))) {
        prefix = prefix.isEmpty() ? part : prefix + QLatin1Char('\\') + part;
        QTreeWidgetItem* next = nullptr;
        const int count = found ? found->childCount() : m_list->topLevelItemCount();
        for (int i = 0; i < count && !next; ++i) {
            QTreeWidgetItem* item = found ? found->child(i) : m_list->topLevelItem(i);
            if (item->data(0, NameRole).toString() == prefix)
                next = item;
        }
        if (!next)
            return nullptr;
        found = next;
    }
    return found;
}

CPage3::Target CPage3::SelectedTarget() const
{
    Target target;
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return target; // the image root
    QTreeWidgetItem* row = selected.first();
    const IsoEntry* entry = Content().FindEntry(row->data(0, NameRole).toString());
    // Content goes into the selected folder, or beside the selected file.
    if (entry && !entry->isDir) {
        row = row->parent();
        entry = entry->parent();
    }
    if (!row || !entry || entry->name.isEmpty())
        return target;
    target.prefix = entry->name + QLatin1Char('\\');
    target.row = row;
    return target;
}

QTreeWidgetItem* CPage3::makeRow(const IsoEntry& entry) const
{
    auto* row = new QTreeWidgetItem;
    const QString display = LastPathComponent(entry.name);
    row->setText(0, display);
    row->setText(1, ParentPath(entry.name));
    row->setData(0, NameRole, entry.name);
    if (entry.isDir) {
        row->setIcon(0, FolderIcon());
        row->setData(0, Qt::UserRole, 1);
        row->setText(3, QStringLiteral("Folder"));
        QList<QTreeWidgetItem*> children;
        children.reserve(entry.childCount());
        for (int i = 0; i < entry.childCount(); ++i)
            children << makeRow(*entry.child(i));
        row->addChildren(children);
    } else {
        row->setIcon(0, FileIconFor(display));
        row->setText(2, FormatSize(entry.sizeText.toLongLong()));
        row->setText(3, FileTypeFor(display));
    }
    row->setText(4, entry.dateText);
    return row;
}

bool CPage3::ready()
{
    if (m_job)
        return false;
    if (m_staged->isValid())
        return true;
    Dialogs().ShowMessage(
        tr("The working folder for the image could not be created below %1.")
            .arg(QDir::toNativeSeparators(m_staged->root().isEmpty() ? StagingArea::DefaultRoot() : m_staged->root())),
        this);
    return false;
}

void CPage3::addItems(bool folders)
{
    if (!ready())
        return;
    const QStringList chosen = folders ? Dialogs().ChooseItems(this, false) : Dialogs().ChooseOpenFiles(this);
    if (chosen.isEmpty())
        return;
    AddPaths(folders ? QStringList() : chosen, folders ? chosen : QStringList());
}

bool CPage3::CanTakeDrop(const QStringList& paths) const
{
    if (m_job)
        return false;
    for (const QString& path : paths)
        if (!QFileInfo::exists(path))
            return false;
    return true;
}

void CPage3::TakeDrop(const QStringList& paths)
{
    if (!ready())
        return;
    QStringList files;
    QStringList folders;
    for (const QString& path : paths)
        (QFileInfo(path).isDir() ? folders : files) << path;
    AddPaths(files, folders);
}

void CPage3::AddPaths(const QStringList& files, const QStringList& folders)
{
    const Target target = SelectedTarget();
    SetBusyCursor();
    StagedContent::Added added;
    if (!files.isEmpty())
        added = m_staged->addFiles(target.prefix, files);
    if (!folders.isEmpty()) {
        const StagedContent::Added more = m_staged->addFolders(target.prefix, folders);
        added.entries += more.entries;
        added.skipped += more.skipped;
    }
    QList<QTreeWidgetItem*> rows;
    for (const IsoEntry* entry : added.entries)
        rows << makeRow(*entry);
    if (target.row) {
        target.row->addChildren(rows);
        target.row->setExpanded(true);
    } else {
        m_list->addTopLevelItems(rows);
    }
    UpdateTotalSize();
    QApplication::restoreOverrideCursor();
    if (added.skipped.isEmpty())
        return;
    QStringList names;
    for (const ContentCollector::Skipped& item : added.skipped)
        names << item.path;
    Dialogs().ShowMessage(tr("These items were not added: an item of the same name is already there, a folder "
                             "that cannot be read, a backslash in the name, a link back to a folder that holds "
                             "it, or the program's own working folder:\n%1")
                              .arg(ShortNameList(names)),
        this);
}

void CPage3::OnAddFile()
{
    addItems(false);
}

void CPage3::OnAddDir()
{
    addItems(true);
}

void CPage3::OnRemove()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (m_job || selected.isEmpty())
        return;
    QTreeWidgetItem* row = selected.first();
    if (!m_staged->remove(row->data(0, NameRole).toString()))
        return;
    delete row;
    UpdateTotalSize();
}

void CPage3::UpdateTotalSize()
{
    const qint64 total = m_staged->content().LocalFilesSize();
    m_total->setText(tr("Total Size: ") + FormatSize(total));
    m_total->adjustSize();
    m_usage->setValue(int(qMin<qint64>(total * 100 / MaxImageBytes, 100)));
}

void CPage3::OnTreeClicked(QModelIndex index)
{
    if (index.row() < 0)
        m_list->clearSelection();
}

void CPage3::OnListContextMenuRequest(QPoint pos)
{
    Q_UNUSED(pos);
    m_menu->exec(QCursor::pos());
}

Tools::ImageType CPage3::SelectedType() const
{
    if (m_iso9660->isChecked())
        return Tools::ImageType::Iso9660;
    if (m_udf->isChecked())
        return Tools::ImageType::Udf;
    return Tools::ImageType::Joliet;
}

// --- Build run --------------------------------------------------------------------

bool CPage3::confirmLargeFiles(bool& allowLargeFiles)
{
    // Files of 4 GiB or more: only UDF records their size. Ask before a long
    // run rather than let the builder refuse at its end.
    const QStringList large = IsoBuild::LargeFiles(Content().root);
    allowLargeFiles = !large.isEmpty();
    if (large.isEmpty() || SelectedType() == Tools::ImageType::Udf)
        return true;
    const QString text = tr("These files are 4 GB or larger:\n%1\nISO 9660 and Joliet cannot record such sizes. "
                            "The image will also get a UDF file system that holds them; programs that read "
                            "only ISO 9660 or Joliet will see wrong sizes. Choose \"UDF ISO\" to avoid this "
                            "question. Create the image anyway?")
                             .arg(ShortNameList(large));
    return Dialogs().AskQuestion(QStringLiteral(":/vud/commdialogbg"), text, this) == 1;
}

QString CPage3::chooseOutput()
{
    const QString chosen = Dialogs().ChooseSaveFile(this, QStringLiteral("ISO Files(*.ISO)"));
    if (chosen.isEmpty())
        return QString();
    const QString output = WithDefaultSuffix(chosen, QStringLiteral("iso"));
    if (IsoBuild::IsInside(output, m_staged->root())) {
        Dialogs().ShowMessage(tr("Please save the image outside the program's working folder."), this);
        return QString();
    }
    if (QFileInfo(output).isDir()) {
        Dialogs().ShowMessage(
            tr("%1 is a folder. Please choose a file name for the image.").arg(QDir::toNativeSeparators(output)), this);
        return QString();
    }
    // The dialog asked about the name as chosen, not with ".iso" added.
    if (output != chosen && !ConfirmReplace(output))
        return QString();
    return output;
}

void CPage3::OnCreate()
{
    if (m_job)
        return;
    if (Content().root.childCount() == 0) {
        Dialogs().ShowMessage(tr("Please add files or folders first!"), this);
        return;
    }
    if (!m_joliet->isChecked() && !m_iso9660->isChecked() && !m_udf->isChecked()) {
        Dialogs().ShowMessage(tr("Please select one type"), this);
        return;
    }
    CreateImageJob::Request request;
    request.type = SelectedType();
    request.program = Context().tools.builder;
    if (!ready() || !confirmLargeFiles(request.allowLargeFiles))
        return;
    request.output = chooseOutput();
    if (request.output.isEmpty())
        return;

    auto* job = new CreateImageJob(m_staged, request, this);
    m_job = job;
    connect(job->builder(), &IsoBuildJob::started, this, [this] { ++m_buildsStarted; });
    job->builder()->onPiece = [this](const QString& piece) {
        OnCreateOutput(piece);
    };
    connect(job, &Job::finished, this, &CPage3::OnCreateFinished);
    // Roughly what the run moves: the copies still to do, then every byte for the builder.
    m_binding->attach(job, qMax<qint64>(m_staged->copier()->RemainingBytes(), 0) + Content().LocalFilesSize());
    job->start();
}

void CPage3::OnCreateOutput(QString line)
{
    qCDebug(lcCreate) << "CPage3::OnCreateOutput" << line;
}

void CPage3::OnCreateFinished()
{
    CreateImageJob* job = m_job;
    if (!job)
        return;
    m_job = nullptr;
    job->deleteLater();
    m_progress->hide();
    switch (job->status()) {
    case Job::Status::Succeeded:
        Dialogs().ShowOpenFolderMessage(
            tr("Create ISO successfully!"), QFileInfo(job->builder()->request().output).absolutePath(), this);
        break;
    case Job::Status::Failed:
        Dialogs().ShowMessage(job->stepReason(), this);
        break;
    default:
        break; // stopped: staging goes on in the background, nothing to say
    }
    emit sigCreateEnded(job->status() == Job::Status::Succeeded);
}

void CPage3::StopCreate()
{
    if (m_job)
        m_job->stop();
}

namespace {

const char* const ListStyle =
    "background:#ffffff;\nborder:1px solid #C2EFFD;;\ngridline-color:#C2EFFD;;\nfont-weight:normal;\n"
    "selection-background-color:#C2EFFD;;\nselection-color:#000000;\n"
    "QHeaderView::section{font:13pt;color: black;};\nQHeaderView::section:focus{font:13pt;color: black;};";
const char* const RadioStyle = "QRadioButton::indicator:checked{image:url(:/vud/rchecked);}\n"
                               "QRadioButton::indicator:unchecked{image:url(:/vud/runchecked);}";

constexpr int ListWidth = 789;
constexpr int ListHeight = 226;

template <class Widget> Widget* placed(QWidget* parent, const char* objectName, int x, int y)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(objectName));
    widget->move(x, y);
    return widget;
}

} // namespace

void CPage3::createWidgets()
{
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("filebackup"));
    m_title->move(41, 15);
    QFont titleFont = PixelFont(16, 75);
    titleFont.setLetterSpacing(QFont::PercentageSpacing, 111);
    m_title->setFont(titleFont);
    m_title->setStyleSheet(QStringLiteral("color:rgb(98, 187, 151);"));

    m_list = new CMyTreeWidget(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setGeometry(39, 48, ListWidth, ListHeight);
    m_list->setFixedSize(ListWidth, ListHeight);
    setupList();

    m_backType = new QLabel(this);
    m_backType->setObjectName(QStringLiteral("backtype"));
    m_backType->move(39, 295);
    m_backType->setFont(PixelFont(12));
    m_backType->setStyleSheet(QStringLiteral("color:#404040;"));

    m_joliet = placed<QRadioButton>(this, "jolet", 184, 298);
    m_iso9660 = placed<QRadioButton>(this, "iso9600", 349, 298);
    m_udf = placed<QRadioButton>(this, "udf", 499, 298);
    for (QRadioButton* radio : {m_joliet, m_iso9660, m_udf})
        radio->setStyleSheet(QLatin1String(RadioStyle));
    m_joliet->setChecked(true); // one parent: the three are exclusive

    m_sizeBox = new QWidget(this);
    m_sizeBox->setObjectName(QStringLiteral("widget"));
    m_sizeBox->setGeometry(39, 333, ListWidth, 62);
    m_sizeBox->setFixedSize(ListWidth, 62);
    m_sizeBox->setStyleSheet(QStringLiteral("border:1px solid #C2EFFD;;"));
    m_total = new QLabel(m_sizeBox);
    m_total->setObjectName(QStringLiteral("totalsize"));
    m_total->move(10, 5);
    m_total->setFont(PixelFont(13));
    m_total->setStyleSheet(QStringLiteral("border:none;"));
    m_maxSize = new QLabel(m_sizeBox);
    m_maxSize->setObjectName(QStringLiteral("label_2"));
    m_maxSize->setFixedWidth(201);
    m_maxSize->move(m_sizeBox->width() - m_maxSize->width() - 90, 5);
    m_maxSize->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_maxSize->setFont(PixelFont(13));
    m_maxSize->setStyleSheet(QStringLiteral("border:none;"));
    m_usage = new QProgressBar(m_sizeBox);
    m_usage->setObjectName(QStringLiteral("progressBar"));
    m_usage->setGeometry(10, 26, m_sizeBox->width() - 20, 27);
    m_usage->setRange(0, 100);
    m_usage->setValue(0);
    m_usage->setTextVisible(false);

    // Wider than the first design for the longer translations, so the row
    // starts further left and still ends before Back.
    m_addFile = placed<CImageButton>(this, "addfile", 115, 419);
    m_addDir = placed<CImageButton>(this, "adddir", 277, 419);
    m_remove = placed<CImageButton>(this, "remove", 439, 419);
    m_back = placed<CImageButton>(this, "back", 599, 417);
    m_create = placed<CImageButton>(this, "create", 720, 417);

    m_menu = new QMenu(this);
    m_menu->setFont(PixelFont(13));
    m_progress = new CProgressDialog(this);
    m_binding = new JobProgress(m_progress, this);

    connect(m_addFile, qOverload<>(&CImageButton::clicked), this, &CPage3::OnAddFile);
    connect(m_addDir, qOverload<>(&CImageButton::clicked), this, &CPage3::OnAddDir);
    connect(m_remove, qOverload<>(&CImageButton::clicked), this, &CPage3::OnRemove);
    connect(m_back, qOverload<>(&CImageButton::clicked), this, &CPage3::close);
    connect(m_create, qOverload<>(&CImageButton::clicked), this, &CPage3::OnCreate);
    connect(m_progress, &CProgressDialog::SigCancel, this, &CPage3::StopCreate);
    connect(m_list, &QTreeWidget::pressed, this, &CPage3::OnTreeClicked);
    connect(m_list, &QWidget::customContextMenuRequested, this, &CPage3::OnListContextMenuRequest);
}

void CPage3::setupList()
{
    m_list->setStyleSheet(QLatin1String(ListStyle));
    m_list->setFont(PixelFont(13));
    m_list->setColumnCount(5);
    const int width = (ListWidth - 2) / 5;
    for (int column = 0; column < 5; ++column)
        m_list->setColumnWidth(column, width);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setItemDelegate(new NoFocusDelegate(m_list));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->header()->setHighlightSections(false);
    m_list->setSortingEnabled(false);
    m_list->setUniformRowHeights(true); // keeps large folders quick to show
}

void CPage3::retranslate()
{
    setWindowTitle(tr("Dialog"));
    m_title->setText(tr("File & Folder Backup"));
    m_title->adjustSize();
    m_backType->setText(tr("Backup Type:"));
    m_backType->adjustSize();
    m_joliet->setText(tr("ISO9660 Jolet"));
    m_iso9660->setText(tr("ISO9660"));
    m_udf->setText(tr("UDF ISO"));
    for (QRadioButton* radio : {m_joliet, m_iso9660, m_udf})
        radio->adjustSize();
    m_maxSize->setText(tr("Max Size : 5 GB"));
    UpdateTotalSize();

    m_addFile->SetImages(QStringLiteral(":/vud/addfile1"), QStringLiteral(":/vud/addfile2"),
        QStringLiteral(":/vud/addfile3"), QString(), tr("Add Files..."), QString(), 10);
    m_addDir->SetImages(QStringLiteral(":/vud/adddir1"), QStringLiteral(":/vud/adddir2"),
        QStringLiteral(":/vud/adddir3"), QString(), tr("Add Folder..."), QString(), 10);
    m_remove->SetImages(QStringLiteral(":/vud/Remove1"), QStringLiteral(":/vud/Remove2"),
        QStringLiteral(":/vud/Remove3"), QString(), tr("Remove"), QString(), 10);
    m_create->SetImages(QStringLiteral(":/vud/Create-IOS1"), QStringLiteral(":/vud/Create-IOS2"),
        QStringLiteral(":/vud/Create-IOS3"), QString(), tr("Create ISO"), QString(), 3);
    m_back->SetImages(QStringLiteral(":/vud/Back1"), QStringLiteral(":/vud/Back2"), QStringLiteral(":/vud/Back3"),
        QString(), tr("Back"), QString(), 3);

    QTreeWidgetItem* header = m_list->headerItem();
    const QString headers[] = {tr("File Name"), tr("File Path"), tr(" Size"), tr("Type"), tr("Time")};
    for (int column = 0; column < 5; ++column) {
        header->setText(column, headers[column]);
        header->setFont(column, PixelFont(13));
    }
    buildMenu();
}

void CPage3::buildMenu()
{
    m_menu->clear();
    QAction* addFiles = m_menu->addAction(tr("Add Files(&F)"));
    QAction* addDirs = m_menu->addAction(tr("Add Dirs(&D)"));
    m_menu->addSeparator();
    QAction* remove = m_menu->addAction(tr("Remove(&R)"));
    connect(addFiles, &QAction::triggered, this, &CPage3::OnAddFile);
    connect(addDirs, &QAction::triggered, this, &CPage3::OnAddDir);
    connect(remove, &QAction::triggered, this, &CPage3::OnRemove);
}

void CPage3::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ImageDialog::changeEvent(event);
}
