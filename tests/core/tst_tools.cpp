// Each tool's file: its parsers and verdicts against the runs recorded in
// tests/data/<tool>/, and the few command-line decisions worth pinning.
#include "core/tools.h"
#include "runner/discreader.h"
#include "runner/isobuilder.h"
#include "runner/recorder.h"
#include "runner/sevenzip.h"
#include "runner/wimsplitter.h"
#include "runner/xorriso.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace IsoBuild;

Q_DECLARE_METATYPE(IsoBuild::Outcome)
Q_DECLARE_METATYPE(IsoBuild::RunFacts)

namespace {

QStringList recorded(const QString& path)
{
    return path.isEmpty() ? QStringList() : TestUtil::fixturePieces(path);
}

using TestUtil::fed;

} // namespace

class TestTools : public QObject {
    Q_OBJECT

private slots:
    // --- 7-Zip

    void sevenZipProgress()
    {
        const auto piece = ParseExtractProgress(" 5% 1 - a - b.txt\n");
        QVERIFY(piece);
        QCOMPARE(piece->percent, 5);
        QCOMPARE(piece->item, QString("a - b.txt"));
        for (const char* other : {"  0%", "100% 6", "- sources/f3.bin\n"})
            QVERIFY2(!ParseExtractProgress(other), other);
        // A garbled figure never leaves the bar's range.
        QCOMPARE(ParseExtractProgress("250% 1 - big.bin")->percent, 100);
        QList<int> percents;
        for (const QString& p : recorded("7z/progress-400mb.raw"))
            if (const auto parsed = ParseExtractProgress(p))
                percents << parsed->percent;
        QCOMPARE(percents, (QList<int> {17, 32, 48, 72, 89, 92, 95}));
    }

    // 7-Zip names the archive in front of its reasons; that part goes, and
    // only when it is exactly the archive.
    void sevenZipLog_data()
    {
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<bool>("everythingOk");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QStringList>("warnings");
        for (const char* ok : {"ok-small.raw", "progress-400mb.raw", "no-files.raw"})
            QTest::newRow(ok) << recorded(QString("7z/") + ok) << "" << true << QStringList {} << QStringList {};
        QTest::newRow("truncated image") << recorded("7z/truncated-data-error.raw") << "" << false
                                         << QStringList {"Unexpected end of archive", "Data Error : sources/f2.bin",
                                                "Data Error : sources/f3.bin", "Data Error : sources/f4.bin"}
                                         << QStringList {};
        QTest::newRow("not an archive") << recorded("7z/not-an-archive.raw") << "notiso.iso" << false
                                        << QStringList {"Cannot open the file as archive"} << QStringList {};
        QTest::newRow("disk full") << recorded("7z/disk-full.raw") << "" << false
                                   << QStringList {"errno=28 : No space left on device"} << QStringList {};
        QTest::newRow("read-only folder")
            << recorded("7z/read-only-folder.raw") << "" << false
            << QStringList {"Cannot create output directory : errno=17 : File exists : /tmp/ext/small/o/",
                   "errno=17 : File exists"}
            << QStringList {};
        QTest::newRow("listing that cannot open")
            << QStringList {"ERROR: /a/t40k.iso : /a/t40k.iso\n", "Open ERROR: Cannot open the file as [Iso] archive\n",
                   "ERRORS:\n", "Unexpected end of archive\n", "ERROR: /a/t40k.iso.bak : x\n"}
            << "/a/t40k.iso" << false
            << QStringList {"Cannot open the file as [Iso] archive", "Unexpected end of archive", "/a/t40k.iso.bak : x"}
            << QStringList {};
        // Upper-case names are names, not headings; data after the image only warns.
        QTest::newRow("names holding ERRORS") << QStringList {"- ERRORS.TXT\n",
            "2026-12-06 20:02:13 ....A            6            6  WARNING.LOG\n", "Everything is Ok\n"}
                                              << "" << true << QStringList {} << QStringList {};
        QTest::newRow("data after the end")
            << QStringList {"WARNINGS:\n", "There are data after the end of archive\n", "Everything is Ok\n"} << ""
            << true << QStringList {} << QStringList {"There are data after the end of archive"};
    }

