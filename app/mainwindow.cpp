#include "app/mainwindow.h"

#include "core/job.h"
#include "core/trace.h"
#include "core/util.h"
#include "image/stagedcontent.h"
#include "pages/burnpage.h"
#include "pages/copydiscpage.h"
#include "pages/createpage.h"
#include "pages/editpage.h"
#include "pages/extractpage.h"
#include "platform/drivechange.h"
#include "runner/runcommandthread.h"
#include "ui/aboutusdialog.h"
#include "ui/imagebutton.h"
#include "ui/messages.h"
#include "ui/settings.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QTranslator>

#ifdef Q_OS_WIN
#include <dbt.h>
#include <windows.h>
#endif

namespace {
CImageButton* makeButton(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* button = new CImageButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}
} // namespace

MainWindow::MainWindow(QWidget* parent, const PageContext& context)
    : PageWindow(parent, context)
{
    setObjectName(QStringLiteral("MainWindow"));
    resize(860, 580);
    // The pages hear of drive changes from the window that opened them.
    if (!Context().driveChanges)
        MutableContext().driveChanges = new DriveChangeSignal(this);
    connect(this, &MainWindow::sigdrivechange, Context().driveChanges, &DriveChangeSignal::sigdrivechange);
    m_menu = makeButton(this, "menu", QRect(775, 1, 28, 28));
    m_min = makeButton(this, "min", QRect(803, 1, 28, 28));
    m_close = makeButton(this, "close", QRect(831, 1, 28, 28));
    m_burn = makeButton(this, "burn", QRect(40, 120, 120, 80));
    m_extract = makeButton(this, "extract", QRect(570, 120, 120, 80));
    m_create = makeButton(this, "create", QRect(40, 350, 120, 80));
    m_edit = makeButton(this, "edit", QRect(305, 350, 120, 80));
    m_copy = makeButton(this, "copy", QRect(570, 350, 120, 80));
    m_help = makeButton(this, "help", QRect(699, 48, 51, 41));

    setWindowTitle(QStringLiteral("Quillon"));
    SetBackgroundImage(QStringLiteral(":/vud/main"));
    SetDragEnabled(true);

    m_close->SetImageStrip(QStringLiteral(":/vud/close"), 3, QString(), 0);
    m_min->SetImageStrip(QStringLiteral(":/vud/minimize"), 3, QString(), 0);
    m_menu->SetImageStrip(QStringLiteral(":/vud/menu"), 3, QString(), 0);
    connect(m_close, qOverload<>(&CImageButton::clicked), this, &MainWindow::onClose);
    connect(m_min, qOverload<>(&CImageButton::clicked), this, &MainWindow::onMin);
    connect(m_menu, qOverload<>(&CImageButton::clicked), this, &MainWindow::onMenu);

    setupHomePage();
    setAcceptDrops(true); // an image dropped on the home page

    connect(m_burn, qOverload<>(&CImageButton::clicked), this, &MainWindow::onBurn);
    connect(m_extract, qOverload<>(&CImageButton::clicked), this, &MainWindow::onExtract);
    connect(m_create, qOverload<>(&CImageButton::clicked), this, &MainWindow::onCreate);
    connect(m_edit, qOverload<>(&CImageButton::clicked), this, &MainWindow::onEdit);
    connect(m_copy, qOverload<>(&CImageButton::clicked), this, &MainWindow::onCopy);
    connect(m_help, qOverload<>(&CImageButton::clicked), this, &MainWindow::onHelp);

    m_translator = new QTranslator;

    // The menu's actions belong to the window, so their shortcuts act
    // whenever it (or one of its pages) is active, not only in the menu.
    m_helpAction = new QAction(this);
    connect(m_helpAction, &QAction::triggered, this, &MainWindow::onHelp);
    m_aboutAction = new QAction(this);
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::aboutus);
    m_exitAction = new QAction(this);
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
    for (QAction* action : {m_helpAction, m_aboutAction, m_exitAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    translateActions();

#ifndef Q_OS_WIN
    m_driveMonitor = new CDriveMonitor(this);
    if (m_driveMonitor->start())
        connect(m_driveMonitor, &CDriveMonitor::sigdrivechange, this, &MainWindow::sigdrivechange);
    else
        qCDebug(lcTrace) << "MainWindow: drive-change notification is off";
#endif
}

MainWindow::~MainWindow()
{
    QCoreApplication::removeTranslator(m_translator);
    delete m_translator;
    delete m_popupMenu.data();
}

void MainWindow::setupHomePage()
{
    m_burn->SetImages(QStringLiteral(":/vud/mburn1"), QStringLiteral(":/vud/mburn2"), QStringLiteral(":/vud/mburn3"),
        QString(), tr("Burn"), tr("Make bootable USB or DVD/CD from ISO"), 1);
    m_extract->SetImages(QStringLiteral(":/vud/Extract1"), QStringLiteral(":/vud/Extract2"),
        QStringLiteral(":/vud/Extract3"), QString(), tr("Extract"), tr("Extract content from ISO"), 1);
    m_create->SetImages(QStringLiteral(":/vud/Create1"), QStringLiteral(":/vud/Create2"),
        QStringLiteral(":/vud/Create3"), QString(), tr("Create"), tr("Create ISO from files or folders"), 1);
    m_edit->SetImages(QStringLiteral(":/vud/Edit1"), QStringLiteral(":/vud/Edit2"), QStringLiteral(":/vud/Edit3"),
        QString(), tr("Edit"), tr("\n Add, delete, rename \n content in ISO file"), 1);
    m_copy->SetImages(QStringLiteral(":/vud/Copy-Disc1"), QStringLiteral(":/vud/Copy-Disc2"),
        QStringLiteral(":/vud/Copy-Disc3"), QString(), tr("Copy Disk"), tr("\n Make ISO file from \n CD/DVD disc"), 1);
    m_help->SetImages(QStringLiteral(":/vud/help_1"), QStringLiteral(":/vud/help_2"), QStringLiteral(":/vud/help_3"),
        QString(), QString(), QString(), 2);
}

QMenu* MainWindow::PopupMenu() const
{
    return m_popupMenu;
}

void MainWindow::onClose()
{
    closeProgram();
}

bool MainWindow::closeProgram()
{
    // A page with changes not saved asks first; its Save keeps the program
    // open until the save has succeeded, then closes it.
    for (ImageDialog* child : findChildren<ImageDialog*>(QString(), Qt::FindDirectChildrenOnly)) {
        auto* page = dynamic_cast<PageWindow*>(child);
        if (page && !page->isHidden() && !page->MayClose([this] { closeProgram(); }))
            return false;
    }
    if (Job::AnyRunning()
        && Dialogs().AskQuestion(
               QStringLiteral(":/vud/commdialogbg"), tr("A job is still running. Stop it and close the program?"), this)
            != 1)
        return false;
    // Each job cleans up as its Stop does: partial images, staging folders,
    // the stick's mount.
    Job::StopAll();
    // No tool may keep writing to a disk or an image after the window: end
    // every child that no job ended.
    CRunCommandThread::terminateAll();
    // The pages are not destroyed on this way out: their staged copies go here.
    StagedContent::RemoveOwnFolders();
    Context().exit(0);
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (closeProgram())
        event->accept();
    else
        event->ignore();
}

void MainWindow::onMin()
{
    showMinimized();
}

void MainWindow::onMenu()
{
    delete m_popupMenu.data();
    auto* menu = new QMenu(tr("Help"));
    m_popupMenu = menu;

    // The submenu and every action belong to the popup menu, so deleting
    // the menu at the next opening takes all of them along.
    auto* languages = new QMenu(tr("Language(&L)"), menu);
    struct Language {
        const char* text;
        void (MainWindow::*slot)();
    };
    static const Language table[] = {
        {QT_TR_NOOP("English"), &MainWindow::onEnglish},
        {QT_TR_NOOP("Chinese"), &MainWindow::onChinese},
        {QT_TR_NOOP("Japanese"), &MainWindow::onJapanese},
        {QT_TR_NOOP("French"), &MainWindow::onFrench},
        {QT_TR_NOOP("German"), &MainWindow::onGerman},
        {QT_TR_NOOP("Spanish"), &MainWindow::onSpanish},
        {QT_TR_NOOP("Portugues"), &MainWindow::onPortuguese},
        {QT_TR_NOOP("Polish"), &MainWindow::onPolish},
        {QT_TR_NOOP("Italian"), &MainWindow::onItalian},
        {QT_TR_NOOP("Russian"), &MainWindow::onRussian},
        {QT_TR_NOOP("Netherlands"), &MainWindow::onNetherlands},
        {QT_TR_NOOP("Swedish"), &MainWindow::onSwitzerland},
    };
    for (const Language& language : table) {
        auto* action = new QAction(tr(language.text), languages);
        connect(action, &QAction::triggered, this, language.slot);
        languages->addAction(action);
    }
    menu->addMenu(languages);

    // Images opened lately, newest first; the Extract page opens them.
    auto* recent = new QMenu(tr("Recent Images(&R)"), menu);
    const QStringList images = Settings::RecentImages();
    for (const QString& image : images) {
        auto* action = new QAction(QDir::toNativeSeparators(image), recent);
        connect(action, &QAction::triggered, this, [this, image] { OpenImage(image); });
        recent->addAction(action);
    }
    if (images.isEmpty()) {
        recent->addAction(tr("No recent images"))->setEnabled(false);
    } else {
        recent->addSeparator();
        connect(recent->addAction(tr("Clear List")), &QAction::triggered, this, [] { Settings::ClearRecentImages(); });
    }
    menu->addMenu(recent);
    menu->addAction(m_helpAction);
    menu->addAction(m_aboutAction);
    menu->addSeparator();
    menu->addAction(m_exitAction);
    menu->exec(QCursor::pos());
}

void MainWindow::openPage(ImageDialog* page, bool initialize, int x)
{
    page->setParent(this);
    if (initialize) {
        if (auto* extract = qobject_cast<CPage2*>(page))
            extract->InitializeUI();
        else if (auto* edit = qobject_cast<CPage4*>(page))
            edit->InitializeUI();
    }
    page->move(x, 107);
    page->SetDragEnabled(false);
    page->show();
    m_currentPage = page;
}

void MainWindow::onBurn()
{
    openPage(new CBurnDialog(this, Context()), false, 1);
}

void MainWindow::onExtract()
{
    openPage(new CPage2(this, Context()), true, 1);
}

void MainWindow::OpenImage(const QString& image)
{
    auto* page = new CPage2(this, Context());
    openPage(page, true, 1);
    const QFileInfo info(image);
    const QString name = QDir::toNativeSeparators(image);
    if (!info.exists())
        Dialogs().ShowMessage(tr("The image %1 does not exist.").arg(name), page);
    else if (!info.isFile())
        Dialogs().ShowMessage(tr("%1 is not an image file.").arg(name), page);
    else
        page->LoadImage(image);
}

void MainWindow::OpenStartPage(const QString& page, const QString& image)
{
    if (page == QLatin1String("burn"))
        onBurn();
    else if (page == QLatin1String("create"))
        onCreate();
    else if (page == QLatin1String("copy-disc"))
        onCopy();
    else if (page == QLatin1String("edit")) {
        onEdit();
        auto* edit = qobject_cast<CPage4*>(m_currentPage);
        if (edit && !image.isEmpty() && QFileInfo(image).isFile())
            edit->LoadImage(image);
        else if (edit && !image.isEmpty())
            Dialogs().ShowMessage(tr("The image %1 does not exist.").arg(QDir::toNativeSeparators(image)), edit);
    } else if (!image.isEmpty())
        OpenImage(image);
    else if (page == QLatin1String("extract"))
        onExtract();
}

void MainWindow::onCreate()
{
    openPage(new CPage3(this, Context()), false, 1);
}

void MainWindow::onEdit()
{
    openPage(new CPage4(this, Context()), true, 3);
}

void MainWindow::onCopy()
{
    openPage(new CPage5(this, Context()), false, 1);
}

void MainWindow::onHelp()
{
    OpenUrl(tr("https://github.com/quillon-iso/quillon#readme"), this);
}

void MainWindow::aboutus()
{
    auto* about = new CAboutusDialog(this);
    about->exec();
    delete about;
}

void MainWindow::RestoreLanguage()
{
    const QString file = Settings::Value(QLatin1String(LanguageKey)).toString();
    // Only one of the menu's own files, never a path from elsewhere.
    if (file.startsWith(QLatin1String("/translations/qt_")) && file.endsWith(QLatin1String(".qm"))
        && !file.contains(QLatin1String("..")))
        LoadLanguage(file);
}

bool MainWindow::CanTakeDrop(const QStringList& paths) const
{
    const bool homeShown = !m_currentPage || !m_currentPage->isVisible();
    return homeShown && paths.size() == 1 && IsImageFile(paths.first());
}

void MainWindow::TakeDrop(const QStringList& paths)
{
    OpenImage(paths.first());
}

void MainWindow::LoadLanguage(const QString& file)
{
    const QString path = AppDir() + file;
    m_translator->load(path);
    Settings::SetValue(QLatin1String(LanguageKey), file); // the next start comes up in it
    qCDebug(lcTrace) << path;
    // Once in the list, in front of the start-up translator, however often
    // the user switches. Taking it out also re-translates every window when
    // the new file could not be loaded and the translator stays empty.
    QCoreApplication::removeTranslator(m_translator);
    QCoreApplication::installTranslator(m_translator);
    setupHomePage();
}

void MainWindow::onEnglish()
{
    LoadLanguage(QStringLiteral("/translations/qt_en.qm"));
}
void MainWindow::onChinese()
{
    LoadLanguage(QStringLiteral("/translations/qt_zh.qm"));
}
void MainWindow::onJapanese()
{
    LoadLanguage(QStringLiteral("/translations/qt_ja.qm"));
}
void MainWindow::onFrench()
{
    LoadLanguage(QStringLiteral("/translations/qt_fr.qm"));
}
void MainWindow::onGerman()
{
    LoadLanguage(QStringLiteral("/translations/qt_de.qm"));
}
void MainWindow::onSpanish()
{
    LoadLanguage(QStringLiteral("/translations/qt_es.qm"));
}
void MainWindow::onPortuguese()
{
    LoadLanguage(QStringLiteral("/translations/qt_pt.qm"));
}
void MainWindow::onPolish()
{
    LoadLanguage(QStringLiteral("/translations/qt_pl.qm"));
}
void MainWindow::onItalian()
{
    LoadLanguage(QStringLiteral("/translations/qt_it.qm"));
}
void MainWindow::onRussian()
{
    LoadLanguage(QStringLiteral("/translations/qt_ru.qm"));
}
void MainWindow::onNetherlands()
{
    LoadLanguage(QStringLiteral("/translations/qt_nl.qm"));
}
void MainWindow::onSwitzerland()
{
    LoadLanguage(QStringLiteral("/translations/qt_sv.qm"));
}

void MainWindow::translateActions()
{
    m_helpAction->setText(tr("Help(&H)"));
    m_helpAction->setShortcut(QKeySequence(tr("CTRL+H")));
    m_aboutAction->setText(tr("About Us(&U)"));
    m_aboutAction->setShortcut(QKeySequence(tr("CTRL+U")));
    m_exitAction->setText(tr("Exit(&E)"));
    m_exitAction->setShortcut(QKeySequence(tr("CTRL+E")));
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setupHomePage();
        translateActions();
    }
    ImageDialog::changeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape would reject the dialog and hide the only window, leaving an
    // invisible program behind.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    ImageDialog::keyPressEvent(event);
}

