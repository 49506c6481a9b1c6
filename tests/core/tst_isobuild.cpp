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

Q_DECLARE_METATYPE(IsoBuild::Outcome)
Q_DECLARE_METATYPE(IsoBuild::RunFacts)

class TestIsoBuild : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void pieces_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<int>("hundredths");
        QTest::addColumn<qint64>("extents");
        QTest::newRow("one digit") << " 9.99% done, estimate finish Sun Dec  6 20:04:22 2026" << 999 << qint64(-1);
        QTest::newRow("not a number") << "abc% done, estimate finish x" << 0 << qint64(-1);
        QTest::newRow("marker first") << "% done, estimate finish Sun Dec  6 2026" << -1 << qint64(-1);
        QTest::newRow("no line feed") << "2304426 extents written (4500 MB)" << -1 << qint64(2304426);
        QTest::newRow("statistics") << "Total extents scheduled to be written = 14833" << -1 << qint64(-1);
    }
    void pieces()
    {
        QFETCH(QString, piece);
        QFETCH(int, hundredths);
        QFETCH(qint64, extents);
        QCOMPARE(ProgressHundredths(piece), hundredths);
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
        QTest::newRow("large allowed") << "large-allowed.txt" << qint64(2304426) << QString() << 9981;
        QTest::newRow("unwritable")
            << "unwritable-output.txt" << qint64(-1)
            << "genisoimage: Permission denied. Unable to open disc image file '/sys/out.iso'." << -1;
        QTest::newRow("disk full") << "disk-full.txt" << qint64(-1)
                                   << "genisoimage: No space left on device. cannot fwrite 2048*1" << -1;
        QTest::newRow("large refused")
            << "large-refused.txt" << qint64(-1)
            << "-allow-limited-size was not specified. There is no way do represent this file size. Aborting."
            << -1;
    }
    void fixtures()
    {
        QFETCH(QString, file);
        QFETCH(qint64, extents);
        QFETCH(QString, errorLine);
        QFETCH(int, lastProgress);
        const QStringList pieces = TestUtil::fixturePieces(QStringLiteral("genisoimage/") + file);
        QVERIFY2(!pieces.isEmpty(), qPrintable(file));
        OutputLog log;
        for (const QString& piece : pieces)
            log.Feed(piece);
        QCOMPARE(log.Extents(), extents);
        QCOMPARE(log.LastProgress(), lastProgress);
        if (extents >= 0) // a good run's warnings and notes are no errors
            QVERIFY2(!log.ErrorLine().startsWith(QLatin1String("genisoimage:")), qPrintable(log.ErrorLine()));
        else
            QCOMPARE(log.ErrorLine(), errorLine);
    }

    void toolErrorBeatsLaterLines()
    {
        OutputLog log;
        for (const char* line : {"genisoimage: Warning: creating filesystem with (nonstandard) Joliet extensions\n",
                                 "genisoimage: Uh oh, I cant find the boot image 'ogus' !\n", "some trailing note\n",
                                 "Max brk space used 0\n"})
            log.Feed(QString::fromUtf8(line));
        QCOMPARE(log.ErrorLine(), QStringLiteral("genisoimage: Uh oh, I cant find the boot image 'ogus' !"));
    }

    void judge_data()
    {
        QTest::addColumn<RunFacts>("facts");
        QTest::addColumn<qint64>("fileSize"); // -1: no file
        QTest::addColumn<Outcome>("outcome");
        const auto normal = QProcess::NormalExit;
        QTest::newRow("good") << RunFacts{false, false, normal, 0, 3, {}} << qint64(6144) << Outcome::Succeeded;
        QTest::newRow("stopped wins") << RunFacts{true, false, normal, 0, 3, {}} << qint64(6144) << Outcome::Stopped;
        QTest::newRow("not started") << RunFacts{false, true, normal, -1, -1, {}} << qint64(-1) << Outcome::NotStarted;
        QTest::newRow("crashed") << RunFacts{false, false, QProcess::CrashExit, 0, 3, {}} << qint64(6144)
                                 << Outcome::Crashed;
        QTest::newRow("exit 13") << RunFacts{false, false, normal, 13, -1, {}} << qint64(-1) << Outcome::ToolFailed;
        QTest::newRow("no report") << RunFacts{false, false, normal, 0, -1, {}} << qint64(2048) << Outcome::NoReport;
        QTest::newRow("no file") << RunFacts{false, false, normal, 0, 3, {}} << qint64(-1) << Outcome::OutputMissing;
        QTest::newRow("short") << RunFacts{false, false, normal, 0, 3, {}} << qint64(4096) << Outcome::OutputSizeWrong;
    }
    void judge()
    {
        QFETCH(RunFacts, facts);
        QFETCH(qint64, fileSize);
        QFETCH(Outcome, outcome);
        QTemporaryDir dir;
        facts.outputPath = dir.filePath(QStringLiteral("out.iso"));
        QVERIFY(fileSize < 0 || TestUtil::makeSparseFile(facts.outputPath, fileSize));
        const Verdict v = Judge(facts);
        QCOMPARE(v.outcome, outcome);
        QCOMPARE(v.actualBytes, fileSize);
    }

    void largeFiles()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::makeSparseFile(dir.filePath(QStringLiteral("exact")), LargeFileBytes));
        QVERIFY(TestUtil::makeSparseFile(dir.filePath(QStringLiteral("below")), LargeFileBytes - 1));
        IsoContentTree tree;
        for (const QString& name : {QStringLiteral("a\\exact"), QStringLiteral("below"), QStringLiteral("missing")}) {
            QVERIFY(tree.AddEntry(TestUtil::entry(name, false, {}, dir.filePath(name.section('\\', -1)))));
        }
        QCOMPARE(LargeFiles(tree.root), QStringList{QStringLiteral("a\\exact")});
        QCOMPARE(Tools::createImageArgs(Tools::ImageType::Udf, "/o.iso", "/d/create-1-1", true),
                 (QStringList{"-udf", "-R", "-joliet-long", "-allow-limited-size", "-o", "/o.iso", "/d/create-1-1"}));
    }

    void isInside()
    {
        QVERIFY(IsInside(QStringLiteral("/a/b/c.iso"), QStringLiteral("/a/b")));
        QVERIFY(IsInside(QStringLiteral("/a/b/x/../c.iso"), QStringLiteral("/a/b/")));
        QVERIFY(IsInside(QStringLiteral("/a/b"), QStringLiteral("/a/b")));
        QVERIFY(!IsInside(QStringLiteral("/a/bc.iso"), QStringLiteral("/a/b")));
        QVERIFY(!IsInside(QString(), QStringLiteral("/a")));
    }

    void stagingFolders()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("staging"));
        StagingArea first(QStringLiteral("create"), root);
        StagingArea second(QStringLiteral("edit"), root);
        QVERIFY(first.isValid() && second.isValid());
        QVERIFY(first.path() != second.path());
        QVERIFY(QFileInfo(first.path()).isDir());

        // Folders of ended runs are stale; live ones and foreign names are not.
        QProcess ended;
        ended.start(QStringLiteral("true"), QStringList());
        QVERIFY(ended.waitForStarted());
        const qint64 dead = ended.processId();
        QVERIFY(ended.waitForFinished());
        QStringList expected{root + QStringLiteral("/create-%1-1").arg(dead), root + QStringLiteral("/edit-%1-7").arg(dead)};
        for (const QString& path : expected + QStringList{root + QStringLiteral("/create-1-3"), // pid 1 lives
                                                          root + QStringLiteral("/notes-%1").arg(dead)})
            QVERIFY(QDir().mkpath(path));
        QStringList stale = StagingArea::StaleFolders(root);
        stale.sort();
        expected.sort();
        QCOMPARE(stale, expected);

        // A new area never reuses an existing folder name.
        StagingArea third(QStringLiteral("create"), root);
        QVERIFY(third.isValid());
        QVERIFY(third.path() != first.path());
        QVERIFY(QDir(third.path()).isEmpty());

        // The top of the file system is never a staging root.
        QVERIFY(!StagingArea(QStringLiteral("create"), QStringLiteral("/")).isValid());
        QVERIFY(StagingArea::StaleFolders(QStringLiteral("/")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestIsoBuild)
#include "tst_isobuild.moc"