    void sevenZipLog()
    {
        QFETCH(QStringList, pieces);
        QFETCH(QString, subject);
        QFETCH(bool, everythingOk);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, warnings);
        ArchiveToolLog log;
        log.SetSubject(subject);
        log = fed(log, pieces);
        QCOMPARE(log.SawEverythingOk(), everythingOk);
        QCOMPARE(log.Errors(), errors);
        QCOMPARE(log.Warnings(), warnings);
    }

    // --- The image builder

    void builderPieces()
    {
        QCOMPARE(ProgressHundredths("abc% done, estimate finish x"), 0);
        QCOMPARE(ProgressHundredths("% done, estimate finish Sun Dec  6 2026"), -1);
        QCOMPARE(ExtentsWritten("Total extents scheduled to be written = 14833"), qint64(-1));
        // The builder's own error line beats later lines; its warnings do not.
        const OutputLog log = fed(OutputLog(),
            {"genisoimage: Warning: creating filesystem with Joliet extensions\n",
                "genisoimage: Uh oh, I cant find the boot image 'ogus' !\n", "some trailing note\n",
                "Max brk space used 0\n"});
        QCOMPARE(log.ErrorLine(), QStringLiteral("genisoimage: Uh oh, I cant find the boot image 'ogus' !"));
    }

    void builderRuns_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qint64>("extents");
        QTest::addColumn<QString>("errorLine");
        QTest::addColumn<int>("lastProgress");
        QTest::newRow("joliet ok") << "joliet-ok.txt" << qint64(14833) << QString() << 6742;
        QTest::newRow("udf ok") << "udf-ok.txt" << qint64(15079) << QString() << 6636;
        QTest::newRow("large allowed") << "large-allowed.txt" << qint64(2304426) << QString() << 9981;
        QTest::newRow("unwritable") << "unwritable-output.txt" << qint64(-1)
                                    << "genisoimage: Permission denied. Unable to open disc image file '/sys/out.iso'."
                                    << -1;
        QTest::newRow("disk full") << "disk-full.txt" << qint64(-1)
                                   << "genisoimage: No space left on device. cannot fwrite 2048*1" << -1;
        QTest::newRow("large refused")
            << "large-refused.txt" << qint64(-1)
            << "-allow-limited-size was not specified. There is no way do represent this file size. Aborting." << -1;
    }

    void builderRuns()
    {
        QFETCH(QString, file);
        QFETCH(qint64, extents);
        QFETCH(QString, errorLine);
        QFETCH(int, lastProgress);
        const OutputLog log = fed(OutputLog(), recorded("genisoimage/" + file));
        QCOMPARE(log.Extents(), extents);
        QCOMPARE(log.LastProgress(), lastProgress);
        if (extents >= 0) // a good run's warnings and notes are no errors
            QVERIFY2(!log.ErrorLine().startsWith(QLatin1String("genisoimage:")), qPrintable(log.ErrorLine()));
        else
            QCOMPARE(log.ErrorLine(), errorLine);
    }

    void builderVerdict_data()
    {
        QTest::addColumn<RunFacts>("facts");
        QTest::addColumn<qint64>("fileSize"); // -1: no file
        QTest::addColumn<Outcome>("outcome");
        const auto normal = QProcess::NormalExit;
        QTest::newRow("good") << RunFacts {false, false, normal, 0, 3, {}} << qint64(6144) << Outcome::Succeeded;
        QTest::newRow("stopped wins") << RunFacts {true, false, normal, 0, 3, {}} << qint64(6144) << Outcome::Stopped;
        QTest::newRow("not started") << RunFacts {false, true, normal, -1, -1, {}} << qint64(-1) << Outcome::NotStarted;
        QTest::newRow("crashed") << RunFacts {false, false, QProcess::CrashExit, 0, 3, {}} << qint64(6144)
                                 << Outcome::Crashed;
        QTest::newRow("exit 13") << RunFacts {false, false, normal, 13, -1, {}} << qint64(-1) << Outcome::ToolFailed;
        QTest::newRow("no report") << RunFacts {false, false, normal, 0, -1, {}} << qint64(2048) << Outcome::NoReport;
        QTest::newRow("no file") << RunFacts {false, false, normal, 0, 3, {}} << qint64(-1) << Outcome::OutputMissing;
        QTest::newRow("short") << RunFacts {false, false, normal, 0, 3, {}} << qint64(4096) << Outcome::OutputSizeWrong;
        QTest::newRow("long") << RunFacts {false, false, normal, 0, 3, {}} << qint64(8192) << Outcome::OutputSizeWrong;
    }

    void builderVerdict()
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

    // --- xorriso, the builder of edited hybrid images

    void xorrisoSaveRuns_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("completed");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("ok") << "save-ok.txt" << true << qint64(184 * 2048) << QString();
        QTest::newRow("unchanged") << "save-unchanged.txt" << true << qint64(185 * 2048) << QString();
        // Without "-changes_pending yes" nothing is written, and the run still ends well.
        QTest::newRow("nothing pending") << "save-nothing-pending.txt" << false << qint64(-1) << QString();
        // libburn's line names the cause, xorriso's the step.
        QTest::newRow("read-only folder")
            << "save-read-only.txt" << false << qint64(-1)
            << "libburn : SORRY : Failed to open device (a pseudo-drive) : Permission denied\n"
               "xorriso : FAILURE : libburn indicates failure with writing.";
        QTest::newRow("no folder") << "save-no-folder.txt" << false << qint64(-1)
                                   << "libburn : SORRY : Neither stdio-path nor its directory exist\n"
                                      "xorriso : FAILURE : Cannot acquire drive 'missing/out.iso'";
        QTest::newRow("path not in the image") << "save-missing-path.txt" << false << qint64(-1)
                                               << "xorriso : FAILURE : Cannot find path '/nothere' in loaded ISO image";
    }

    void xorrisoSaveRuns()
    {
        QFETCH(QString, file);
        const Xorriso::OutputLog log = fed(Xorriso::OutputLog(), recorded("xorriso/" + file));
        QTEST(log.Completed(), "completed");
        QTEST(log.ExpectedBytes(), "bytes");
        QTEST(log.Problem(), "problem");
    }

    // An image saved without a change is still written, as long as its sectors.
    void xorrisoWritesAnUnchangedImage()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("tree/a.txt"), "a"));
        QVERIFY(TestUtil::makeIso(dir.filePath("tree"), dir.filePath("in.iso")));
        const QString out = dir.filePath("out.iso");
        const TestUtil::Result r =
            TestUtil::run(Tools::xorrisoTool(), Tools::xorrisoSaveArgs(dir.filePath("in.iso"), out, {}));
        QCOMPARE(r.exitCode, 0);
        const Xorriso::OutputLog log = fed(Xorriso::OutputLog(), QString::fromUtf8(r.output).split('\n'));
        QVERIFY2(log.Completed(), r.output.constData());
        QCOMPARE(QFileInfo(out).size(), log.ExpectedBytes());
    }

    // --- The recorder and the reader (their runs end to end are in the disc job test)

    void recorder()
    {
        QCOMPARE(BurnProgressPercent("Track 01:  650 of  650 MB written (fifo 100%) [buf  98%]  16.2x."), 100);
        QCOMPARE(BurnProgressPercent("written (fifo 100%) 1 of 2 x"), -1); // marker at position 0
        QCOMPARE(BurnProgressPercent("Track 01:  120 of    0 MB written (fifo 100%)"), -1);
        // Digits a garbled line may carry, found by fuzzing: no overflow.
        QCOMPARE(BurnProgressPercent("0:622222222222222222of65 Mwritten ("), 100);
        QCOMPARE(BurnProgressPercent("0:100000000000000000 of 1000000000000000000 MB written ("), 10);
        QCOMPARE(BurnProgressPercent("Track 01: Total bytes read/written: 681574400/681574400"), -1);

        QCOMPARE(fed(RecorderLog(), recorded("wodim/burn-ok.raw")).cause(), RecorderFailure::None);
        const auto full = fed(RecorderLog(), recorded("cdrskin/burn-no-space.raw"));
        QCOMPARE(full.cause(), RecorderFailure::WriteError);
        QVERIFY2(full.detail().contains("No space left on device"), qPrintable(full.detail()));
        QCOMPARE(fed(RecorderLog(), recorded("wodim/burn-no-disc.raw")).cause(), RecorderFailure::NoDisc);
    }

    // The recorder lines of both dialects; headers, notes and empty slots are none.
    void recorderScanbus()
    {
        QStringList names;
        for (const QString& piece : recorded("cdrskin/scanbus-two.txt") + recorded("wodim/scanbus-two.txt"))
            if (const auto f = ParseScanbusFields(piece))
                names << f->address + ' ' + f->name;
        QCOMPARE(names.size(), 4);
        QVERIFY2(names.contains("1,0,0 TSSTcorp CDDVDW SH-224DB SB00"), qPrintable(names.join('|')));
        QVERIFY2(names.contains("2,0,0 ASUS BW-16D1HT 3.02"), qPrintable(names.join('|')));
    }

    void reader()
    {
        QCOMPARE(ReadEndSectors("addr:  64 cnt: 64"), qint64(-1));
        QCOMPARE(ReadEndSectors("end: x"), qint64(0));
        QCOMPARE(ReadAddress("end:  100"), qint64(-1));
    }

    // --- The image splitter

    void splitter()
    {
        QList<int> percents;
        for (const QString& piece : recorded("wimlib-imagex/split.raw"))
            if (const auto p = ParseSplitProgress(piece))
                percents << *p;
        QVERIFY(percents.size() > 50);
        QCOMPARE(percents.first(), 0);
        QCOMPARE(percents.last(), 100);
        QVERIFY(!ParseSplitProgress("Finished splitting \"pad.wim\""));
    }

    // --- Command lines: only what a change could silently break

    // "disc?.iso" next to "disc1.iso": 7-Zip would read both unless told the
    // path is a name.
    void everySevenZipCommandTakesPathsLiterally()
    {
        QTemporaryDir dir;
        const QString wild = dir.filePath("wild/");
        QVERIFY(TestUtil::writeFile(dir.filePath("a/mine.txt"), "mine"));
        QVERIFY(TestUtil::writeFile(dir.filePath("a/sources/install.wim"), "wim"));
        QVERIFY(TestUtil::writeFile(dir.filePath("b/other.txt"), "other"));
        QVERIFY(TestUtil::writeFile(dir.filePath("b/sources/install.wim"), "other wim"));
        const QString image = wild + "disc?.iso";
        QVERIFY(QDir().mkpath(wild));
        QVERIFY(TestUtil::makeIso(dir.filePath("a"), image));
        QVERIFY(TestUtil::makeIso(dir.filePath("b"), wild + "disc1.iso"));

        const QString out = dir.filePath("out");
        const QList<QStringList> commands {Tools::listArgs(image), Tools::technicalListArgs(image),
            Tools::installProbeArgs(image), Tools::extractArgs(image, out + "/x", {"mine.txt", "other.txt"}),
            Tools::extractAllArgs(out + "/all", image), Tools::copyToDriveArgs(out + "/drive", image, QString()),
            Tools::extractFlatArgs(image, out + "/flat", "sources/install.wim")};
        for (const QStringList& args : commands) {
            const TestUtil::Result r = TestUtil::run(Tools::archiveTool(), args);
            QVERIFY2(!r.output.contains("other"), qPrintable(args.join(' ')));
        }
        QCOMPARE(TestUtil::listTree(out),
            (QStringList {"all", "all/mine.txt", "all/sources", "all/sources/install.wim", "drive", "drive/mine.txt",
                "drive/sources", "drive/sources/install.wim", "flat", "flat/install.wim", "x", "x/mine.txt"}));
        QCOMPARE(TestUtil::readFile(out + "/flat/install.wim"), QByteArray("wim"));
    }

    void decisions()
    {
        // Exactly the named entries, names after "--", the platform's separators.
        const QStringList extract = Tools::extractArgs("/i.iso", "/o", {"boot\\bcd", "-y"});
        QVERIFY(!extract.contains("-r"));
        QCOMPARE(extract.mid(extract.indexOf("--")), (QStringList {"--", "boot/bcd", "-y"}));
        // No shell reads the list: quotes would become part of the name.
        QCOMPARE(Tools::writeImageArgs("1,0,0", "/a \"b\".iso").last(), QString("/a \"b\".iso"));
        // "-joliet-long" would switch Joliet on in a plain ISO 9660 image.
        QVERIFY(!Tools::createImageArgs(Tools::ImageType::Iso9660, "/o.iso", "/d").contains("-joliet-long"));
        // Files of 4 GiB or more are refused at the end of a long run unless allowed.
        QVERIFY(Tools::createImageArgs(Tools::ImageType::Udf, "/o.iso", "/d", true).contains("-allow-limited-size"));
        Tools::SaveEditedOptions large;
        large.allowLargeFiles = true;
        QVERIFY(Tools::saveEditedArgs(large, "/o.iso", "/d").contains("-allow-limited-size"));
        // Without -no-emul-boot the builder takes any boot image for a diskette.
        Tools::SaveEditedOptions edited;
        edited.bootImages << Tools::BootImageArgs {BootEntry(), false, "boot.img"};
        edited.graftFiles << qMakePair(QString("x.img"), QString("/d/a=b.img"));
        const QStringList save = Tools::saveEditedArgs(edited, "/o.iso", "/d");
        QVERIFY(save.contains("-no-emul-boot"));
        QVERIFY(save.contains("x.img=/d/a\\=b.img"));
    }
};

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
