#include "pages/page3.h"

#include "image/filecopy.h"
#include "image/fileutils.h"
#include "ui/filedialogs.h"
#include "ui/fileicons.h"
#include "ui/messages.h"
#include "runner/runcommandthread.h"
#include "ui/imagebutton.h"
#include "ui/mytreewidget.h"
#include "ui/nofocusdelegate.h"
#include "ui/progressdialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDebug>
#include <QLoggingCategory>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryFile>
#include <QTimer>

#include <climits>
#include <functional>
#include <memory>

// Traces of the page; off unless QT_LOGGING_RULES="quillon.create.debug=true"
// (one per builder line would slow a build down).
Q_LOGGING_CATEGORY(lcCreate, "quillon.create", QtInfoMsg)

namespace {

const char* const ListStyle =
    "background:#ffffff;\nborder:1px solid #C2EFFD;;\ngridline-color:#C2EFFD;;\nfont-weight:normal;\n"
    "selection-background-color:#C2EFFD;;\nselection-color:#000000;\n"
    "QHeaderView::section{font:13pt;color: black;};\nQHeaderView::section:focus{font:13pt;color: black;};";
const char* const RadioStyle =
    "QRadioButton::indicator:checked{image:url(:/vud/rchecked);}\n"
    "QRadioButton::indicator:unchecked{image:url(:/vud/runchecked);}";

constexpr int ListWidth = 789;
constexpr int ListHeight = 226;
constexpr int PollMs = 100;
// Names shown in one message before "...".
constexpr int MaxNamesShown = 8;

QFont pixelFont(int pixelSize, int weight = -1)
{
    QFont font;
    font.setPixelSize(pixelSize);
    if (weight >= 0)
        font.setWeight(weight);
    return font;
}

QString nameList(const QStringList& names)
{
    QStringList shown = names.mid(0, MaxNamesShown);
    if (names.size() > MaxNamesShown)
        shown << QStringLiteral("...");
    return shown.join(QLatin1Char('\n'));
}

} // namespace

CPage3::CPage3(QWidget* parent)
    : ImageDialog(parent), m_staging(QStringLiteral("create"))
{
    setObjectName(QStringLiteral("CPage3"));
    resize(858, 472); // until the background picture fixes the size
    SetBackgroundImage(QStringLiteral(":/vud/page3"));
    createWidgets();
    retranslate();

    m_copy = new CFileCopy(this);
    // Staging folders left by runs that have ended; live pages keep theirs.
    for (const QString& stale : StagingArea::StaleFolders(m_staging.root().isEmpty()
                                                              ? StagingArea::DefaultRoot()
                                                              : m_staging.root()))
        m_copy->AddTask(stale, QString(), CFileCopy::Delete);
}

CPage3::~CPage3()
{
    if (m_waitLoop)
        m_waitLoop->quit();
    if (m_runner) {
        disconnect(m_runner, nullptr, this, nullptr);
        m_runner->terminate();
    }
    // The worker finishes its running task; the staging folder stays on disk
    // and is removed by a later start.
    delete m_copy;
    m_copy = nullptr;
    delete m_progress; // a top-level window, not a child of the page
}

template <class Widget>
Widget* CPage3::placed(const char* objectName, int x, int y)
{
    auto* widget = new Widget(this);
    widget->setObjectName(QLatin1String(objectName));
    widget->move(x, y);
    return widget;
}

