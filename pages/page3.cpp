#include "pages/page3.h"

#include "image/createimagejob.h"
#include "image/filecopy.h"
#include "image/fileutils.h"
#include "image/isobuild.h"
#include "image/isobuildjob.h"
#include "image/stagedcontent.h"
#include "ui/fileicons.h"
#include "ui/imagebutton.h"
#include "ui/jobprogress.h"
#include "ui/messages.h"
#include "ui/mytreewidget.h"
#include "ui/nofocusdelegate.h"
#include "ui/progressdialog.h"
#include "runner/isobuilder.h"

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

namespace {

// Names shown in one message before "...".
constexpr int MaxNamesShown = 8;

QString nameList(const QStringList& names)
{
    QStringList shown = names.mid(0, MaxNamesShown);
    if (names.size() > MaxNamesShown)
        shown << QStringLiteral("...");
    return shown.join(QLatin1Char('\n'));
}

} // namespace

CPage3::CPage3(QWidget* parent, const PageContext& context)
    : ImageDialog(parent, context)
    , m_staged(new StagedContent(QStringLiteral("create"), this))
{
    setObjectName(QStringLiteral("CPage3"));
    resize(858, 472); // until the background picture fixes the size
    SetBackgroundImage(QStringLiteral(":/vud/page3"));
    createWidgets();
    retranslate();
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
    if (m_job || (m_staged->content().root.childCount() > 0
                  && Dialogs().AskQuestion(QStringLiteral(":/vud/commdialogbg"),
                                 tr("The files and folders in the list will be discarded. Go back anyway?"),
                                 this) != 1)) {
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
    Dialogs().ShowMessage(tr("The working folder for the image could not be created below %1.")
                    .arg(QDir::toNativeSeparators(m_staged->root().isEmpty() ? StagingArea::DefaultRoot()
                                                                              : m_staged->root())),
                this);
    return false;
}

void CPage3::addItems(bool folders)
{
    if (!ready())
        return;
    const Target target = SelectedTarget();
    const QStringList chosen = folders ? Dialogs().ChooseItems(this, false) : Dialogs().ChooseOpenFiles(this);
    if (chosen.isEmpty())
        return;

    SetBusyCursor();
    const StagedContent::Added added =
        folders ? m_staged->addFolders(target.prefix, chosen) : m_staged->addFiles(target.prefix, chosen);
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
                    .arg(nameList(names)),
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
    const QString text =
        tr("These files are 4 GB or larger:\n%1\nISO 9660 and Joliet cannot record such sizes. "
           "The image will also get a UDF file system that holds them; programs that read "
           "only ISO 9660 or Joliet will see wrong sizes. Choose \"UDF ISO\" to avoid this "
           "question. Create the image anyway?")
            .arg(nameList(large));
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
        Dialogs().ShowMessage(tr("%1 is a folder. Please choose a file name for the image.")
                        .arg(QDir::toNativeSeparators(output)),
                    this);
        return QString();
    }
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
    job->builder()->onPiece = [this](const QString& piece) { OnCreateOutput(piece); };
    connect(job, &Job::finished, this, &CPage3::OnCreateFinished);
    m_binding->attach(job);
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
        Dialogs().ShowOpenFolderMessage(tr("Create ISO successfully!"),
                              QFileInfo(job->builder()->request().output).absolutePath(), this);
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
