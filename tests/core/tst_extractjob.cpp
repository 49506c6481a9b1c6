// Extraction logic against recorded 7-Zip runs: the verdict and placing the
// ticked items; live runs of large selections and of Rock Ridge links and
// zisofs files, through the engine and the command line. The page's own live
// runs are in the extract page test.
#include "core/tools.h"
#include "image/extractjob.h"
#include "image/imagelisting.h"
#include "image/rockridgescan.h"
#include "runner/sevenzip.h"

#include "testutil.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

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

QString linkText(const QString& link)
{
    return QString::fromStdString(std::filesystem::read_symlink(link.toStdString()).string());
}

// Each path below `path` as it arrives at `as`: "as/" for a folder, "as -> target"
// for a link (where it resolves, when `resolves` asks), "as <md5>" for a file.
void describe(const QString& path, const QString& as, bool resolves, QStringList& out)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        out << as + " -> " + linkText(path) + (resolves && info.exists() ? " (resolves)" : "");
    } else if (info.isDir()) {
        out << as + "/";
        for (const QString& child :
            QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            describe(path + "/" + child, as + "/" + child, resolves, out);
    } else {
        out << as + " " + QCryptographicHash::hash(readFile(path), QCryptographicHash::Md5).toHex();
    }
}

} // namespace

