// The copy-disc page headless, with the stand-in recorder and reader.
#include "pages/copydiscpage.h"
#include "ui/emptylisttext.h"
#include "ui/imagebutton.h"
#include "ui/progressdialog.h"

#include "scripteddialogs.h"
#include "testutil.h"
#include "uitestutil.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestPage5 : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
    PageContext m_context {&m_dialogs};

    // A page whose drive list holds the two recorders of the scan.
    std::unique_ptr<CPage5> page()
    {
        TestUtil::playStandIn("cdrskin/scanbus-two.txt");
        auto page = std::make_unique<CPage5>(nullptr, m_context);
        QSignalSpy scanned(page.get(), &CPage5::sigScanEnded);
        if (page->IsScanning())
            scanned.wait(10000);
        return page;
    }

private slots:
    void initTestCase()
    {
        m_context.tools.recorder = TestUtil::standInTool();
        m_context.tools.reader = m_dir.path() + "/reader";
        QVERIFY(QFile::copy(m_context.tools.recorder, m_context.tools.reader));
        m_context.drives.probe = twoRecorders;
    }

    void init()
    {
        m_dialogs = ScriptedDialogs();
        for (const char* name :
            {"QUILLON_STANDIN_ARGS", "QUILLON_STANDIN_SECTORS", "QUILLON_STANDIN_READ", "QUILLON_STANDIN_DELAY_MS"})
            qunsetenv(name);
    }

    void emptyListAndEject()
    {
        TestUtil::playStandIn("cdrskin/scanbus-none.raw");
        CPage5 empty(nullptr, m_context);
        QSignalSpy scanned(&empty, &CPage5::sigScanEnded);
        QVERIFY(scanned.wait(10000));
        const QString args = m_dir.path() + "/eject-args.txt";
        qputenv("QUILLON_STANDIN_ARGS", args.toUtf8());
        empty.OnEject();
        QTest::qWait(300);
        QVERIFY(!QFile::exists(args)); // nothing ran
        empty.OnStart(); // what is missing is the drive, not the file
        QVERIFY(m_dialogs.last().text.startsWith(CPage5::NoDriveText()));
        QCOMPARE(EmptyListText(empty.DriveList()), CPage5::NoDriveText());

        qunsetenv("QUILLON_STANDIN_ARGS");
        auto full = page();
        QCOMPARE(full->DriveList()->count(), 2);
        qputenv("QUILLON_STANDIN_ARGS", args.toUtf8());
        full->DriveList()->setCurrentIndex(1);
        full->OnEject();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(args) && TestUtil::readFile(args).endsWith("\n"), 10000);
        QCOMPARE(QString::fromUtf8(TestUtil::readFile(args)), QStringLiteral("-dev=2,0,0\n-eject\n"));
        QCOMPARE(m_dialogs.said.size(), 1); // the eject shows nothing

        full->OnStart();
        QCOMPARE(m_dialogs.last().text, QStringLiteral("Please select the iso file to save."));
    }

    void readings()
    {
        auto p = page();
        QSignalSpy ended(p.get(), &CPage5::sigReadEnded);
        const QString target = m_dir.path() + "/copies/disc";
        QDir().mkpath(m_dir.path() + "/copies");
        m_dialogs.answers << target;
        p->OnBrowser();

        TestUtil::playStandIn("readom/read-ok.txt");
        qputenv("QUILLON_STANDIN_SECTORS", "2000");
        p->OnStart();
        QCOMPARE(p->OutputField()->text(), target + ".iso");
        QVERIFY(p->Progress()->StopButton()->isEnabled());
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.last().first().toBool(), true);
        QCOMPARE(p->Progress()->ProgressBar()->maximum(), 2000);
        QCOMPARE(m_dialogs.last().kind, ScriptedDialogs::Said::OpenFolder);
        QCOMPARE(m_dialogs.last().text, QStringLiteral("Copy CD/DVD successfully!"));
        QCOMPARE(m_dialogs.last().folder, m_dir.path() + "/copies");
        QCOMPARE(QFileInfo(target + ".iso").size(), 2000 * 2048);

        // A disc that breaks off midway: the job's reason reaches the user.
        // Its image is there now: replacing it is asked about.
        TestUtil::playStandIn("readom/read-error.txt", 255);
        qputenv("QUILLON_STANDIN_SECTORS", "2000");
        qputenv("QUILLON_STANDIN_READ", "700");
        m_dialogs.confirmations << 1;
        p->OnStart();
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.last().first().toBool(), false);
        QVERIFY(m_dialogs.last().text.contains("cannot be read"));
        QCOMPARE(QFileInfo(target + ".iso").size(), 2000 * 2048); // the old image stays

        QVERIFY(QFile::rename(m_context.tools.reader, m_context.tools.reader + ".away"));
        m_dialogs.confirmations << 1;
        p->OnStart();
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.last().first().toBool(), false);
        QVERIFY(!p->Progress()->isVisible());
        QVERIFY(QFile::rename(m_context.tools.reader + ".away", m_context.tools.reader));
    }

    void refusedTargetsAndStop()
    {
        auto p = page();
        m_dialogs.answers << m_dir.path();
        p->OnBrowser();
        p->OnStart();
        QVERIFY(m_dialogs.last().text.contains("is a folder"));
        QVERIFY(!p->ReadJob());

        const QString target = m_dir.path() + "/stopped.iso";
        m_dialogs.answers << target;
        p->OnBrowser();
        p->DriveList()->setCurrentIndex(1);
        TestUtil::playStandIn("readom/read-ok.txt");
        qputenv("QUILLON_STANDIN_SECTORS", "100000");
        qputenv("QUILLON_STANDIN_DELAY_MS", "20");
        p->OnStart();
        QTRY_VERIFY_WITH_TIMEOUT(p->Progress()->ProgressBar()->value() > 0, 10000);
        const QString part = p->ReadJob()->partPath();
        QVERIFY(QFile::exists(part));
        // A drive change meanwhile rescans the list, keeps the chosen drive
        // and leaves the reading be.
        QSignalSpy scanned(p.get(), &CPage5::sigScanEnded);
        TestUtil::playStandIn("cdrskin/scanbus-two.txt");
        p->InitializeDVDComboBox();
        QVERIFY(scanned.wait(10000));
        QVERIFY(p->ReadJob() && p->ReadJob()->isRunning());
        QCOMPARE(p->DriveList()->currentIndex(), 1);
        m_dialogs.said.clear();
        p->Progress()->OnBtnCancel(); // Stop
        QVERIFY(!p->ReadJob());
        QVERIFY(!QFile::exists(part));
        QVERIFY(!p->Progress()->isVisible());
        QVERIFY(m_dialogs.said.isEmpty());

        // The next reading works.
        qunsetenv("QUILLON_STANDIN_DELAY_MS");
        TestUtil::playStandIn("readom/read-ok.txt");
        qputenv("QUILLON_STANDIN_SECTORS", "128");
        QSignalSpy ended(p.get(), &CPage5::sigReadEnded);
        p->OnStart();
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.last().first().toBool(), true);
        QCOMPARE(QFileInfo(target).size(), 128 * 2048);

        // A typed name whose image exists, or a link of that name: asked first.
        QVERIFY(QFile::link(target, m_dir.path() + "/linked.iso"));
        for (const QString& typed : {m_dir.path() + "/stopped", m_dir.path() + "/linked"}) {
            m_dialogs.said.clear();
            p->OutputField()->setText(typed);
            p->OnStart();
            QCOMPARE(m_dialogs.said.size(), 1);
            QCOMPARE(m_dialogs.last().kind, ScriptedDialogs::Said::Question);
            QVERIFY(!p->ReadJob());
        }
        QCOMPARE(QFileInfo(target).size(), 128 * 2048);
        QVERIFY(QFileInfo(m_dir.path() + "/linked.iso").isSymLink());
    }
};

QTEST_MAIN(TestPage5)
#include "tst_copydiscpage.moc"
