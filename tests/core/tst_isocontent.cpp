// Listing parser, listing reader and content model, against recorded and live
// `7z l` output and against xorriso's view of the same images.

#include "core/tools.h"
#include "image/contentsearch.h"
#include "image/isocontent.h"
#include "runner/runcommandthread.h"
#include "runner/sevenzip.h"

#include "fuzz/listingcuts.h"
#include "testutil.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A table line in the tool's fixed columns.
QString tableLine(const QString& attr, const QString& size, const QString& name)
{
    return QStringLiteral("2019-03-19 11:22:04 ") + attr.leftJustified(5) + QLatin1Char(' ') + size.rightJustified(12)
        + QLatin1Char(' ') + size.rightJustified(12) + QStringLiteral("  ") + name + QLatin1Char('\n');
}

using TestUtil::entry;

// Feeds pieces to a fresh reader; returns the index of the piece that ended the table.
int feedAll(ListingReader& reader, const QStringList& pieces)
{
    int finishedAt = -1;
    reader.Begin(QStringLiteral("x.iso"));
    for (int i = 0; i < pieces.size(); ++i)
        if (reader.Feed(pieces[i]) == ListingReader::TableFinished)
            finishedAt = i;
    return finishedAt;
}

// Lists an image with the real tool into a fresh reader; returns the pieces.
QStringList listLive(ListingReader& reader, const QString& image)
{
    QStringList pieces;
    reader.Begin(QStringLiteral("live.iso"));
    CRunCommandThread runner;
    QObject::connect(&runner, &CRunCommandThread::standoutputline, [&](const QString& p) {
        pieces << p;
        reader.Feed(p);
    });
    runner.setCommand(Tools::archiveTool(), Tools::listArgs(image));
    runner.start();
    runner.waitUntilFinished();
    return pieces;
}

} // namespace