void CPage3::createWidgets()
{
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("filebackup"));
    m_title->move(41, 15);
    QFont titleFont = pixelFont(16, 75);
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
    m_backType->setFont(pixelFont(12));
    m_backType->setStyleSheet(QStringLiteral("color:#404040;"));

    m_joliet = placed<QRadioButton>("jolet", 184, 298);
    m_iso9660 = placed<QRadioButton>("iso9600", 349, 298);
    m_udf = placed<QRadioButton>("udf", 499, 298);
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
    m_total->setFont(pixelFont(13));
    m_total->setStyleSheet(QStringLiteral("border:none;"));
    m_maxSize = new QLabel(m_sizeBox);
    m_maxSize->setObjectName(QStringLiteral("label_2"));
    m_maxSize->setFixedWidth(201);
    m_maxSize->move(m_sizeBox->width() - m_maxSize->width() - 90, 5);
    m_maxSize->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_maxSize->setFont(pixelFont(13));
    m_maxSize->setStyleSheet(QStringLiteral("border:none;"));
    m_usage = new QProgressBar(m_sizeBox);
    m_usage->setObjectName(QStringLiteral("progressBar"));
    m_usage->setGeometry(10, 26, m_sizeBox->width() - 20, 27);
    m_usage->setRange(0, 100);
    m_usage->setValue(0);
    m_usage->setTextVisible(false);

    // Wider than the first design for the longer translations, so the row
    // starts further left and still ends before Back.
    m_addFile = placed<CImageButton>("addfile", 115, 419);
    m_addDir = placed<CImageButton>("adddir", 277, 419);
    m_remove = placed<CImageButton>("remove", 439, 419);
    m_back = placed<CImageButton>("back", 599, 417);
    m_create = placed<CImageButton>("create", 720, 417);

    m_progressTimer = new QTimer(this);
    m_progressTimer->setSingleShot(true);
    connect(m_progressTimer, &QTimer::timeout, this, [this] {
        if (m_state != State::Building)
            return;
        m_progressClock.start();
        m_progress->SetValue(m_pendingProgress);
    });

    m_menu = new QMenu(this);
    m_menu->setFont(pixelFont(13));
    m_progress = new CProgressDialog(this);

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
    m_list->setFont(pixelFont(13));
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
    m_back->SetImages(QStringLiteral(":/vud/Back1"), QStringLiteral(":/vud/Back2"),
                      QStringLiteral(":/vud/Back3"), QString(), tr("Back"), QString(), 3);

    QTreeWidgetItem* header = m_list->headerItem();
    const QString headers[] = {tr("File Name"), tr("File Path"), tr(" Size"), tr("Type"), tr("Time")};
    for (int column = 0; column < 5; ++column) {
        header->setText(column, headers[column]);
        header->setFont(column, pixelFont(13));
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

void CPage3::closeEvent(QCloseEvent* event)
{
    ImageDialog::closeEvent(event);
    if (!event->isAccepted() || m_state != State::Idle || !m_staging.isValid())
        return;
    // A page that was left is never shown again: free its staged copies now
    // rather than at the next start.
    m_copy->Clear();
    m_copy->AddTask(m_staging.path(), QString(), CFileCopy::Delete);
}

void CPage3::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ImageDialog::changeEvent(event);
}

// --- List and model -------------------------------------------------------------

QString CPage3::StagedPath(const QString& name) const
{
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return m_staging.path() + QLatin1Char('/') + relative;
}

QTreeWidgetItem* CPage3::RowOf(const QString& name) const
{
    // Walk the rows along the path: each level is one name component.
    const QStringList parts = name.split(QLatin1Char('\\'));
    QTreeWidgetItem* found = nullptr;
    QString prefix;
    for (const QString& part : parts) {
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
    if (selected.isEmpty()) {
        target.valid = true; // the image root
        return target;
    }
    QTreeWidgetItem* row = selected.first();
    const IsoEntry* entry = m_content.FindEntry(row->data(0, NameRole).toString());
    // Content goes into the selected folder; a selected file takes nothing.
    if (!entry || !entry->isDir)
        return target;
    target.valid = true;
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
    } else {
        row->setIcon(0, FileIconFor(display));
        row->setText(2, FormatSize(entry.sizeText.toLongLong()));
        row->setText(3, FileTypeFor(display));
    }
    row->setText(4, entry.dateText);
    return row;
}

void CPage3::appendRows(QTreeWidgetItem* parentRow, const QList<QTreeWidgetItem*>& rows)
{
    if (rows.isEmpty())
        return;
    if (parentRow)
        parentRow->addChildren(rows);
    else
        m_list->addTopLevelItems(rows);
}

bool CPage3::ensureStagingFolder()
{
    if (m_staging.isValid() && QDir().mkpath(m_staging.path()))
        return true;
    ShowMessage(tr("The working folder for the image could not be created below %1.")
                    .arg(QDir::toNativeSeparators(StagingArea::DefaultRoot())),
                this);
    return false;
}

bool CPage3::insideStaging(const QString& canonicalPath) const
{
    const QString root = QFileInfo(m_staging.root()).canonicalFilePath();
    return !root.isEmpty() && IsoBuild::IsInside(canonicalPath, root);
}

void CPage3::stageFile(const IsoEntry& entry)
{
    ++m_sourceRefs[entry.localPath];
    m_copy->AddTask(entry.localPath, StagedPath(entry.name), CFileCopy::Copy);
}