#ifdef Q_OS_WIN
bool MainWindow::nativeEvent(const QByteArray& /*eventType*/, void* message, long* /*result*/)
{
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_DEVICECHANGE)
        return false;
    qCDebug(lcTrace) << "MainWindow: device change event";
    switch (msg->wParam) {
    case DBT_DEVICEARRIVAL: {
        auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(msg->lParam);
        if (header && header->dbch_devicetype == DBT_DEVTYP_VOLUME
            && reinterpret_cast<const DEV_BROADCAST_VOLUME*>(header)->dbcv_flags == 0)
            emit sigdrivechange();
        qCDebug(lcTrace) << "DBT_DEVICEARRIVAL";
        break;
    }
    case DBT_DEVICEREMOVECOMPLETE: {
        auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(msg->lParam);
        if (header && header->dbch_devicetype == DBT_DEVTYP_VOLUME
            && reinterpret_cast<const DEV_BROADCAST_VOLUME*>(header)->dbcv_flags == 0) {
            qCDebug(lcTrace) << "MainWindow: USB device removed";
            emit sigdrivechange();
        }
        qCDebug(lcTrace) << "DBT_DEVICEREMOVECOMPLETE";
        break;
    }
    case DBT_DEVICETYPESPECIFIC:
        qCDebug(lcTrace) << "DBT_DEVICETYPESPECIFIC ";
        break;
    default:
        break;
    }
    return false;
}
#endif
