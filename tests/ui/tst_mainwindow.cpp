// The main window: page navigation, the program's argument, popup menu, help,
// about box and the close button.
#include "app/mainwindow.h"
#include "image/extractjob.h"
#include "pages/extractpage.h"
#include "runner/runcommandthread.h"
#include "ui/aboutusdialog.h"
#include "ui/settings.h"

#include "scripteddialogs.h"
#include "testutil.h"
#include "uitestutil.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    UrlRecorder m_recorder;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_recorder, "open");
    }

    void jobButtonsOpenFreshPages_data()
    {
        QTest::addColumn<QByteArray>("pageClass");
        QTest::addColumn<int>("x");
        QTest::newRow("burn") << QByteArray("CBurnDialog") << 1;
        QTest::newRow("extract") << QByteArray("CPage2") << 1;
        QTest::newRow("create") << QByteArray("CPage3") << 1;
        QTest::newRow("edit") << QByteArray("CPage4") << 3;
        QTest::newRow("copy") << QByteArray("CPage5") << 1;
    }

    void jobButtonsOpenFreshPages()
    {
        const char* button = QTest::currentDataTag();
        QFETCH(QByteArray, pageClass);
        QFETCH(int, x);
        MainWindow window;
        window.show();
        clickButton(&window, button);
        QPointer<ImageDialog> first = window.CurrentPage();
        QVERIFY(first);
        QCOMPARE(first->metaObject()->className(), pageClass.constData());
        QCOMPARE(first->parentWidget(), &window);
        QCOMPARE(first->pos(), QPoint(x, 107));
        QVERIFY(first->isVisible());

        clickButton(first, "back");
        QVERIFY(first);
        QVERIFY(!first->isVisible());
        clickButton(&window, button);
        QVERIFY(window.CurrentPage() != first.data());
        QVERIFY(window.CurrentPage()->isVisible());
    }

    // The program's argument: the Extract page with that image listed, or a
    // message naming what is wrong with it.
    void openImageOnTheExtractPage()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.path() + "/src/readme.txt", "hello"));
        const QString image = dir.path() + "/my image.iso";
        QVERIFY(TestUtil::makeIso(dir.path() + "/src", image));
        ScriptedDialogs dialogs;
        for (const QString& path : {image, dir.path() + "/gone.iso", dir.path()}) {
            MainWindow window(nullptr, {&dialogs});
            window.show();
            window.OpenImage(path);
            auto* page = qobject_cast<CPage2*>(window.CurrentPage());
            QVERIFY(page && page->isVisible());
            if (path != image) {
                QVERIFY2(dialogs.last().text.contains(path), qPrintable(dialogs.last().text));
                QVERIFY(!page->IsListing());
                continue;
            }
            QSignalSpy ended(page, &CPage2::sigListingEnded);
            QVERIFY(ended.wait(30000));
            QVERIFY(ended.first().first().toBool());
            QCOMPARE(page->ImagePath(), image);
            QCOMPARE(page->Table()->rowCount(), 1);
        }
    }

    void draggingAPageOrEscapeChangesNothing()
    {
        MainWindow window;
        window.show();
        clickButton(&window, "copy");
        ImageDialog* page = window.CurrentPage();
        const QPoint windowAt = window.pos();
        drag(page, QPoint(300, 200), QPoint(40, 30));
        QCOMPARE(page->pos(), QPoint(1, 107));
        QCOMPARE(window.pos(), windowAt);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
    }

    void menuIsRebuiltNotDuplicated()
    {
        MainWindow window;
        window.show();
        clickMenuButton(&window, "menu");
        QPointer<QMenu> first = window.PopupMenu();
        QVERIFY(first);
        QPointer<QMenu> firstLanguages = first->actions().first()->menu();
        clickMenuButton(&window, "menu");
        QVERIFY(!first);
        QVERIFY(!firstLanguages);
        QVERIFY(window.PopupMenu());
        int menus = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            menus += w->inherits("QMenu") && !w->parent();
        QCOMPARE(menus, 1);
        QCOMPARE(window.PopupMenu()->actions().first()->menu()->actions().size(), 12);
    }

    void helpAndAbout()
    {
        MainWindow window;
        window.show();
        m_recorder.urls.clear();
        clickButton(&window, "help");
        QCOMPARE(m_recorder.urls.size(), 1);

        bool asked = false;
        QPointer<QDialog> about;
        ModalAnswers<> answer([&](QDialog* d) {
            asked = true;
            about = d;
            return 0;
        });
        window.aboutus();
        // Shown modally, then destroyed.
        QVERIFY(asked);
        QVERIFY(about.isNull());
        QVERIFY(window.findChildren<CAboutusDialog*>().isEmpty());
    }

    // The menu's shortcuts act without the menu, on a page too.
    void menuShortcuts()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.onExtract();
        m_recorder.urls.clear();
        QTest::keyClick(window.CurrentPage(), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(m_recorder.urls.size(), 1);
        int abouts = 0;
        ModalAnswers<CAboutusDialog> answer([&](CAboutusDialog*) {
            ++abouts;
            return 0;
        });
        QTest::keyClick(&window, Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(abouts, 1);
        window.activateWindow(); // the about box had it
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(!window.isVisible());
    }

    // What the program keeps between runs: the language chosen in the menu,
    // where the file dialogs start, the recent images (existing ones only).
    void settingsRoundTrip()
    {
        QTemporaryDir dir;
        {
            MainWindow window;
            window.onGerman();
        }
        QCOMPARE(Settings::Value(MainWindow::LanguageKey).toString(), QStringLiteral("/translations/qt_de.qm"));
        {
            MainWindow window;
            QVERIFY(window.LanguageTranslator()->isEmpty()); // only main() restores it
            window.RestoreLanguage();
            QVERIFY(!window.LanguageTranslator()->isEmpty());
            QCOMPARE(window.findChild<CImageButton*>("burn")->Text(), QStringLiteral("Brennen"));
            window.onEnglish();
        }
        Settings::SetValue(MainWindow::LanguageKey, QStringLiteral("/../../etc/passwd"));
        MainWindow other;
        other.RestoreLanguage();
        QVERIFY(other.LanguageTranslator()->isEmpty());

        const QString file = dir.filePath("sub/one.iso");
        QVERIFY(TestUtil::writeFile(file, "x"));
        Settings::RememberPlace(file);
        QCOMPARE(Settings::StartFolder(), dir.filePath("sub"));
        Settings::RememberPlace(dir.path());
        QCOMPARE(Settings::StartFolder(), dir.path());
        Settings::RememberPlace(dir.filePath("gone/x.iso")); // no such folder: kept as it was
        QCOMPARE(Settings::StartFolder(), dir.path());

        Settings::ClearRecentImages();
        const QString two = dir.filePath("two.iso");
        QVERIFY(TestUtil::writeFile(two, "x"));
        for (const QString& image : {file, two, file})
            Settings::AddRecentImage(image);
        QCOMPARE(Settings::RecentImages(), (QStringList {file, two}));
        QFile::remove(two);
        QCOMPARE(Settings::RecentImages(), QStringList {file});
    }

    // The menu lists the recent images; choosing one opens it on the Extract
    // page. An image dropped on the home page opens there too.
    void recentImagesAndDrops()
    {
        QTemporaryDir dir;
        const QString image = dir.filePath("recent.iso");
        QVERIFY(TestUtil::writeFile(image, "not really an image"));
        Settings::ClearRecentImages();
        Settings::AddRecentImage(image);
        ScriptedDialogs dialogs;
        MainWindow window(nullptr, {&dialogs});
        window.show();
        clickMenuButton(&window, "menu");
        QMenu* recent = window.PopupMenu()->actions().at(1)->menu();
        QVERIFY(recent);
        QCOMPARE(recent->actions().first()->text(), image);
        recent->actions().first()->trigger();
        auto* page = qobject_cast<CPage2*>(window.CurrentPage());
        QVERIFY(page);
        QCOMPARE(page->ImagePath(), image);

        page->close();
        const QString dropped = dir.filePath("dropped.ISO");
        QVERIFY(TestUtil::writeFile(dropped, "x"));
        QVERIFY(!dropFiles(&window, {dir.filePath("notes.txt")}));
        QVERIFY(dropFiles(&window, {dropped}));
        QCOMPARE(qobject_cast<CPage2*>(window.CurrentPage())->ImagePath(), dropped);
        QVERIFY(!dropFiles(&window, {dropped})); // a page is shown: it decides
    }

    void closeEndsToolChildrenThenExits()
    {
        int exitCode = -1;
        bool childGoneAtExit = false;
        const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
        QVERIFY(!sleep.isEmpty());
        PageContext context;
        context.exit = [&](int code) {
            exitCode = code;
            childGoneAtExit = !processWithArgument(QStringLiteral("31.4159"));
        };
        MainWindow window(nullptr, context);
        window.show();
        // The runner reads the child's output only once it has registered the
        // child, so the first line says closing can find it.
        CRunCommandThread runner;
        QSignalSpy output(&runner, &CRunCommandThread::standoutputline);
        runner.setCommand(QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("echo ready; exec %1 31.4159").arg(sleep)});
        runner.start();
        QTRY_VERIFY(!output.isEmpty());
        QVERIFY(processWithArgument(QStringLiteral("31.4159")));

        clickButton(&window, "close");
        QCOMPARE(exitCode, 0);
        QVERIFY(childGoneAtExit);
        QVERIFY(runner.wait(5000));
    }

    // Closing while a job runs asks first; then the job ends as by Stop and
    // leaves nothing of its own in the user's folder.
    void closeAsksThenStopsJobsAndCleansUp()
    {
        QTemporaryDir dir;
        const QString tool = dir.filePath("slow7z");
        QVERIFY(TestUtil::writeFile(tool, "#!/bin/sh\necho working\nexec sleep 30\n"));
        QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QDir().mkpath(dir.filePath("out")));
        ScriptedDialogs dialogs;
        PageContext context(&dialogs);
        int exitCode = -1;
        context.exit = [&](int code) {
            exitCode = code;
        };
        MainWindow window(nullptr, context);
        window.show();
        ExtractJob job({dir.filePath("x.iso"), dir.filePath("out"), {{"a", "a"}}, Existing::Replace, {}, tool});
        job.start();
        QVERIFY(job.isRunning());
        QVERIFY(QFileInfo(job.stagingFolder()).isDir());

        clickButton(&window, "close"); // not confirmed
        QCOMPARE(exitCode, -1);
        QVERIFY(job.isRunning());
        QCOMPARE(dialogs.said.size(), 1);
        QCOMPARE(dialogs.last().kind, ScriptedDialogs::Said::Question);

        dialogs.confirmations << 1;
        window.close();
        QCOMPARE(exitCode, 0);
        QCOMPARE(job.status(), Job::Status::Stopped);
        QCOMPARE(TestUtil::listTree(dir.filePath("out")), QStringList());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