void CPage3::forgetSources(const IsoEntry& entry, bool cancelQueued)
{
    if (entry.isDir) {
        for (int i = 0; i < entry.childCount(); ++i)
            forgetSources(*entry.child(i), cancelQueued);
        return;
    }
    auto it = m_sourceRefs.find(entry.localPath);
    if (it == m_sourceRefs.end())
        return;
    // With one entry per source, the first queued task of that source is
    // this entry's own copy; otherwise it might be another entry's, and the
    // delete task that follows cleans up after the copy anyway.
    if (cancelQueued && it.value() == 1)
        m_copy->RemoveTask(entry.localPath);
    if (--it.value() <= 0)
        m_sourceRefs.erase(it);
}

void CPage3::finishAdd(const Target& target, const QList<QTreeWidgetItem*>& rows)
{
    appendRows(target.row, rows);
    if (target.row)
        target.row->setExpanded(true);
    UpdateTotalSize();
    QApplication::restoreOverrideCursor();
}

void CPage3::OnAddFile()
{
    if (m_state != State::Idle || !ensureStagingFolder())
        return;
    const Target target = SelectedTarget();
    if (!target.valid)
        return;
    const QStringList files = ChooseOpenFiles(this);
    if (files.isEmpty())
        return;

    SetBusyCursor();
    QList<QTreeWidgetItem*> rows;
    QStringList skipped;
    for (const QString& file : files) {
        const QFileInfo info(file);
        if (!info.isFile())
            continue;
        if (info.fileName().contains(QLatin1Char('\\'))) {
            skipped << info.fileName();
            continue;
        }
        IsoEntry entry;
        entry.name = target.prefix + info.fileName();
        entry.localPath = info.absoluteFilePath();
        entry.isDir = false;
        entry.sizeText = QString::number(info.size());
        entry.dateText = FormatDateTime(info.lastModified());
        const IsoEntry* added = m_content.Insert(std::move(entry));
        if (!added)
            continue; // already in the image at that place
        rows << makeRow(*added);
        stageFile(*added);
    }
    finishAdd(target, rows);
    if (!skipped.isEmpty())
        ShowMessage(tr("These items were not added, because their names contain a backslash:\n%1")
                        .arg(nameList(skipped)),
                    this);
}

// A folder we cannot list would go into the image empty, looking complete.
static bool readableFolder(const QFileInfo& folder)
{
    return folder.isReadable() && folder.isExecutable();
}

void CPage3::OnAddDir()
{
    if (m_state != State::Idle || !ensureStagingFolder())
        return;
    const Target target = SelectedTarget();
    if (!target.valid)
        return;
    const QStringList folders = ChooseItems(this, false);
    if (folders.isEmpty())
        return;

    SetBusyCursor();
    QList<QTreeWidgetItem*> rows;
    QStringList skipped;
    for (const QString& folder : folders) {
        const QFileInfo info(folder);
        const QString folderName = QDir(info.absoluteFilePath()).dirName();
        if (!info.isDir() || folderName.isEmpty() || QDir(info.absoluteFilePath()).isRoot())
            continue;
        if (folderName.contains(QLatin1Char('\\')) || insideStaging(info.canonicalFilePath())
            || !readableFolder(info)) {
            skipped << folderName;
            continue;
        }
        IsoEntry entry;
        entry.name = target.prefix + folderName;
        entry.localPath = folder;
        entry.isDir = true;
        entry.dateText = FormatDateTime(info.lastModified());
        IsoEntry* added = m_content.Insert(std::move(entry));
        if (!added)
            continue;
        QTreeWidgetItem* row = makeRow(*added);
        QStringList ancestors{info.canonicalFilePath()};
        fillFolder(added, row, ancestors, skipped);
        rows << row;
    }
    finishAdd(target, rows);
    if (!skipped.isEmpty())
        ShowMessage(tr("These items were not added: a folder that cannot be read, a backslash in the "
                       "name, a link back to a folder that holds it, or the program's own working "
                       "folder:\n%1")
                        .arg(nameList(skipped)),
                    this);
}

