// The create page's widgets, their texts and the language change.
#include "pages/page3.h"

#include "ui/fonts.h"
#include "ui/imagebutton.h"
#include "ui/jobprogress.h"
#include "ui/mytreewidget.h"
#include "ui/nofocusdelegate.h"
#include "ui/progressdialog.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>

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

template <class Widget>
Widget* placed(QWidget* parent, const char* objectName, int x, int y)
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
    m_back->SetImages(QStringLiteral(":/vud/Back1"), QStringLiteral(":/vud/Back2"),
                      QStringLiteral(":/vud/Back3"), QString(), tr("Back"), QString(), 3);

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

