// Extraction logic against recorded 7-Zip runs: the verdict and placing the
// ticked items. The live runs are in the extract page test.
#include "core/tools.h"
#include "image/extractjob.h"
#include "runner/sevenzip.h"

#include "testutil.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using TestUtil::readFile;

namespace {

QStringList recorded(const QString& fixture)
{
    return TestUtil::fixturePieces(QStringLiteral("7z/") + fixture);
}

ArchiveToolLog logOf(const QStringList& pieces)
{
    return TestUtil::fed(ArchiveToolLog(), pieces);
}

// Items named `names` in the image folder `prefix` ("boot\\" or empty).
QList<ExtractItem> items(const QString& prefix, const QStringList& names)
{
    QList<ExtractItem> list;
    for (const QString& name : names)
        list << ExtractItem {prefix + name, name};
    return list;
}

} // namespace

class TestExtractJob : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void verdict_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<bool>("normal");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QString>("reasonPart"); // empty: a success
        QTest::newRow("ok") << "ok-small.raw" << true << 0 << QStringList {} << "";
        QTest::newRow("exit 0 but nothing there")
            << "no-files.raw" << true << 0 << QStringList {"such"} << "Not extracted: such";
        QTest::newRow("disk full") << "disk-full.raw" << true << 2 << QStringList {} << "No space left";
        QTest::newRow("crash without words") << "" << false << 0 << QStringList {} << "stopped unexpectedly";
        QTest::newRow("exit code only") << "" << true << 7 << QStringList {} << "exit code 7";
        QTest::newRow("no confirmation") << "" << true << 0 << QStringList {} << "did not confirm";
    }

    void verdict()
    {
        QFETCH(QString, fixture);
        QFETCH(bool, normal);
        QFETCH(int, exitCode);
        QFETCH(QStringList, missing);
        QFETCH(QString, reasonPart);
        MoveUpResult placed;
        placed.missing = missing;
        const ExtractVerdict v =
            JudgeExtraction(normal, exitCode, logOf(fixture.isEmpty() ? QStringList() : recorded(fixture)), placed);
        QCOMPARE(v.ok, reasonPart.isEmpty());
        QCOMPARE(v.reason.isEmpty(), v.ok);
        QVERIFY2(v.reason.contains(reasonPart), qPrintable(v.reason));
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

        const MoveUpResult r =
            MoveUp(staging, items("boot\\", {"bcd", "fonts", "efi", "memtest", "absent"}), out, Existing::KeepUnsure);
        QCOMPARE(r.delivered, (QStringList {"bcd", "fonts"}));
        QCOMPARE(r.conflicts, (QStringList {"efi", "memtest"}));
        QCOMPARE(r.missing, QStringList {"absent"});
        QVERIFY(r.failures.isEmpty());
        QCOMPARE(readFile(out + "/bcd"), QByteArray("new bcd"));
        QCOMPARE(readFile(out + "/fonts/a.ttf"), QByteArray("new font"));
        QCOMPARE(readFile(out + "/fonts/old.ttf"), QByteArray("my font"));
        QCOMPARE(readFile(out + "/boot/user.txt"), QByteArray("mine"));
        QCOMPARE(readFile(out + "/efi/x.efi"), QByteArray("my efi"));
        QVERIFY(QFileInfo(out + "/memtest").isDir());

        // A complete run replaces a file of the same name, still not a folder.
        const MoveUpResult again = MoveUp(staging, items("boot\\", {"efi", "memtest"}), out, Existing::Replace);
        QCOMPARE(again.delivered, QStringList {"efi"});
        QCOMPARE(again.conflicts, QStringList {"memtest"});
        QCOMPARE(readFile(out + "/efi/x.efi"), QByteArray("efi"));

        // Never the image being read, even by a complete run.
        QVERIFY(TestUtil::writeFile(staging + "/x.iso", "inner file"));
        QVERIFY(TestUtil::writeFile(out + "/x.iso", "the image"));
        const MoveUpResult image = MoveUp(staging, items("", {"x.iso"}), out, Existing::Replace, out + "/x.iso");
        QCOMPARE(image.conflicts, QStringList {"x.iso"});
        QCOMPARE(readFile(out + "/x.iso"), QByteArray("the image"));

        // The user chose to keep theirs: kept, not a conflict, and no failure.
        QVERIFY(TestUtil::writeFile(staging + "/boot/efi/x.efi", "newer efi"));
        QVERIFY(TestUtil::writeFile(staging + "/boot/efi/y.efi", "new y"));
        const MoveUpResult kept = MoveUp(staging, items("boot\\", {"efi"}), out, Existing::KeepChosen);
        QCOMPARE(kept.kept, QStringList {"efi"});
        QVERIFY(kept.conflicts.isEmpty() && kept.failures.isEmpty());
        QCOMPARE(readFile(out + "/efi/x.efi"), QByteArray("efi"));
        QCOMPARE(readFile(out + "/efi/y.efi"), QByteArray("new y"));
        QVERIFY(JudgeExtraction(true, 0, logOf(recorded("ok-small.raw")), kept).ok);
    }

    // What an extraction would replace: files only, folders are merged into,
    // and an item of the other kind is never replaced.
    void filesToReplace()
    {
        IsoContentTree tree;
        for (const char* path : {"boot\\bcd", "boot\\fonts\\a.ttf", "boot\\fonts\\b.ttf", "setup.exe", "efi\\x"})
            QVERIFY(tree.AddEntry(TestUtil::entry(path)));
        QTemporaryDir out;
        QVERIFY(TestUtil::writeFile(out.filePath("fonts/b.ttf"), "mine"));
        QVERIFY(TestUtil::writeFile(out.filePath("fonts/c.ttf"), "mine"));
        QVERIFY(TestUtil::writeFile(out.filePath("setup.exe"), "mine"));
        QVERIFY(TestUtil::writeFile(out.filePath("bcd/inside"), "a folder where a file would go"));
        QVERIFY(TestUtil::writeFile(out.filePath("efi"), "a file where a folder would go"));
        const QList<const IsoEntry*> chosen {tree.FindEntry("boot\\bcd"), tree.FindEntry("boot\\fonts"),
            tree.FindEntry("setup.exe"), tree.FindEntry("efi")};
        QCOMPARE(FilesToReplace(chosen, out.path()), (QStringList {"fonts/b.ttf", "setup.exe"}));
        QCOMPARE(FilesToReplace(chosen, out.path(), 1), QStringList {"fonts/b.ttf"});
    }

    // The user's symbolic links get the question files get, whatever they
    // point to; replacing one replaces the link, never its target.
    void symbolicLinksInTheOutput()
    {
        IsoContentTree tree;
        for (const char* path : {"a.txt", "b.txt", "dir\\x", "gone.txt"})
            QVERIFY(tree.AddEntry(TestUtil::entry(path)));
        QTemporaryDir dir;
        const QString out = dir.filePath("out");
        const QString staging = out + "/.stage";
        QVERIFY(TestUtil::writeFile(dir.filePath("target.txt"), "the link's target"));
        QVERIFY(QDir().mkpath(dir.filePath("folder")));
        for (const char* name : {"a.txt", "b.txt", "dir/x", "gone.txt"})
            QVERIFY(TestUtil::writeFile(staging + "/" + name, QByteArray("new ") + name));
        QVERIFY(QFile::link(dir.filePath("target.txt"), out + "/a.txt"));
        QVERIFY(QFile::link(dir.filePath("folder"), out + "/b.txt"));
        QVERIFY(QFile::link(dir.filePath("folder"), out + "/dir"));
        QVERIFY(QFile::link(dir.filePath("nothing"), out + "/gone.txt"));
        const QList<const IsoEntry*> chosen {
            tree.FindEntry("a.txt"), tree.FindEntry("b.txt"), tree.FindEntry("dir"), tree.FindEntry("gone.txt")};
        QCOMPARE(FilesToReplace(chosen, out), (QStringList {"a.txt", "b.txt", "dir", "gone.txt"}));

        const MoveUpResult kept = MoveUp(staging, items("", {"a.txt", "gone.txt"}), out, Existing::KeepChosen);
        QCOMPARE(kept.kept, (QStringList {"a.txt", "gone.txt"}));
        QVERIFY(QFileInfo(out + "/a.txt").isSymLink());
        const MoveUpResult unsure = MoveUp(staging, items("", {"a.txt"}), out, Existing::KeepUnsure);
        QCOMPARE(unsure.conflicts, QStringList {"a.txt"});

        const MoveUpResult replaced =
            MoveUp(staging, items("", {"a.txt", "b.txt", "dir", "gone.txt"}), out, Existing::Replace);
        QCOMPARE(replaced.delivered, (QStringList {"a.txt", "b.txt", "dir", "gone.txt"}));
        QCOMPARE(readFile(out + "/a.txt"), QByteArray("new a.txt"));
        QVERIFY(!QFileInfo(out + "/dir").isSymLink());
        QCOMPARE(readFile(out + "/dir/x"), QByteArray("new dir/x"));
        QCOMPARE(readFile(dir.filePath("target.txt")), QByteArray("the link's target"));
        QCOMPARE(TestUtil::listTree(dir.filePath("folder")), QStringList());
    }

    // More names than a command line holds go through a list file; names a
    // list file would change (blanks at an end, quotes) stay on the command line.
    void largeSelectionGoesThroughAListFile()
    {
        QTemporaryDir dir;
        const QString src = dir.filePath("src");
        QStringList names;
        for (int i = 0; i < 1500; ++i)
            names << QString("a file with a long name, number %1.txt").arg(i);
        names << " leading blank.txt"
              << "\"quoted\""
              << "-y"
              << "@list"
              << "ünï.txt";
        for (const QString& name : qAsConst(names))
            QVERIFY(TestUtil::writeFile(src + "/" + name, name.toUtf8()));
        const QString image = dir.filePath("many.iso");
        QVERIFY(TestUtil::makeIso(src, image));
        QVERIFY(QDir().mkpath(dir.filePath("out")));

        ExtractJob job({image, dir.filePath("out"), items("", names), Existing::Replace, {}, Tools::archiveTool()});
        QVERIFY(TestUtil::finish(job));
        QVERIFY2(job.status() == Job::Status::Succeeded, qPrintable(job.reason()));
        const QStringList args = job.arguments();
        QVERIFY(args.size() < 20);
        QVERIFY(args.contains("-spd"));
        QCOMPARE(args.mid(args.indexOf("--") + 1), (QStringList {" leading blank.txt", "\"quoted\""}));
        QStringList expected = names;
        expected.sort();
        QCOMPARE(TestUtil::listTree(dir.filePath("out")), expected);
        QCOMPARE(readFile(dir.filePath("out/ünï.txt")), QString("ünï.txt").toUtf8());
        // The list file goes with the run.
        const QString listFile = args.value(args.indexOf("--") - 1).mid(1);
        QVERIFY(listFile.contains("quillon-list-"));
        QVERIFY(!QFile::exists(listFile));
    }

    // Refused before any tool runs, within start(): nothing ticked, no output folder.
    void refusedRequests()
    {
        QTemporaryDir dir;
        ExtractJob job({dir.path() + "/x.iso", dir.path() + "/nowhere", items("", {"a"}), {}, {}, {}});
        QSignalSpy finished(&job, &Job::finished);
        job.start();
        QCOMPARE(finished.count(), 1); // within start()
        QCOMPARE(job.status(), Job::Status::Failed);
        QVERIFY2(job.reason().contains("does not exist"), qPrintable(job.reason()));
        ExtractJob nothing({dir.path() + "/x.iso", dir.path(), {}, {}, {}, {}});
        nothing.start();
        QCOMPARE(nothing.status(), Job::Status::Failed);
    }
};

QTEST_GUILESS_MAIN(TestExtractJob)
#include "tst_extractjob.moc"