void CPage3::fillFolder(IsoEntry* folder, QTreeWidgetItem* row, QStringList& ancestors, QStringList& skipped)
{
    // Hidden and system items (sockets, pipes, broken links) stay out.
    const QDir dir(folder->localPath);
    const QFileInfoList items = dir.entryInfoList(
        QDir::Dirs | QDir::Files | QDir::Drives | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    QList<QTreeWidgetItem*> rows;
    rows.reserve(items.size());
    for (const QFileInfo& info : items) {
        const QString fileName = info.fileName();
        if (fileName.contains(QLatin1Char('\\'))) {
            skipped << info.filePath();
            continue;
        }
        QString canonical;
        if (info.isDir()) {
            canonical = info.canonicalFilePath();
            // A linked folder that leads back up would never end; the
            // program's own working folder would copy into itself.
            if (ancestors.contains(canonical) || insideStaging(canonical) || !readableFolder(info)) {
                skipped << info.filePath();
                continue;
            }
        }
        IsoEntry entry;
        entry.name = folder->name + QLatin1Char('\\') + fileName;
        entry.localPath = info.absoluteFilePath();
        entry.isDir = info.isDir();
        if (!entry.isDir)
            entry.sizeText = QString::number(info.size());
        entry.dateText = FormatDateTime(info.lastModified());
        IsoEntry* added = m_content.Insert(std::move(entry));
        if (!added)
            continue;
        QTreeWidgetItem* child = makeRow(*added);
        rows << child;
        if (added->isDir) {
            ancestors << canonical;
            fillFolder(added, child, ancestors, skipped);
            ancestors.removeLast();
        } else {
            // One task per file: the staged tree holds exactly what the list
            // shows, and a file that cannot be copied is named as such.
            stageFile(*added);
        }
    }
    row->addChildren(rows);
}

void CPage3::OnRemove()
{
    if (m_state != State::Idle)
        return;
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem* row = selected.first();
    const QString path = row->data(0, NameRole).toString();
    const IsoEntry* entry = m_content.FindEntry(path);
    if (!entry)
        return;
    forgetSources(*entry, true);
    // Runs after any copy of this content that is under way.
    m_copy->AddTask(StagedPath(path), QString(), CFileCopy::Delete);
    delete row;
    m_content.RemoveEntry(path);
    UpdateTotalSize();
}

void CPage3::UpdateTotalSize()
{
    const qint64 total = m_content.LocalFilesSize();
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

void CPage3::OnCreate()
{
    if (m_state != State::Idle)
        return;
    if (m_content.root.childCount() == 0) {
        ShowMessage(tr("Please add files or folders first!"), this);
        return;
    }
    if (!m_joliet->isChecked() && !m_iso9660->isChecked() && !m_udf->isChecked()) {
        ShowMessage(tr("Please select one type"), this);
        return;
    }
    if (!ensureStagingFolder())
        return;

    // Files of 4 GiB or more: only UDF records their size. Ask before a long
    // run rather than let the builder refuse at its end.
    bool allowLargeFiles = false;
    const QStringList large = IsoBuild::LargeFiles(m_content.root);
    if (!large.isEmpty()) {
        allowLargeFiles = true;
        if (SelectedType() != Tools::ImageType::Udf) {
            const QString text =
                tr("These files are 4 GB or larger:\n%1\nISO 9660 and Joliet cannot record such sizes. "
                   "The image will also get a UDF file system that holds them; programs that read "
                   "only ISO 9660 or Joliet will see wrong sizes. Choose \"UDF ISO\" to avoid this "
                   "question. Create the image anyway?")
                    .arg(nameList(large));
            if (AskQuestion(QStringLiteral(":/vud/commdialogbg"), text, this) != 1)
                return;
        }
    }

    const QString output = ChooseSaveFile(this, QStringLiteral("ISO Files(*.ISO)"));
    if (output.isEmpty())
        return;
    if (IsoBuild::IsInside(output, m_staging.root())) {
        ShowMessage(tr("Please save the image outside the program's working folder."), this);
        return;
    }
    if (QFileInfo(output).isDir()) {
        ShowMessage(tr("%1 is a folder. Please choose a file name for the image.")
                        .arg(QDir::toNativeSeparators(output)),
                    this);
        return;
    }
    m_outputPath = output;

    m_stop = false;
    m_progress->SetText(tr("Copy files and folders..."));
    m_progress->SetRange(0, 1);
    m_progress->SetValue(0);
    m_progress->show();

    m_state = State::Staging;
    const bool staged = waitForStaging();
    if (!staged || m_stop) {
        // Stopped: no tool runs; staging goes on in the background.
        m_state = State::Idle;
        if (!m_stop)
            m_progress->hide();
        emit sigCreateEnded(false);
        return;
    }

    // Copies that failed (unreadable source, full disk) would silently be
    // missing from the image.
    m_copy->TakeFailures();
    const QStringList missing = prepareStagedTree();
    if (!missing.isEmpty()) {
        m_state = State::Idle;
        m_progress->hide();
        ShowMessage(tr("These files could not be copied into the working folder, so no image was "
                       "created (unreadable files, or a full disk?):\n%1")
                        .arg(nameList(missing)),
                    this);
        emit sigCreateEnded(false);
        return;
    }
    startBuild(allowLargeFiles);
}

bool CPage3::waitForStaging()
{
    const qint64 initial = m_copy->RemainingBytes();
    qCDebug(lcCreate) << "CPage3::OnCreate" << initial;
    if (initial <= 0)
        return true;
    m_progress->SetRange(0, int(qBound<qint64>(1, initial / 1024, INT_MAX)));
    qint64 pending = initial;
    while (pending > 0 && !m_stop) {
        m_progress->SetValue(int(qBound<qint64>(0, (initial - pending) / 1024, INT_MAX)));
        // Waits for events (repaint, Stop) instead of spinning.
        QEventLoop loop;
        m_waitLoop = &loop;
        QTimer::singleShot(PollMs, &loop, &QEventLoop::quit);
        loop.exec();
        m_waitLoop = nullptr;
        qCDebug(lcCreate) << "CPage3::OnCreate" << initial << pending;
        pending = m_copy->RemainingBytes();
    }
    return !m_stop;
}

QStringList CPage3::prepareStagedTree() const
{
    // Staging is idle here: folders are made now (an empty folder has no
    // copy task), and every file's copy is checked against its source.
    QStringList missing;
    std::function<void(const IsoEntry&)> visit = [&](const IsoEntry& folder) {
        for (int i = 0; i < folder.childCount(); ++i) {
            const IsoEntry& entry = *folder.child(i);
            const QString staged = StagedPath(entry.name);
            if (entry.isDir) {
                if (!QDir().mkpath(staged))
                    missing << QDir::toNativeSeparators(entry.localPath);
                visit(entry);
                continue;
            }
            const QFileInfo copy(staged);
            const QFileInfo source(entry.localPath);
            if (!copy.isFile() || !source.exists() || copy.size() != source.size())
                missing << QDir::toNativeSeparators(entry.localPath);
        }
    };
    visit(m_content.root);
    return missing;
}

void CPage3::startBuild(bool allowLargeFiles)
{
    m_progress->SetText(tr("Creating ISO file..."));
    m_progress->SetRange(0, 10000);
    m_progress->SetValue(0);

    // The builder writes a file of its own beside the target, which replaces
    // the target only once it is complete: a failed or stopped build never
    // costs the user an older image of the same name.
    const QFileInfo target(m_outputPath);
    QTemporaryFile part(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                        + QStringLiteral(".XXXXXX.part"));
    part.setAutoRemove(false);
    if (!part.open()) {
        m_state = State::Idle;
        m_progress->hide();
        ShowMessage(tr("The ISO file could not be created.") + QLatin1Char('\n')
                        + tr("Cannot write to the folder %1: %2")
                              .arg(QDir::toNativeSeparators(target.absolutePath()), part.errorString()),
                    this);
        emit sigCreateEnded(false);
        return;
    }
    m_buildPath = part.fileName();
    part.close();
    const QStringList args = Tools::createImageArgs(SelectedType(), m_buildPath, m_staging.path(),
                                                    allowLargeFiles);
    if (m_runner) {
        disconnect(m_runner, nullptr, this, nullptr);
        m_runner->terminate();
        m_runner->deleteLater();
        m_runner = nullptr;
    }
    m_lastArgs = args;
    m_progressClock.invalidate();
    m_buildLog.Clear();

    auto* runner = new CRunCommandThread(this);
    runner->setCommand(Tools::builderTool(), args);
    connect(runner, &CRunCommandThread::standoutputline, this, &CPage3::OnCreateOutput);
    connect(runner, &CRunCommandThread::sigfinished, this, &CPage3::OnCreateFinished);
    connect(runner, &CRunCommandThread::sigstartfailed, this, &CPage3::onBuildStartFailed);
    m_runner = runner;
    m_state = State::Building;
    ++m_buildsStarted;
    runner->start(QThread::InheritPriority);
}

void CPage3::OnCreateOutput(QString line)
{
    m_buildLog.Feed(line);
    const int progress = IsoBuild::ProgressHundredths(line);
    if (progress >= 0 && m_state == State::Building) {
        // At most one repaint per poll interval: the builder may print a line
        // for every tenth of a percent, and the GUI thread shares the CPU with it.
        m_pendingProgress = progress;
        if (!m_progressClock.isValid() || m_progressClock.elapsed() >= PollMs) {
            m_progressClock.start();
            m_progress->SetValue(progress);
        } else if (!m_progressTimer->isActive()) {
            m_progressTimer->start(int(PollMs - m_progressClock.elapsed()));
        }
    }
    qCDebug(lcCreate) << "CPage3::OnCreateOutput" << line;
}

void CPage3::OnCreateFinished()
{
    auto* runner = qobject_cast<CRunCommandThread*>(sender());
    if (!runner)
        runner = m_runner;
    if (!runner || runner != m_runner)
        return; // a run that was replaced or stopped
    IsoBuild::RunFacts facts;
    facts.exitCode = runner->exitCode();
    facts.exitStatus = runner->exitStatus();
    facts.failedToStart = runner->failedToStart();
    facts.extents = m_buildLog.Extents();
    facts.outputPath = m_buildPath;
    runner->deleteLater();
    m_runner = nullptr;
    m_state = State::Idle;
    m_progress->hide();

    const IsoBuild::Verdict verdict = IsoBuild::Judge(facts);
    if (verdict.succeeded() && ReplaceFile(m_buildPath, m_outputPath)) {
        ShowOpenFolderMessage(tr("Create ISO successfully!"), QFileInfo(m_outputPath).absolutePath(), this);
        emit sigCreateEnded(true);
        return;
    }
    // A broken image left behind would look like a good one.
    QFile::remove(m_buildPath);
    if (verdict.succeeded())
        ShowMessage(tr("The ISO file could not be saved as %1.").arg(QDir::toNativeSeparators(m_outputPath)), this);
    else
        ShowMessage(failureText(verdict), this);
    emit sigCreateEnded(false);
}

void CPage3::onBuildStartFailed(const QString& error)
{
    if (sender() != m_runner)
        return;
    m_runner->deleteLater();
    m_runner = nullptr;
    m_state = State::Idle;
    m_progress->hide();
    ShowMessage(tr("The image builder %1 could not be started: %2")
                    .arg(QDir::toNativeSeparators(Tools::builderTool()), error),
                this);
    emit sigCreateEnded(false);
}

QString CPage3::failureText(const IsoBuild::Verdict& verdict) const
{
    QString text = tr("The ISO file could not be created.");
    QString detail = m_buildLog.ErrorLine();
    switch (verdict.outcome) {
    case IsoBuild::Outcome::Crashed:
        if (detail.isEmpty())
            detail = tr("The image builder stopped unexpectedly.");
        break;
    case IsoBuild::Outcome::NoReport:
    case IsoBuild::Outcome::OutputMissing:
    case IsoBuild::Outcome::OutputSizeWrong:
        detail = tr("The image file is incomplete: %1 bytes written, %2 bytes expected.")
                     .arg(qMax<qint64>(verdict.actualBytes, 0))
                     .arg(qMax<qint64>(verdict.expectedBytes, 0));
        break;
    default:
        break;
    }
    if (!detail.isEmpty())
        text += QLatin1Char('\n') + detail;
    return text;
}

void CPage3::StopCreate()
{
    m_stop = true;
    m_progress->hide();
    if (m_waitLoop)
        m_waitLoop->quit();
    if (!m_runner)
        return;
    CRunCommandThread* runner = m_runner;
    m_runner = nullptr;
    disconnect(runner, nullptr, this, nullptr);
    runner->terminate();
    // The partial image goes once the builder has let go of it.
    const QString partial = m_buildPath;
    auto done = std::make_shared<bool>(false);
    auto cleanUp = [this, partial, runner, done] {
        if (*done)
            return;
        *done = true;
        QFile::remove(partial);
        runner->deleteLater();
        m_state = State::Idle;
        emit sigCreateEnded(false);
    };
    connect(runner, &QThread::finished, this, cleanUp, Qt::QueuedConnection);
    if (runner->isFinished())
        QMetaObject::invokeMethod(this, cleanUp, Qt::QueuedConnection);
}