class TestIsoContent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void parseLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name"); // empty: no entry
        QTest::addColumn<QString>("size");
        const QString line53 = tableLine(".....", "5", "x").left(53);
        QTest::newRow("lower-case d is a file") << tableLine("d....", "", "x") << "x"
                                                << "";
        QTest::newRow("CRLF") << tableLine(".....", "5", "a.txt").replace("\n", "\r\n") << "a.txt"
                              << "5";
        QTest::newRow("53 characters") << line53 << ""
                                       << "";
        QTest::newRow("54 characters") << line53 + "y"
                                       << "y"
                                       << "5";
        QTest::newRow("no date") << "                    .....         2048         2048  [BOOT]/Boot-NoEmul.img"
                                 << "[BOOT]/Boot-NoEmul.img"
                                 << "2048";
        QTest::newRow("garbage") << "ERROR: x.iso : Cannot open the file as archive"
                                 << ""
                                 << "";
    }

    void parseLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        const std::optional<ListingRow> e = ParseListingLine(line);
        QCOMPARE(e.has_value(), !name.isEmpty());
        if (!e)
            return;
        QCOMPARE(e->name, name);
        QVERIFY(!e->isDir); // folders ("D....") are read in the recorded listings
        QTEST(e->sizeText, "size");
        QCOMPARE(e->dateText, line.startsWith(' ') ? QString(19, ' ') : QStringLiteral("2019-03-19 11:22:04"));
    }

    void addEntryRules()
    {
        IsoContentTree tree;
        // A file listed before its folder makes the folder; the folder's own line adds nothing.
        QVERIFY(tree.AddEntry(entry("boot\\bcd", false, "8192")));
        QVERIFY(!tree.AddEntry(entry("boot", true)));
        QVERIFY(tree.FindEntry("boot")->isDir);
        QVERIFY(tree.AddEntry(entry("boot/fonts/a.ttf"))); // forward slashes, same folders
        QCOMPARE(tree.FindEntry("boot")->childCount(), 2);
        QVERIFY(!tree.AddEntry(entry("boot\\bcd", false, "1"))); // first one wins
        QCOMPARE(tree.FindEntry("boot\\bcd")->sizeText, QStringLiteral("8192"));
        QVERIFY(tree.AddEntry(entry("Program")));
        QVERIFY(tree.AddEntry(entry("Program Files\\x")));
        QCOMPARE(tree.root.childCount(), 3);
        // Nothing may point outside the root or have no name.
        for (const char* bad : {"", "..\\evil", "boot/../../evil", "\\"})
            QVERIFY2(!tree.AddEntry(entry(bad)), bad);
        QVERIFY(tree.AddEntry(entry("/abs//./x")) && tree.FindEntry("abs\\x"));
        QVERIFY(!tree.FindEntry("") && !tree.FindEntry("..") && !tree.FindEntry("boot\\none"));
        QCOMPARE(tree.EntryCount(), 9);
        QCOMPARE(ParentPath("boot\\fonts\\a.ttf"), QStringLiteral("boot\\fonts"));
        QCOMPARE(ReplaceLastComponent("boot\\", "new"), QStringLiteral("boot\\new"));
    }

    void removeAndStableAddresses()
    {
        IsoContentTree tree;
        QList<IsoEntry*> pointers;
        for (int i = 0; i < 3000; ++i)
            pointers << tree.Insert(entry(QStringLiteral("big\\f%1").arg(i)));
        QCOMPARE(pointers[1234]->name, QStringLiteral("big\\f1234")); // earlier pointers stay valid
        QVERIFY(tree.RemoveEntry("big\\f10"));
        QVERIFY(!tree.RemoveEntry("big\\f10"));
        IsoEntry* big = tree.FindEntry("big");
        QCOMPARE(big->childCount(), 2999);
        QCOMPARE(big->child(10), pointers[11]);
        QCOMPARE(big->indexOf(pointers[11]), 10);
        QCOMPARE(tree.FindEntry("big\\f2999"), pointers.last());
        // A folder goes with its subtree; a new entry of that name starts afresh.
        QVERIFY(tree.RemoveEntry("big"));
        QCOMPARE(tree.EntryCount(), 0);
        QVERIFY(tree.AddEntry(entry("big\\f11")));
        QCOMPARE(tree.FindEntry("big")->childCount(), 1);
    }

    // A renamed folder keeps its place and address; names and lookups below follow.
    void renameEntry()
    {
        IsoContentTree tree;
        for (int i = 0; i < 40; ++i)
            tree.Insert(entry(QStringLiteral("a\\sub\\f%1").arg(i)));
        tree.Insert(entry("b"));
        IsoEntry* a = tree.FindEntry("a");
        IsoEntry* f7 = tree.FindEntry("a\\sub\\f7");
        QVERIFY(tree.RenameEntry("a", "z"));
        QCOMPARE(tree.FindEntry("z"), a);
        QCOMPARE(tree.root.indexOf(a), 0);
        QCOMPARE(tree.FindEntry("z\\sub\\f7"), f7);
        QCOMPARE(f7->name, QStringLiteral("z\\sub\\f7"));
        QVERIFY(!tree.FindEntry("a\\sub\\f7"));
        for (const char* bad : {"b", "", "..", "x\\y", "x/y"})
            QVERIFY(!tree.RenameEntry("z", bad));
        QVERIFY(!tree.RenameEntry("missing", "c"));
        QCOMPARE(tree.EntryCount(), 43);
    }

    void copyAndLocalSize()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("a"), QByteArray(1000, 'a')));
        QVERIFY(TestUtil::writeFile(dir.filePath("b"), QByteArray(234, 'b')));
        IsoContentTree tree;
        QVERIFY(tree.AddEntry(entry("docs\\a", false, {}, dir.filePath("a"))));
        QVERIFY(tree.AddEntry(entry("docs\\sub\\b", false, {}, dir.filePath("b"))));
        QVERIFY(tree.AddEntry(entry("listed.txt", false, "999"))); // no local file
        QCOMPARE(tree.LocalFilesSize(), qint64(1234));
        QCOMPARE(tree.LocalFilesSize(tree.FindEntry("docs\\sub")), qint64(234));
        // A copy is deep and independent.
        IsoEntry copy = *tree.FindEntry("docs");
        QVERIFY(tree.RemoveEntry("docs"));
        QCOMPARE(copy.child(1)->child(0)->name, QStringLiteral("docs\\sub\\b"));
        QCOMPARE(copy.child(1)->child(0)->parent(), copy.child(1));
    }

    void recordedListings_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("entries");
        QTest::newRow("sample") << "list-sample.txt" << true << 22; // 21 table lines + the [BOOT] folder
        QTest::newRow("not an archive") << "list-not-an-archive.txt" << false << 0;
        QTest::newRow("empty table") << "list-empty.txt" << true << 0;
        QTest::newRow("truncated image") << "list-truncated.txt" << true << 22;
        QTest::newRow("cut after the first separator") << "cut" << false << 3;
    }

    void recordedListings()
    {
        QFETCH(QString, fixture);
        QStringList pieces = TestUtil::fixturePieces("7z/" + (fixture == "cut" ? "list-sample.txt" : fixture));
        QVERIFY(!pieces.isEmpty());
        if (fixture == QLatin1String("cut"))
            pieces = pieces.mid(0, pieces.indexOf(QRegExp("^-{19}.*")) + 4);
        IsoContentTree tree;
        ListingReader reader(tree);
        const int finishedAt = feedAll(reader, pieces);
        QTEST(reader.EndOfRun(), "complete");
        QVERIFY(!reader.InListing());
        QTEST(tree.EntryCount(), "entries");
        if (fixture != QLatin1String("list-sample.txt"))
            return;
        // The sample holds every rule of the reader at once.
        QVERIFY(finishedAt > 0 && finishedAt < pieces.size() - 1); // before the totals line
        // A name made of hyphens is an entry, not the end of the table.
        for (const char* name : {"---------------------.txt", "  leading and trailing  ",
                 "Program Files\\My App\\read me.txt", "Übersicht – ñ.txt"})
            QVERIFY2(tree.FindEntry(QString::fromUtf8(name)), name);
        QCOMPARE(tree.FindEntry("boot\\bcd")->sizeText, QStringLiteral("8192"));
        QVERIFY(tree.FindEntry("empty")->isDir);
        QCOMPARE(tree.root.child(0)->name, QStringLiteral("  leading and trailing  ")); // listing order
        QCOMPARE(reader.AddedCount(), 21);
    }

    // Only 7-Zip's boot images (no date) are left out of an image's tree; a
    // dated file in a real "[BOOT]" folder of the image is content.
    void bootImagesAreNoContent()
    {
        QStringList pieces = TestUtil::fixturePieces("7z/list-sample.txt");
        pieces.insert(pieces.lastIndexOf(QRegExp("^-{19}.*")), tableLine(".....", "5", "[BOOT]/notes.txt"));
        IsoContentTree tree;
        ListingReader reader(tree);
        reader.SetSkipBootImages(true);
        feedAll(reader, pieces);
        QVERIFY(reader.EndOfRun());
        QCOMPARE(reader.BootImageNames(), QStringList {"[BOOT]\\Boot-NoEmul.img"});
        QVERIFY(tree.FindEntry("[BOOT]\\notes.txt"));
        QVERIFY(!tree.FindEntry("[BOOT]\\Boot-NoEmul.img"));
    }

    // Lines at and past the runner's cut length (2047 characters, joined again
    // by the reader) and characters split between reads read the same however
    // reads and pauses cut them. (The recorded listings are the fuzz target's seeds.)
    void cutAnywhere_data()
    {
        QTest::addColumn<QByteArray>("output");
        const QByteArray recorded = TestUtil::readFile(TestUtil::dataPath("7z/list-sample.txt"));
        const int table = recorded.indexOf("\n-------------------") + 1;
        const int afterSeparator = recorded.indexOf('\n', table) + 1;
        const QByteArray head = recorded.left(afterSeparator);
        const QByteArray separator = recorded.mid(table, afterSeparator - table);
        const QByteArray prefix = "2019-03-19 11:22:04 .....            1            1  ";
        const QByteArray exact = prefix + "exact/" + QByteArray(2047 - prefix.size() - 7, 'n') + '\n';
        QTest::newRow("2047 bytes, then the closing separator") << head + exact + separator + "totals\n";
        QTest::newRow("3000-character name") << head + prefix + "d/" + QByteArray(3000, 'n') + '\n' + separator;
        QTest::newRow("long non-ASCII path")
            << head + prefix + QString(1500, QChar(0x00FC)).toUtf8() + "/\xe2\x80\x93.txt\n" + separator;
        QTest::newRow("blank columns across a pause")
            << head + "2019-03-19 11:22:04 D...." + QByteArray(28, ' ') + "  Program Files\n" + separator;
    }

    void cutAnywhere()
    {
        QFETCH(QByteArray, output);
        const ListingCuts::Outcome whole = ListingCuts::Uncut(output);
        QVERIFY(whole.complete);
        QVERIFY(whole.model.count(QLatin1Char('\n')) >= 1);
        QRandomGenerator random(2047);
        for (int round = 0; round < 300; ++round) {
            std::vector<ListingCuts::Cut> cuts(1 + random.bounded(8));
            for (ListingCuts::Cut& cut : cuts)
                cut = {1 + random.bounded(round % 2 ? 3000 : 60), random.bounded(3) == 0};
            const ListingCuts::Outcome cut = ListingCuts::Delivered(output, cuts);
            QVERIFY2(cut == whole, qPrintable(QStringLiteral("round %1: %2").arg(round).arg(cut.model.left(300))));
        }
    }

    // Only a disc image is read: an archive of another kind is refused at its
    // table, whatever its file is called.
    void onlyDiscImages_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("type");
        QTest::newRow("ISO 9660") << "iso"
                                  << "Iso";
        QTest::newRow("UDF") << "udf"
                             << "Udf";
        QTest::newRow("ZIP named .iso") << "zip"
                                        << "zip";
    }

    void onlyDiscImages()
    {
        QFETCH(QString, kind);
        QFETCH(QString, type);
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("tree/a.txt"), "a"));
        const QString image = dir.filePath("image.iso");
        if (kind == QLatin1String("zip")) {
            QCOMPARE(
                TestUtil::run(Tools::archiveTool(), {"a", "-tzip", image, dir.filePath("tree/a.txt")}).exitCode, 0);
        } else {
            QVERIFY(TestUtil::makeIso(
                dir.filePath("tree"), image, kind == QLatin1String("udf") ? QStringList {"-udf"} : QStringList {}));
        }
        IsoContentTree tree;
        ListingReader reader(tree);
        listLive(reader, image);
        QCOMPARE(reader.ArchiveType(), type);
        const bool disc = kind != QLatin1String("zip");
        QCOMPARE(reader.EndOfRun(), disc);
        QCOMPARE(reader.WasRefused(), !disc);
        QCOMPARE(tree.EntryCount(), disc ? 1 : 0);
    }

    // A Rock Ridge name may hold a backslash; it is one name, shown as it is,
    // and the tool gets it back as it listed it.
    void backslashInName()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("tree/dir/a\\b.txt"), "ab"));
        QVERIFY(TestUtil::writeFile(dir.filePath("tree/c\\d"), "cd"));
        const QString image = dir.filePath("rr.iso");
        QCOMPARE(TestUtil::run("genisoimage", {"-quiet", "-R", "-o", image, dir.filePath("tree")}).exitCode, 0);
        IsoContentTree tree;
        ListingReader reader(tree);
        listLive(reader, image);
        QVERIFY(reader.EndOfRun());
        QCOMPARE(tree.EntryCount(), 3);
        const IsoEntry* file = tree.FindEntry(QStringLiteral("dir\\a") + NameBackslash + QStringLiteral("b.txt"));
        QVERIFY(file && !file->isDir);
        QCOMPARE(DisplayName(LastPathComponent(file->name)), QStringLiteral("a\\b.txt"));
        QCOMPARE(Tools::imagePathForTool(file->name), QStringLiteral("dir/a\\b.txt"));
        QVERIFY(!tree.FindEntry(QStringLiteral("c"))); // no folder made of the name's first part
    }

    // The whole image's search: names only (not the folders above them), any
    // case, a folder before what it holds, ending at the limit.
    void findByName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("hits"); // "name in folder"
        QTest::newRow("any case, every depth")
            << "READ" << 10 << QStringList {"readme.txt in /", "Readers in /docs", "read.me in /docs/Readers"};
        QTest::newRow("own name only") << "docs" << 10 << QStringList {"docs in /"};
        QTest::newRow("limit") << "read" << 2 << QStringList {"readme.txt in /", "Readers in /docs"};
        QTest::newRow("nothing") << "zzz" << 10 << QStringList {};
        QTest::newRow("empty text") << "" << 10 << QStringList {};
    }

    void findByName()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QStringList, hits);
        IsoContentTree tree;
        for (const char* name : {"readme.txt", "docs\\Readers\\read.me", "docs\\other.txt", "boot\\grub\\x"})
            tree.AddEntry(TestUtil::entry(name));
        QStringList found;
        for (const IsoEntry* entry : FindByName(tree.root, text, limit))
            found << DisplayName(LastPathComponent(entry->name)) + " in " + FolderPathOf(*entry);
        QCOMPARE(found, hits);
    }

    // The model built from the real tool's listing holds exactly the paths
    // xorriso finds in the image, whose name is no pattern: "a?.iso" does
    // not also list a0.iso.
    void liveImageMatchesXorriso()
    {
        if (!TestUtil::haveProgram("genisoimage") || !TestUtil::haveProgram("xorriso"))
            QSKIP("genisoimage and xorriso are needed");
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("tree"));
        for (const char* f : {"Program Files/My App/read me.txt", "boot/bcd", "boot/fonts/chs_boot.ttf",
                 "a b  c/d  e.txt", "ünïcödé/ñ.txt", "x-------------------y.txt", "deep/1/2/3/4/5/6/7/leaf.bin"})
            QVERIFY(TestUtil::writeFile(root + QLatin1Char('/') + QString::fromUtf8(f), f));
        for (int i = 0; i < 300; ++i)
            QVERIFY(TestUtil::writeFile(root + QStringLiteral("/many/file%1.txt").arg(i), QByteArray()));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/empty folder")));
        const QString image = dir.filePath(QStringLiteral("a?.iso"));
        QVERIFY(TestUtil::makeIso(root, image));
        QVERIFY(TestUtil::writeFile(dir.filePath("decoy/wrong.txt"), "w"));
        QVERIFY(TestUtil::makeIso(dir.filePath("decoy"), dir.filePath("a0.iso")));

        IsoContentTree tree;
        ListingReader reader(tree);
        QCOMPARE(listLive(reader, image).filter(QStringLiteral("Listing archive:")).size(), 1);
        QVERIFY(reader.EndOfRun());
        QStringList theirs = TestUtil::xorrisoFind(image);
        // Rock Ridge's home for deep folders: only xorriso shows it, 7-Zip reads Joliet.
        theirs.removeAll(QStringLiteral("rr_moved"));
        QVERIFY(theirs.size() > 300);
        theirs.sort();
        QCOMPARE(TestUtil::modelPaths(tree.root), theirs);
    }
};

QTEST_GUILESS_MAIN(TestIsoContent)
#include "tst_isocontent.moc"
