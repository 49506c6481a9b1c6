// Builder output parsing, build result judging, output clean-up and the
// per-page staging folders.

#include "image/isobuild.h"
#include "image/isocontent.h"
#include "image/staging.h"
#include "runner/tools.h"

#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace IsoBuild;

class TestIsoBuild : public QObject
{
    Q_OBJECT

private:
    static QStringList fixtureLines(const QString& name)
    {
        QFile file(QStringLiteral(QUILLON_TEST_DATA "/genisoimage/") + name);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        // The runner hands over pieces that still end in their line feed.
        QStringList pieces;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.trimmed().isEmpty())
                pieces << QString::fromUtf8(line) + QLatin1Char('\n');
        }
        return pieces;
    }

    static qint64 deadPid()
    {
        QProcess p;
        p.start(QStringLiteral("true"), QStringList());
        if (!p.waitForStarted())
            return 0;
        const qint64 pid = p.processId();
        p.waitForFinished();
        return pid;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void progress_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<int>("hundredths");
        QTest::newRow("real line") << " 33.77% done, estimate finish Sun Dec  6 20:04:22 2026\n" << 3377;
        QTest::newRow("blank and 9.99") << " 9.99% done, estimate finish Sun Dec  6 20:04:22 2026" << 999;
        QTest::newRow("hundred") << "100.00% done, estimate finish Sun Dec  6 20:04:22 2026" << 10000;
        QTest::newRow("tiny") << "  0.22% done, estimate finish Sun Dec  6 20:06:41 2026\n" << 22;
        QTest::newRow("not a number") << "abc% done, estimate finish x" << 0;
        QTest::newRow("marker first") << "% done, estimate finish Sun Dec  6 2026" << -1;
        QTest::newRow("no marker") << "14833 extents written (28 MB)\n" << -1;
        QTest::newRow("other case") << " 33.77% Done, estimate finish" << -1;
    }
    void progress()
    {
        QFETCH(QString, piece);
        QFETCH(int, hundredths);
        QCOMPARE(ProgressHundredths(piece), hundredths);
    }

    void extents_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<qint64>("extents");
        QTest::newRow("small") << "14833 extents written (28 MB)\n" << qint64(14833);
        QTest::newRow("large") << "2304426 extents written (4500 MB)" << qint64(2304426);
        QTest::newRow("statistics") << "Total extents scheduled to be written = 14833" << qint64(-1);
        QTest::newRow("progress") << " 67.42% done, estimate finish Sun Dec  6 2026" << qint64(-1);
    }
    void extents()
    {
        QFETCH(QString, piece);
        QFETCH(qint64, extents);
        QCOMPARE(ExtentsWritten(piece), extents);
    }

    // Captured runs of the real builder (see tests/data/genisoimage/README.md).
    void fixtures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qint64>("extents");
        QTest::addColumn<QString>("errorLine");
        QTest::addColumn<int>("lastProgress");
        QTest::newRow("joliet ok") << "joliet-ok.txt" << qint64(14833) << QString() << 6742;
        QTest::newRow("udf ok") << "udf-ok.txt" << qint64(15079) << QString() << 6636;
        QTest::newRow("unwritable")
            << "unwritable-output.txt" << qint64(-1)
            << "genisoimage: Permission denied. Unable to open disc image file '/sys/out.iso'." << -1;
        QTest::newRow("disk full") << "disk-full.txt" << qint64(-1)
                                   << "genisoimage: No space left on device. cannot fwrite 2048*1" << -1;
        QTest::newRow("large refused")
            << "large-refused.txt" << qint64(-1)
            << "-allow-limited-size was not specified. There is no way do represent this file size. Aborting."
            << -1;
        QTest::newRow("large allowed") << "large-allowed.txt" << qint64(2304426) << QString() << 9981;
    }
    void fixtures()
    {
        QFETCH(QString, file);
        QFETCH(qint64, extents);
        QFETCH(QString, errorLine);
        QFETCH(int, lastProgress);
        const QStringList pieces = fixtureLines(file);
        QVERIFY2(!pieces.isEmpty(), qPrintable(file));
        OutputLog log;
        for (const QString& piece : pieces)
            log.Feed(piece);
        QCOMPARE(log.Extents(), extents);
        QCOMPARE(log.LastProgress(), lastProgress);
        if (extents >= 0) {
            // A good run's warnings and notes are no errors, whatever they say.
            QVERIFY2(!log.ErrorLine().startsWith(QLatin1String("genisoimage:")), qPrintable(log.ErrorLine()));
        } else {
            QCOMPARE(log.ErrorLine(), errorLine);
        }
    }

    void toolErrorBeatsLaterLines()
    {
        OutputLog log;
        log.Feed(QStringLiteral("genisoimage: Warning: creating filesystem with (nonstandard) Joliet extensions\n"));
        log.Feed(QStringLiteral("genisoimage: Uh oh, I cant find the boot image 'ogus' !\n"));
        log.Feed(QStringLiteral("some trailing note\n"));
        log.Feed(QStringLiteral("Max brk space used 0\n"));
        QCOMPARE(log.ErrorLine(), QStringLiteral("genisoimage: Uh oh, I cant find the boot image 'ogus' !"));
    }

    void judge_data()
    {
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<bool>("failedToStart");
        QTest::addColumn<bool>("crashed");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<qint64>("extents");
        QTest::addColumn<qint64>("fileSize"); // -1: no file
        QTest::addColumn<int>("outcome");
        QTest::newRow("good") << false << false << false << 0 << qint64(3) << qint64(6144)
                              << int(Outcome::Succeeded);
        QTest::newRow("stopped wins") << true << false << false << 0 << qint64(3) << qint64(6144)
                                      << int(Outcome::Stopped);
        QTest::newRow("not started") << false << true << false << -1 << qint64(-1) << qint64(-1)
                                     << int(Outcome::NotStarted);
        QTest::newRow("crashed") << false << false << true << 0 << qint64(3) << qint64(6144)
                                 << int(Outcome::Crashed);
        QTest::newRow("exit 13") << false << false << false << 13 << qint64(-1) << qint64(-1)
                                 << int(Outcome::ToolFailed);
        QTest::newRow("exit 0 without report") << false << false << false << 0 << qint64(-1) << qint64(2048)
                                               << int(Outcome::NoReport);
        QTest::newRow("file missing") << false << false << false << 0 << qint64(3) << qint64(-1)
                                      << int(Outcome::OutputMissing);
        QTest::newRow("file short") << false << false << false << 0 << qint64(3) << qint64(4096)
                                    << int(Outcome::OutputSizeWrong);
    }
    void judge()
    {
        QFETCH(bool, stopped);
        QFETCH(bool, failedToStart);
        QFETCH(bool, crashed);
        QFETCH(int, exitCode);
        QFETCH(qint64, extents);
        QFETCH(qint64, fileSize);
        QFETCH(int, outcome);
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.iso"));
        if (fileSize >= 0) {
            QFile f(out);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(fileSize));
        }
        RunFacts facts;
        facts.stopped = stopped;
        facts.failedToStart = failedToStart;
        facts.exitStatus = crashed ? QProcess::CrashExit : QProcess::NormalExit;
        facts.exitCode = exitCode;
        facts.extents = extents;
        facts.outputPath = out;
        const Verdict v = Judge(facts);
        QCOMPARE(int(v.outcome), outcome);
        QCOMPARE(v.succeeded(), outcome == int(Outcome::Succeeded));
        QCOMPARE(v.actualBytes, fileSize);
        QCOMPARE(v.expectedBytes, extents >= 0 ? extents * 2048 : qint64(-1));
    }

    void outputGuard()
    {
        QTemporaryDir dir;
        // A file the run created goes.
        const QString fresh = dir.filePath(QStringLiteral("fresh.iso"));
        OutputGuard freshGuard(fresh);
        QVERIFY(!freshGuard.RemovePartial());
        QVERIFY(TestUtil::writeFile(fresh, "partial"));
        QVERIFY(freshGuard.RemovePartial());
        QVERIFY(!QFile::exists(fresh));

        // An older image the run never opened stays.
        const QString older = dir.filePath(QStringLiteral("older.iso"));
        QVERIFY(TestUtil::writeFile(older, "good old image"));
        OutputGuard olderGuard(older);
        QVERIFY(!olderGuard.RemovePartial());
        QVERIFY(QFile::exists(older));
        // ... but once the run has truncated it, it is broken and goes too.
        QVERIFY(TestUtil::writeFile(older, "half"));
        QVERIFY(olderGuard.RemovePartial());

        // Devices and folders are never removed.
        OutputGuard device(QStringLiteral("/dev/null"));
        QVERIFY(!device.RemovePartial());
        QVERIFY(QFile::exists(QStringLiteral("/dev/null")));
        const QString folder = dir.filePath(QStringLiteral("sub"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!OutputGuard(folder).RemovePartial());
        QVERIFY(!OutputGuard().RemovePartial());
    }

    void largeFiles()
    {
        QTemporaryDir dir;
        const QString exact = dir.filePath(QStringLiteral("exact.bin"));
        const QString below = dir.filePath(QStringLiteral("below.bin"));
        for (const auto& [path, size] : {std::pair<QString, qint64>{exact, LargeFileBytes},
                                         std::pair<QString, qint64>{below, LargeFileBytes - 1}}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(size)); // sparse
        }
        IsoContentTree tree;
        IsoEntry e;
        e.isDir = false;
        e.name = QStringLiteral("a\\exact.bin");
        e.localPath = exact;
        QVERIFY(tree.AddEntry(e));
        e.name = QStringLiteral("below.bin");
        e.localPath = below;
        QVERIFY(tree.AddEntry(e));
        e.name = QStringLiteral("gone.bin");
        e.localPath = dir.filePath(QStringLiteral("missing"));
        QVERIFY(tree.AddEntry(e));
        QCOMPARE(LargeFiles(tree.root), QStringList{QStringLiteral("a\\exact.bin")});
    }

    void largeFileSwitch()
    {
        QCOMPARE(Tools::createImageArgs(Tools::ImageType::Udf, "/o.iso", "/d/create-1-1", true),
                 (QStringList{"-udf", "-R", "-joliet-long", "-allow-limited-size", "-o", "/o.iso", "/d/create-1-1"}));
        QVERIFY(!Tools::createImageArgs(Tools::ImageType::Joliet, "/o.iso", "/d").contains("-allow-limited-size"));
    }

    void isInside()
    {
        QCOMPARE(IsInside(QStringLiteral("/a/b/c.iso"), QStringLiteral("/a/b")), true);
        QCOMPARE(IsInside(QStringLiteral("/a/b/x/../c.iso"), QStringLiteral("/a/b/")), true);
        QCOMPARE(IsInside(QStringLiteral("/a/bc.iso"), QStringLiteral("/a/b")), false);
        QCOMPARE(IsInside(QStringLiteral("/a/b"), QStringLiteral("/a/b")), true);
        QCOMPARE(IsInside(QString(), QStringLiteral("/a")), false);
    }

    void stagingFolders()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("staging"));
        StagingArea first(QStringLiteral("create"), root);
        StagingArea second(QStringLiteral("edit"), root);
        QVERIFY(first.isValid());
        QVERIFY(second.isValid());
        QVERIFY(first.path() != second.path());
        QVERIFY(QFileInfo(first.path()).isDir());
        QCOMPARE(StagingArea::OwnerOf(QFileInfo(first.path()).fileName()), QCoreApplication::applicationPid());

        // Folders of ended runs are stale; live ones and foreign names are not.
        const qint64 dead = deadPid();
        QVERIFY(dead > 0);
        const QString staleCreate = root + QStringLiteral("/create-%1-1").arg(dead);
        const QString staleEdit = root + QStringLiteral("/edit-%1-7").arg(dead);
        const QString liveOther = root + QStringLiteral("/create-1-3"); // pid 1 is always running
        const QString foreign = root + QStringLiteral("/notes-%1").arg(dead);
        for (const QString& path : {staleCreate, staleEdit, liveOther, foreign})
            QVERIFY(QDir().mkpath(path));
        QStringList stale = StagingArea::StaleFolders(root);
        stale.sort();
        QStringList expected{QFileInfo(staleCreate).absoluteFilePath(), QFileInfo(staleEdit).absoluteFilePath()};
        expected.sort();
        QCOMPARE(stale, expected);

        // A new area never reuses an existing folder name.
        StagingArea third(QStringLiteral("create"), root);
        QVERIFY(third.isValid());
        QVERIFY(third.path() != first.path());
        QVERIFY(QDir(third.path()).isEmpty());
    }

    void stagingRefusesTopOfFileSystem()
    {
        StagingArea area(QStringLiteral("create"), QStringLiteral("/"));
        QVERIFY(!area.isValid());
        QVERIFY(StagingArea::StaleFolders(QStringLiteral("/")).isEmpty());
        QVERIFY(StagingArea::DefaultRoot().endsWith(QLatin1String("/staging")));
    }
};

QTEST_GUILESS_MAIN(TestIsoBuild)
#include "tst_isobuild.moc"
