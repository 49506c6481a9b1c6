// Extraction logic against recorded and live 7-Zip runs: progress pieces,
// error collection, the verdict, and placing the ticked items.
#include "image/extractjob.h"
#include "runner/outputsplitter.h"
#include "runner/tools.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList piecesOf(const QString& fixture)
{
    QFile file(QStringLiteral(QUILLON_TEST_DATA "/7z-extract/") + fixture);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    OutputSplitter splitter;
    QStringList pieces;
    splitter.feed(file.readAll(), pieces);
    splitter.flush(pieces);
    return pieces;
}

ArchiveToolLog logOf(const QString& fixture)
{
    ArchiveToolLog log;
    for (const QString& piece : piecesOf(fixture))
        log.Feed(piece);
    return log;
}

QStringList tree(const QString& folder)
{
    QStringList paths;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << QDir(folder).relativeFilePath(it.next());
    paths.sort();
    return paths;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestExtractJob : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void progressPiece_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<bool>("isProgress");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("item");
        QTest::newRow("7-Zip piece") << " 16% 1 - sources/f1.bin" << true << 16 << "sources/f1.bin";
        QTest::newRow("hundred") << "100% 2 - sources/f4.bin" << true << 100 << "sources/f4.bin";
        QTest::newRow("line end kept") << " 48% 3 - boot/bcd\n" << true << 48 << "boot/bcd";
        QTest::newRow("name with dash") << " 5% 1 - a - b.txt" << true << 5 << "a - b.txt";
        QTest::newRow("count before percent") << "x 7% 1 - a" << true << 7 << "a";
        QTest::newRow("not a number") << "ab% 1 - a" << true << 0 << "a";
        QTest::newRow("bare percentage") << "  0%" << false << 0 << "";
        QTest::newRow("percent without item") << " 17.35% done, estimate" << false << 0 << "";
        QTest::newRow("item line") << "- sources/f3.bin\n" << false << 0 << "";
        QTest::newRow("percent at start") << "% 1 - a" << false << 0 << "";
    }

    void progressPiece()
    {
        QFETCH(QString, piece);
        QFETCH(bool, isProgress);
        const auto parsed = ParseExtractProgress(piece);
        QCOMPARE(parsed.has_value(), isProgress);
        if (parsed) {
            QFETCH(int, percent);
            QFETCH(QString, item);
            QCOMPARE(parsed->percent, percent);
            QCOMPARE(parsed->item, item);
        }
    }

    // The recorded run cut by the real splitter gives clean, rising progress.
    void progressFromRecordedRun()
    {
        QList<int> percents;
        QStringList items;
        for (const QString& piece : piecesOf(QStringLiteral("progress-400mb.raw"))) {
            if (const auto p = ParseExtractProgress(piece)) {
                percents << p->percent;
                items << p->item;
            }
        }
        QCOMPARE(percents, (QList<int>{17, 32, 48, 72, 89, 92, 95}));
        QCOMPARE(items, (QStringList{"sources/f1.bin", "sources/f2.bin", "sources/f2.bin", "sources/f3.bin",
                                     "sources/f4.bin", "sources/f4.bin", "sources/f4.bin"}));
    }

    void toolLog_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<bool>("everythingOk");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("success") << "ok-small.raw" << true << QStringList{};
        QTest::newRow("progress run") << "progress-400mb.raw" << true << QStringList{};
        QTest::newRow("nothing matched") << "no-files.raw" << true << QStringList{};
        QTest::newRow("truncated image")
            << "truncated-data-error.raw" << false
            << QStringList{"Unexpected end of archive", "Data Error : sources/f2.bin", "Data Error : sources/f3.bin", "Data Error : sources/f4.bin"};
        QTest::newRow("not an archive") << "not-an-archive.raw" << false
                                        << QStringList{"notiso.iso: Cannot open the file as archive"};
        QTest::newRow("disk full") << "disk-full.raw" << false << QStringList{"errno=28 : No space left on device"};
        QTest::newRow("read-only folder") << "read-only-folder.raw" << false
                                          << QStringList{"Cannot create output directory : errno=17 : File exists : "
                                                         "/tmp/ext/small/o/",
                                                         "errno=17 : File exists"};
    }

    void toolLog()
    {
        QFETCH(QString, fixture);
        QFETCH(bool, everythingOk);
        QFETCH(QStringList, errors);
        const ArchiveToolLog log = logOf(fixture);
        QCOMPARE(log.SawEverythingOk(), everythingOk);
        QCOMPARE(log.Errors(), errors);
    }

    // 7-Zip names the archive in front of its reasons; that part goes.
    void toolLogWithoutArchiveName()
    {
        ArchiveToolLog log;
        log.SetSubject("notiso.iso");
        for (const QString& piece : piecesOf("not-an-archive.raw"))
            log.Feed(piece);
        QCOMPARE(log.Errors(), QStringList{"Cannot open the file as archive"});

        ArchiveToolLog listing;
        listing.SetSubject("/a/t40k.iso");
        for (const char* line : {"ERROR: /a/t40k.iso : /a/t40k.iso\n",
                                 "Open ERROR: Cannot open the file as [Iso] archive\n", "ERRORS:\n",
                                 "Unexpected end of archive\n", "ERROR: /a/t40k.iso.bak : x\n"})
            listing.Feed(QString::fromLatin1(line));
        QCOMPARE(listing.Errors(), (QStringList{"Cannot open the file as [Iso] archive", "Unexpected end of archive",
                                               "/a/t40k.iso.bak : x"}));
    }

    void verdict_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<bool>("normal");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("reasonPart");
        QTest::newRow("ok") << "ok-small.raw" << true << 0 << QStringList{} << true << "";
        QTest::newRow("exit 0 but nothing there")
            << "no-files.raw" << true << 0 << QStringList{"such"} << false << "Not extracted: such";
        QTest::newRow("disk full") << "disk-full.raw" << true << 2 << QStringList{} << false << "No space left";
        QTest::newRow("crash without words") << "" << false << 0 << QStringList{} << false << "stopped unexpectedly";
        QTest::newRow("exit code only") << "" << true << 7 << QStringList{} << false << "exit code 7";
        QTest::newRow("no confirmation") << "" << true << 0 << QStringList{} << false << "did not confirm";
    }

    void verdict()
    {
        QFETCH(QString, fixture);
        QFETCH(bool, normal);
        QFETCH(int, exitCode);
        QFETCH(QStringList, missing);
        QFETCH(bool, ok);
        QFETCH(QString, reasonPart);
        MoveUpResult placed;
        placed.missing = missing;
        const ExtractVerdict v =
            JudgeExtraction(normal, exitCode, fixture.isEmpty() ? ArchiveToolLog() : logOf(fixture), placed);
        QCOMPARE(v.ok, ok);
        QVERIFY2(v.reason.contains(reasonPart), qPrintable(v.reason));
        QCOMPARE(v.reason.isEmpty(), ok);
    }

    // Moving up never removes or replaces the user's things unless asked to,
    // and merges into folders that were already there.
    void moveUp()
    {
        QTemporaryDir dir;
        const QString out = dir.path() + "/out";
        const QString staging = out + "/.stage";
        QVERIFY(TestUtil::writeFile(staging + "/boot/bcd", "new bcd"));
        QVERIFY(TestUtil::writeFile(staging + "/boot/fonts/a.ttf", "new font"));
        QVERIFY(TestUtil::writeFile(staging + "/boot/efi/x.efi", "efi"));
        QVERIFY(TestUtil::writeFile(staging + "/boot/memtest", "file, not folder"));
        QVERIFY(TestUtil::writeFile(out + "/boot/user.txt", "mine"));
        QVERIFY(TestUtil::writeFile(out + "/fonts/old.ttf", "my font"));
        QVERIFY(TestUtil::writeFile(out + "/efi/x.efi", "my efi"));
        QVERIFY(QDir().mkpath(out + "/memtest"));

        const MoveUpResult r = MoveUp(staging, "boot\\", {"bcd", "fonts", "efi", "memtest", "absent"}, out, false);
        QCOMPARE(r.delivered, (QStringList{"bcd", "fonts"}));
        QCOMPARE(r.conflicts, (QStringList{"efi", "memtest"}));
        QCOMPARE(r.missing, QStringList{"absent"});
        QVERIFY(r.failures.isEmpty());
        QCOMPARE(readAll(out + "/bcd"), QByteArray("new bcd"));
        QCOMPARE(readAll(out + "/fonts/a.ttf"), QByteArray("new font"));
        QCOMPARE(readAll(out + "/fonts/old.ttf"), QByteArray("my font"));
        QCOMPARE(readAll(out + "/boot/user.txt"), QByteArray("mine"));
        QCOMPARE(readAll(out + "/efi/x.efi"), QByteArray("my efi"));
        QVERIFY(QFileInfo(out + "/memtest").isDir());

        // A complete run replaces a file of the same name, still not a folder.
        const MoveUpResult again = MoveUp(staging, "boot\\", {"efi", "memtest"}, out, true);
        QCOMPARE(again.delivered, QStringList{"efi"});
        QCOMPARE(again.conflicts, QStringList{"memtest"});
        QCOMPARE(readAll(out + "/efi/x.efi"), QByteArray("efi"));
    }

    // Live 7-Zip: exactly the ticked items arrive, the user's same-named folder
    // keeps its content, and no staging folder is left.
    void liveExtraction_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("from boot into a folder holding boot")
            << "boot\\" << QStringList{"bcd", "fonts", "bcd"}
            << QStringList{"bcd", "boot", "boot/user.txt", "fonts", "fonts/a.ttf"};
        QTest::newRow("root names are not matched in sub-folders")
            << "" << QStringList{"setup.exe", "-y", "my file.txt"}
            << QStringList{"-y", "boot", "boot/user.txt", "my file.txt", "setup.exe"};
    }

    void liveExtraction()
    {
        QFETCH(QString, prefix);
        QFETCH(QStringList, names);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString src = dir.path() + "/src";
        QVERIFY(TestUtil::writeFile(src + "/boot/bcd", "bcd"));
        QVERIFY(TestUtil::writeFile(src + "/boot/fonts/a.ttf", "font"));
        QVERIFY(TestUtil::writeFile(src + "/setup.exe", "root setup"));
        QVERIFY(TestUtil::writeFile(src + "/sources/setup.exe", "nested setup"));
        QVERIFY(TestUtil::writeFile(src + "/-y", "dash"));
        QVERIFY(TestUtil::writeFile(src + "/my file.txt", "spaces"));
        const QString image = dir.path() + "/t.iso";
        QVERIFY(TestUtil::makeIso(src, image));
        const QString out = dir.path() + "/out";
        QVERIFY(TestUtil::writeFile(out + "/boot/user.txt", "mine"));

        ExtractJob job;
        QSignalSpy finished(&job, &ExtractJob::finished);
        QVERIFY(job.Start({image, out, prefix, names}));
        QVERIFY(finished.wait(30000));
        QCOMPARE(job.status(), ExtractJob::Status::Succeeded);
        QVERIFY2(job.reason().isEmpty(), qPrintable(job.reason()));
        QCOMPARE(tree(out), expected);
        QCOMPARE(readAll(out + "/boot/user.txt"), QByteArray("mine"));
    }

    void outputFolderProblems()
    {
        QTemporaryDir dir;
        ExtractJob job;
        QVERIFY(!job.Start({dir.path() + "/x.iso", dir.path() + "/nowhere", "", {"a"}}));
        QCOMPARE(job.status(), ExtractJob::Status::Failed);
        QVERIFY(job.reason().contains("does not exist"));
        QVERIFY(!job.Start({dir.path() + "/x.iso", dir.path(), "", {}}));
    }

    void missingTool()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.path() + "/out/keep.txt", "mine"));
        SetExtractToolForTest(dir.path() + "/no-such-7z");
        ExtractJob job;
        QSignalSpy finished(&job, &ExtractJob::finished);
        QVERIFY(job.Start({dir.path() + "/x.iso", dir.path() + "/out", "", {"a"}}));
        QVERIFY(finished.wait(10000));
        SetExtractToolForTest(QString());
        QCOMPARE(job.status(), ExtractJob::Status::Failed);
        QVERIFY2(job.reason().contains("could not be started"), qPrintable(job.reason()));
        QCOMPARE(tree(dir.path() + "/out"), QStringList{"keep.txt"});
    }
};

QTEST_GUILESS_MAIN(TestExtractJob)
#include "tst_extractjob.moc"
