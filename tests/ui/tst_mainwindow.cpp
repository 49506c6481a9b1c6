// The main window: page navigation, popup menu, language slots, help, about
// box and the close button.
#include "app/mainwindow.h"
#include "pages/burndialog.h"
#include "pages/page2.h"
#include "pages/page3.h"
#include "pages/page4.h"
#include "pages/page5.h"
#include "runner/runcommandthread.h"
#include "ui/aboutusdialog.h"
#include "ui/imagebutton.h"
#include "ui/modalhook.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

namespace {
void clickButton(QWidget* parent, const char* name)
{
    auto* button = parent->findChild<CImageButton*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}

// A button whose pictures fail to load keeps no text; the picture set is
// built separately, so text checks wait for it.
bool havePictures()
{
    return QFile::exists(QStringLiteral(":/vud/main"));
}

// True while some process of ours runs with exactly this command line.
bool processRunning(const QByteArray& cmdline)
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& pid : entries) {
        QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (file.open(QIODevice::ReadOnly) && file.readAll() == cmdline) {
            // A zombie still has no command line, so a match is a live child.
            return true;
        }
    }
    return false;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    UrlRecorder m_recorder;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_recorder, "open");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    void homePage()
    {
        MainWindow window;
        QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Quillon"));
        QVERIFY(window.DragEnabled());
        const struct
        {
            const char* name;
            QPoint at;
            QString text;
        } buttons[] = {
            {"menu", {775, 1}, {}},
            {"min", {803, 1}, {}},
            {"close", {831, 1}, {}},
            {"burn", {40, 120}, QStringLiteral("Burn")},
            {"extract", {570, 120}, QStringLiteral("Extract")},
            {"create", {40, 350}, QStringLiteral("Create")},
            {"edit", {305, 350}, QStringLiteral("Edit")},
            {"copy", {570, 350}, QStringLiteral("Copy Disk")},
            {"help", {699, 48}, {}},
        };
        for (const auto& b : buttons) {
            auto* button = window.findChild<CImageButton*>(QLatin1String(b.name));
            QVERIFY2(button, b.name);
            QCOMPARE(button->pos(), b.at);
            if (havePictures())
                QCOMPARE(button->Text(), b.text);
        }
        QCOMPARE(window.findChild<CImageButton*>(QStringLiteral("close"))->FrameCount(), 3);
        // The signal the pages listen to comes first in the meta-object.
        const QMetaObject& meta = MainWindow::staticMetaObject;
        QCOMPARE(meta.method(meta.methodOffset()).name(), QByteArray("sigdrivechange"));
    }

    void jobButtonsOpenFreshPages_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("pageClass");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("burn") << QByteArray("burn") << QByteArray("CBurnDialog") << QPoint(1, 107);
        QTest::newRow("extract") << QByteArray("extract") << QByteArray("CPage2") << QPoint(1, 107);
        QTest::newRow("create") << QByteArray("create") << QByteArray("CPage3") << QPoint(1, 107);
        QTest::newRow("edit") << QByteArray("edit") << QByteArray("CPage4") << QPoint(3, 107);
        QTest::newRow("copy") << QByteArray("copy") << QByteArray("CPage5") << QPoint(1, 107);
    }

    void jobButtonsOpenFreshPages()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, pageClass);
        QFETCH(QPoint, at);
        MainWindow window;
        window.show();
        clickButton(&window, button.constData());
        QPointer<ImageDialog> first = window.CurrentPage();
        QVERIFY(first);
        QCOMPARE(first->metaObject()->className(), pageClass.constData());
        QCOMPARE(first->parentWidget(), &window);
        QVERIFY(!first->isWindow());
        QCOMPARE(first->pos(), at);
        QVERIFY(first->isVisible());
        QVERIFY(!first->DragEnabled());

        clickButton(first, "back");
        QVERIFY(first);
        QVERIFY(!first->isVisible());

        clickButton(&window, button.constData());
        ImageDialog* second = window.CurrentPage();
        QVERIFY(second != first.data());
        QVERIFY(second->isVisible());
        // The closed page stays a hidden child.
        QVERIFY(first);
        QCOMPARE(first->parentWidget(), &window);
    }

    void draggingAPageMovesNothing()
    {
        MainWindow window;
        window.move(50, 60);
        window.show();
        clickButton(&window, "copy");
        ImageDialog* page = window.CurrentPage();
        const QPoint windowAt = window.pos();
        const QPoint from(300, 200);
        const QPoint global = page->mapToGlobal(from);
        QMouseEvent press(QEvent::MouseButtonPress, from, global, Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(page, &press);
        QMouseEvent move(QEvent::MouseMove, from + QPoint(40, 30), global + QPoint(40, 30), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(page, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, from + QPoint(40, 30), global + QPoint(40, 30),
                            Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(page, &release);
        QCOMPARE(page->pos(), QPoint(1, 107));
        QCOMPARE(window.pos(), windowAt);
    }

    void menuIsRebuiltNotDuplicated()
    {
        MainWindow::SetMenuExecEnabled(false);
        MainWindow window;
        window.onMenu();
        QPointer<QMenu> first = MainWindow::PopupMenu();
        QVERIFY(first);
        QPointer<QMenu> firstLanguages = first->actions().first()->menu();
        window.onMenu();
        QVERIFY(!first);
        QVERIFY(!firstLanguages);
        QMenu* menu = MainWindow::PopupMenu();
        QVERIFY(menu);
        int menus = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QMenu") && w->parent() == nullptr)
                ++menus;
        QCOMPARE(menus, 1);

        QStringList texts;
        for (QAction* a : menu->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(texts, (QStringList{QStringLiteral("Language(&L)"), QStringLiteral("Help(&H)"),
                                     QStringLiteral("About Us(&U)"), QStringLiteral("-"),
                                     QStringLiteral("Exit(&E)")}));
        QStringList languages;
        for (QAction* a : menu->actions().first()->menu()->actions())
            languages << a->text();
        QCOMPARE(languages,
                 (QStringList{"English", "Chinese", "Japanese", "French", "German", "Spanish",
                              "Portugues", "Polish", "Italian", "Russian", "Netherlands", "Swedish"}));
        QCOMPARE(menu->actions().at(1)->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
        MainWindow::SetMenuExecEnabled(true);
    }

    void languageActionsLoadTheirFile_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::newRow("Swedish") << QStringLiteral("Swedish") << QStringLiteral("qt_sv.qm");
        QTest::newRow("Netherlands") << QStringLiteral("Netherlands") << QStringLiteral("qt_nl.qm");
        QTest::newRow("Portugues") << QStringLiteral("Portugues") << QStringLiteral("qt_pt.qm");
        QTest::newRow("English") << QStringLiteral("English") << QStringLiteral("qt_en.qm");
    }

    void languageActionsLoadTheirFile()
    {
        QFETCH(QString, language);
        QFETCH(QString, file);
        MainWindow::SetMenuExecEnabled(false);
        MainWindow window;
        window.onMenu();
        QAction* chosen = nullptr;
        for (QAction* a : MainWindow::PopupMenu()->actions().first()->menu()->actions())
            if (a->text() == language)
                chosen = a;
        QVERIFY(chosen);
        const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/translations/") + file;
        // Twice: the same language again must not fail either.
        for (int i = 0; i < 2; ++i) {
            QTest::ignoreMessage(QtDebugMsg, qPrintable(QLatin1Char('"') + path + QLatin1Char('"')));
            chosen->trigger();
        }
        // Without that file the home page keeps its source texts.
        if (!QFile::exists(path) && havePictures())
            QCOMPARE(window.findChild<CImageButton*>(QStringLiteral("burn"))->Text(),
                     QStringLiteral("Burn"));
        MainWindow::SetMenuExecEnabled(true);
    }

    void helpAndAbout()
    {
        MainWindow window;
        m_recorder.urls.clear();
        window.onHelp();
        QCOMPARE(m_recorder.urls, QList<QUrl>{QUrl(QStringLiteral("https://github.com/quillon-iso/quillon#readme"))});

        QPointer<QDialog> shown;
        {
            ModalHook::Scope answer([&](QDialog* d) {
                shown = d;
                return 0;
            });
            window.aboutus();
        }
        // Shown modally, then destroyed.
        QVERIFY(shown.isNull());
        QVERIFY(window.findChildren<CAboutusDialog*>().isEmpty());
    }

    void escapeKeepsTheWindow()
    {
        MainWindow window;
        window.show();
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
    }

    void closeEndsToolChildrenThenExits()
    {
        int exitCode = -1;
        bool childGoneAtExit = false;
        const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
        QVERIFY(!sleep.isEmpty());
        const QByteArray cmdline = sleep.toLocal8Bit() + QByteArray("\0" "31.4159\0", 9);
        MainWindow::SetExitFunction([&](int code) {
            exitCode = code;
            childGoneAtExit = !processRunning(cmdline);
        });
        MainWindow window;
        window.show();

        CRunCommandThread runner;
        runner.setCommand(sleep, {QStringLiteral("31.4159")});
        runner.start();
        QTRY_VERIFY(processRunning(cmdline));

        clickButton(&window, "close");
        QCOMPARE(exitCode, 0);
        QVERIFY(childGoneAtExit);
        QVERIFY(runner.wait(5000));
        MainWindow::SetExitFunction(nullptr);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
