// The main window: page navigation, popup menu, language slots, help, about
// box and the close button.
#include "app/mainwindow.h"
#include "pages/page2.h"
#include "scripteddialogs.h"
#include "testutil.h"
#include "runner/runcommandthread.h"
#include "ui/aboutusdialog.h"

#include <QLoggingCategory>
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include "uitestutil.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {
// True while some process of ours runs with exactly this command line.
bool processRunning(const QByteArray& cmdline)
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& pid : entries) {
        QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
        // A zombie has an empty command line, so a match is a live child.
        if (file.open(QIODevice::ReadOnly) && file.readAll() == cmdline)
            return true;
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
        QLoggingCategory::setFilterRules(QStringLiteral("quillon.trace.debug=true")); // the traces are checked
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
    void openImageListsItOnTheExtractPage()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.path() + "/src/readme.txt", "hello"));
        const QString image = dir.path() + "/my image.iso";
        QVERIFY(TestUtil::makeIso(dir.path() + "/src", image));

        MainWindow window;
        window.show();
        window.OpenImage(image);
        auto* page = qobject_cast<CPage2*>(window.CurrentPage());
        QVERIFY(page);
        QVERIFY(page->isVisible());
        QSignalSpy ended(page, &CPage2::sigListingEnded);
        QVERIFY(ended.wait(30000));
        QVERIFY(ended.first().first().toBool());
        QCOMPARE(page->ImagePath(), image);
        QCOMPARE(page->Table()->rowCount(), 1);
    }

    void openImageNamesAMissingImageOrAFolder()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        for (const QString& path : {dir.path() + "/gone.iso", dir.path()}) {
            MainWindow window(nullptr, {&dialogs});
            window.show();
            window.OpenImage(path);
            auto* page = qobject_cast<CPage2*>(window.CurrentPage());
            QVERIFY(page);
            QVERIFY2(dialogs.last().text.contains(path), qPrintable(dialogs.last().text));
            QVERIFY(!page->IsListing());
        }
    }

    void draggingAPageOrEscapeChangesNothing()
    {
        MainWindow window;
        window.show();
        clickButton(&window, "copy");
        ImageDialog* page = window.CurrentPage();
        const QPoint windowAt = window.pos();
        const QPoint from(300, 200), to(340, 230);
        QMouseEvent press(QEvent::MouseButtonPress, from, page->mapToGlobal(from), Qt::LeftButton,
                          Qt::LeftButton, {});
        QMouseEvent move(QEvent::MouseMove, to, page->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QMouseEvent release(QEvent::MouseButtonRelease, to, page->mapToGlobal(to), Qt::LeftButton,
                            Qt::NoButton, {});
        for (QMouseEvent* event : {&press, &move, &release})
            QApplication::sendEvent(page, event);
        QCOMPARE(page->pos(), QPoint(1, 107));
        QCOMPARE(window.pos(), windowAt);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
    }

    void menuIsRebuiltNotDuplicatedAndLoadsLanguages()
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
        const QList<QAction*> languages = window.PopupMenu()->actions().first()->menu()->actions();
        QCOMPARE(languages.size(), 12);

        // Languages whose slot is named differently load their own file, again when chosen twice.
        const QMap<QString, QString> files{{QStringLiteral("Swedish"), QStringLiteral("qt_sv.qm")},
                                           {QStringLiteral("Netherlands"), QStringLiteral("qt_nl.qm")},
                                           {QStringLiteral("Portugues"), QStringLiteral("qt_pt.qm")}};
        int triggered = 0;
        for (QAction* action : languages) {
            if (!files.contains(action->text()))
                continue;
            ++triggered;
            const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/translations/")
                                 + files.value(action->text());
            for (int i = 0; i < 2; ++i) {
                QTest::ignoreMessage(QtDebugMsg, qPrintable(QLatin1Char('"') + path + QLatin1Char('"')));
                action->trigger();
            }
        }
        QCOMPARE(triggered, 3);
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

    void closeEndsToolChildrenThenExits()
    {
        int exitCode = -1;
        bool childGoneAtExit = false;
        const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
        QVERIFY(!sleep.isEmpty());
        const QByteArray cmdline = sleep.toLocal8Bit() + QByteArray("\0" "31.4159\0", 9);
        PageContext context;
        context.exit = [&](int code) {
            exitCode = code;
            childGoneAtExit = !processRunning(cmdline);
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
        QVERIFY(processRunning(cmdline));

        clickButton(&window, "close");
        QCOMPARE(exitCode, 0);
        QVERIFY(childGoneAtExit);
        QVERIFY(runner.wait(5000));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