class TestExtractJob : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QHash<QString, QString> m_images; // by kind

    QString src() const { return m_dir.filePath("src"); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Rock Ridge links of every kind and a zisofs file (compressible, so 7-Zip's copy is shorter).
        const QString longName =
            "long-joliet-file-name-that-is-very-long-indeed-more-than-sixty-four-characters.textfile";
        QVERIFY(TestUtil::writeFile(src() + "/" + longName, "long\n"));
        QVERIFY(TestUtil::writeFile(src() + "/sub/file.txt", "sub\n"));
        QByteArray packed;
        for (int i = 0; packed.size() < 300000; ++i)
            packed += "line " + QByteArray::number(i) + " of a file that zisofs compresses well\n";
        QVERIFY(TestUtil::writeFile(src() + "/sub/packed.txt", packed));
        QVERIFY(QDir().mkpath(src() + "/sub/deep"));
        QVERIFY(QFile::link(longName, src() + "/symlink"));
        QVERIFY(QFile::link(".", src() + "/debian"));
        QVERIFY(QFile::link("/tmp", src() + "/symlink2"));
        QVERIFY(QFile::link("../file.txt", src() + "/sub/deep/up"));
        const QString xorriso = Tools::xorrisoTool();
        const QStringList zisofs {"-zisofs", "level=6", "-map", src(), "/", "-find", "/sub/packed.txt", "-exec",
            "set_filter", "--zisofs", "--", "-commit"};
        m_images["joliet"] = m_dir.filePath("joliet.iso");
        m_images["rockridge"] = m_dir.filePath("rockridge.iso");
        m_images["genisoimage"] = m_dir.filePath("genisoimage.iso");
        m_images["plain"] = m_dir.filePath("plain.iso");
        QCOMPARE(TestUtil::run(xorriso,
                     QStringList {"-outdev", m_images["joliet"], "-joliet", "on", "-compliance", "joliet_long_names"}
                         + zisofs)
                     .exitCode,
            0);
        QCOMPARE(TestUtil::run(xorriso, QStringList {"-outdev", m_images["rockridge"]} + zisofs).exitCode, 0);
        QVERIFY(TestUtil::makeIso(src(), m_images["genisoimage"]));
        QVERIFY(TestUtil::writeFile(m_dir.filePath("plainsrc/a/b.txt"), "no links here"));
        QVERIFY(TestUtil::makeIso(m_dir.filePath("plainsrc"), m_images["plain"]));
        // The images are what the rows say: zisofs for xorriso, and 7-Zip alone gets it wrong.
        QVERIFY(TestUtil::run(xorriso, {"-indev", m_images["joliet"], "-find", "/", "-has_filter"})
                    .output.contains("/sub/packed.txt"));
        QVERIFY(TestUtil::run("7z", {"e", "-so", m_images["joliet"], "sub/packed.txt"}).output.size() < packed.size());
        const RockRidgeScan scan = ScanRockRidge(m_images["joliet"]);
        QVERIFY(scan.complete && scan.rockRidge && scan.links && scan.zisofs);
        QVERIFY(!ScanRockRidge(m_images["plain"]).NeedsTree());
        QVERIFY(ScanRockRidge(m_images["genisoimage"]).links);
    }

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

    // Links keep their Rock Ridge targets (relative, "..", "." and absolute,
    // never into our staging folder) and zisofs files arrive decompressed, for
    // everything or a selection; the command line does the same. What cannot
    // be restored is refused by name and not counted.
    void rockRidge_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QStringList>("chosen"); // image paths; empty: the image's root items
        QTest::addColumn<QString>("xorriso"); // "": the real one; "fails": it cannot unpack; "none"
        QTest::addColumn<QString>("mine"); // the user's file there before (engine: kept; command line: a folder)
        // Of what the selection holds, what does not arrive as the image has it:
        // nothing there, or at most an empty file (7-Zip's copy of a link).
        QTest::addColumn<QStringList>("absent");
        QTest::addColumn<QStringList>("said"); // in the message; empty: a success
        QTest::addColumn<bool>("cli");
        const QStringList all;
        const QStringList none;
        QTest::newRow("joliet, all") << "joliet" << all << QString() << "symlink" << none << none << false;
        QTest::newRow("joliet, some, command line")
            << "joliet" << QStringList {"sub", "symlink", "debian"} << QString() << "debian" << none
            << QStringList {"2 of 3 items were extracted", "Left as they were in the output folder: debian"} << true;
        QTest::newRow("rock ridge only, all, command line")
            << "rockridge" << all << QString() << QString() << none << none << true;
        QTest::newRow("rock ridge only, some") << "rockridge" << QStringList {"sub/deep", "symlink2", "sub/packed.txt"}
                                               << QString() << QString() << none << none << false;
        QTest::newRow("genisoimage, all, command line")
            << "genisoimage" << all << QString() << QString() << none << none << true;
        QTest::newRow("no links: 7-Zip alone") << "plain" << all << QString() << QString() << none << none << true;
        QTest::newRow("unpacking fails") << "joliet" << all << "fails" << QString() << QStringList {"sub/packed.txt"}
                                         << QStringList {"4 of 5 items were extracted",
                                                "compressed (zisofs) files could not be unpacked: "
                                                "sub/packed.txt",
                                                "planted failure"}
                                         << false;
        QTest::newRow("no xorriso") << "rockridge" << all << "none" << QString()
                                    << QStringList {"debian", "symlink2", "sub/deep/up", "sub/packed.txt"}
                                    << QStringList {"3 of 5 items were extracted",
                                           "Dangerous link path was ignored : debian",
                                           "working folder and were left out: symlink2",
                                           "could not be unpacked: sub/packed.txt", "xorriso is not installed"}
                                    << false;
    }

    void rockRidge()
    {
        QFETCH(QString, image);
        QFETCH(QStringList, chosen);
        QFETCH(QString, xorriso);
        QFETCH(QString, mine);
        QFETCH(QStringList, absent);
        QFETCH(QStringList, said);
        QFETCH(bool, cli);
        const QString iso = m_images[image];
        QString tool = Tools::xorrisoTool();
        if (xorriso == "none") {
            tool = m_dir.filePath("no-xorriso");
        } else if (xorriso == "fails") {
            tool = m_dir.filePath("xorriso-fails");
            // It writes a wrong file in place of each, then fails.
            QVERIFY(TestUtil::writeFile(tool,
                "#!/bin/sh\ncase \" $* \" in *\" -extract_l \"*)\n"
                "  while [ \"$1\" != -extract_l ]; do shift; done; folder=$3; shift 3\n"
                "  for p in \"$@\"; do [ \"$p\" = -- ] || printf planted > \"$folder$p\"; done\n"
                "  echo 'xorriso : FAILURE : planted failure'; exit 5;;\nesac\nexec '"
                    + Tools::xorrisoTool().toUtf8() + "' \"$@\"\n"));
            QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        QTemporaryDir outDir;
        const QString out = outDir.filePath("out");
        QVERIFY(QDir().mkpath(out));

        // What should arrive: the source of each chosen item, under its own name.
        IsoContentTree content;
        ListingReader reader(content);
        reader.SetSkipBootImages(true);
        ImageListingJob listing(reader, content, Tools::archiveTool(), tool, iso);
        QVERIFY(TestUtil::finish(listing));
        QVERIFY2(listing.status() == Job::Status::Succeeded, qPrintable(listing.reason()));
        QList<const IsoEntry*> entries;
        QStringList expected;
        const QString source = image == "plain" ? m_dir.filePath("plainsrc") : src();
        if (chosen.isEmpty()) {
            for (int i = 0; i < content.root.childCount(); ++i)
                entries << content.root.child(i);
            for (const QString& name : QDir(source).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
                describe(source + "/" + name, name, true, expected);
        } else {
            for (const QString& path : chosen) {
                entries << content.FindEntry(QString(path).replace('/', '\\'));
                QVERIFY2(entries.last(), qPrintable(path));
                describe(source + "/" + path, path.section('/', -1), false, expected);
            }
        }
        for (const QString& gone : absent)
            expected.erase(std::remove_if(expected.begin(), expected.end(),
                               [&](const QString& line) { return line.startsWith(gone + " ") || line == gone + "/"; }),
                expected.end());
        expected.sort();
        if (!mine.isEmpty()) {
            // The user's item of the same name gets the question files get.
            QVERIFY(cli ? QDir().mkpath(out + "/" + mine) : TestUtil::writeFile(out + "/" + mine, "mine"));
            if (!cli)
                QVERIFY(FilesToReplace(entries, out).contains(mine));
        }

        QString message;
        bool ok = false;
        if (cli) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("XDG_DATA_HOME", outDir.filePath("xdg"));
            process.setProcessEnvironment(environment);
            process.start(
                QCoreApplication::applicationDirPath() + "/quillon", QStringList {"extract", iso, out} + chosen);
            QVERIFY(process.waitForFinished(120000));
            message = QString::fromUtf8(process.readAllStandardError());
            ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
            if (!ok) // a partial result is a failure, status 1
                QCOMPARE(process.exitCode(), 1);
            else
                QVERIFY(process.readAllStandardOutput().startsWith("Extracted "));
        } else {
            ExtractJob::Request request {
                iso, out, {}, mine.isEmpty() ? Existing::Replace : Existing::KeepChosen, {}, Tools::archiveTool()};
            for (const IsoEntry* entry : qAsConst(entries))
                request.items << ExtractItem::Of(*entry);
            request.expectedSize = ExpectedSizes(content);
            request.xorriso = tool;
            request.rockRidge = listing.rockRidge();
            ExtractJob job(request);
            QVERIFY(TestUtil::finish(job));
            ok = job.status() == Job::Status::Succeeded;
            message = ok ? QString() : job.summary() + "\n" + job.reason();
            QCOMPARE(job.readRockRidge(), image != "plain" && xorriso != "none");
            if (!mine.isEmpty())
                QCOMPARE(job.placed().kept, QStringList {mine});
        }
        QVERIFY2(ok == said.isEmpty(), qPrintable(message));
        for (const QString& part : said)
            QVERIFY2(message.contains(part), qPrintable(message));

        QStringList arrived;
        for (const QString& name :
            QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            describe(out + "/" + name, name, chosen.isEmpty(), arrived);
        arrived.sort();
        for (const QString& gone : absent) {
            const QFileInfo info(out + "/" + gone);
            QVERIFY2(
                info.isSymLink() ? false : !info.exists() || (info.isFile() && info.size() == 0), qPrintable(gone));
            arrived.erase(std::remove_if(arrived.begin(), arrived.end(),
                              [&](const QString& line) { return line.startsWith(gone + " "); }),
                arrived.end());
        }
        if (!mine.isEmpty()) {
            // Still the user's, and left out of the comparison.
            QVERIFY(cli ? QFileInfo(out + "/" + mine).isDir() && !QFileInfo(out + "/" + mine).isSymLink()
                        : readFile(out + "/" + mine) == "mine");
            const auto notMine = [&](const QString& line) {
                return line.startsWith(mine + " ") || line == mine + "/";
            };
            expected.erase(std::remove_if(expected.begin(), expected.end(), notMine), expected.end());
            arrived.erase(std::remove_if(arrived.begin(), arrived.end(), notMine), arrived.end());
        }
        QCOMPARE(arrived, expected);
    }

    // Stop while xorriso unpacks: the tool is gone, what arrived stays (links
    // made), but never a file still compressed nor one in place of the user's.
    void stopWhileUnpacking()
    {
        const QString tool = m_dir.filePath("xorriso-slow");
        QVERIFY(TestUtil::writeFile(tool,
            "#!/bin/sh\ncase \" $* \" in *\" -extract_l \"*) exec sleep 60;; esac\nexec '"
                + Tools::xorrisoTool().toUtf8() + "' \"$@\"\n"));
        QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QTemporaryDir out;
        QVERIFY(TestUtil::writeFile(out.filePath("symlink"), "mine"));
        ExtractJob::Request request {m_images["joliet"], out.path(), items("", {"sub", "symlink", "debian"}),
            Existing::Replace, {}, Tools::archiveTool()};
        request.xorriso = tool;
        ExtractJob slow(request);
        QSignalSpy progress(&slow, &Job::progress);
        slow.start();
        QTRY_VERIFY_WITH_TIMEOUT(
            !progress.isEmpty() && progress.last().at(0).toString().startsWith("Restoring"), 30000);
        QTest::qWait(300); // xorriso is asleep on the unpacking
        QElapsedTimer timer;
        timer.start();
        slow.stop();
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(slow.status(), Job::Status::Stopped);
        QCOMPARE(readFile(out.filePath("symlink")), QByteArray("mine"));
        QCOMPARE(linkText(out.filePath("debian")), QString("."));
        QCOMPARE(linkText(out.filePath("sub/deep/up")), QString("../file.txt"));
        QVERIFY(!QFileInfo::exists(out.filePath("sub/packed.txt")));
        QCOMPARE(TestUtil::listTree(out.path()),
            (QStringList {"debian", "sub", "sub/deep", "sub/deep/up", "sub/file.txt", "symlink"}));
    }
};

QTEST_GUILESS_MAIN(TestExtractJob)
#include "tst_extractjob.moc"
