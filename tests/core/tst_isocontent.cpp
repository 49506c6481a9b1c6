// Listing parser, listing reader and content model, against recorded and live
// `7z l` output and against xorriso's view of the same images.

#include "image/isocontent.h"
#include "runner/runcommandthread.h"
#include "runner/tools.h"

#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList fixturePieces(const QString& name)
{
    QFile file(QStringLiteral(QUILLON_TEST_DATA "/7z/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList pieces;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            pieces << QString::fromUtf8(line) + QLatin1Char('\n');
    return pieces;
}

// Every path below the root, "/"-separated, in depth-first listing order.
void collect(const IsoEntry* folder, QStringList& out)
{
    for (int i = 0; i < folder->childCount(); ++i) {
        const IsoEntry* c = folder->child(i);
        out << QString(c->name).replace(QLatin1Char('\\'), QLatin1Char('/'));
        collect(c, out);
    }
}

// A table line in the tool's fixed columns.
QString tableLine(const QString& attr, const QString& size, const QString& name,
                  const QString& date = QStringLiteral("2019-03-19 11:22:04"))
{
    return date + QLatin1Char(' ') + attr.leftJustified(5) + QLatin1Char(' ')
        + size.rightJustified(12) + QLatin1Char(' ') + size.rightJustified(12) + QStringLiteral("  ")
        + name + QLatin1Char('\n');
}

IsoEntry entry(const QString& name, bool isDir = false, const QString& size = QString())
{
    IsoEntry e;
    e.name = name;
    e.isDir = isDir;
    e.sizeText = size;
    return e;
}

} // namespace

class TestIsoContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void parseLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("yields");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isDir");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("date");
        const QString d = QStringLiteral("2019-03-19 11:22:04");
        QTest::newRow("file") << tableLine(".....", "8192", "boot/bcd") << true << "boot/bcd" << false
                              << "8192" << d;
        QTest::newRow("folder") << tableLine("D....", "", "boot") << true << "boot" << true << "" << d;
        QTest::newRow("lower-case d is a file") << tableLine("d....", "", "x") << true << "x" << false << ""
                                                << d;
        QTest::newRow("spaces kept") << tableLine(".....", "1", "Program Files\\My App\\read me.txt ")
                                     << true << "Program Files\\My App\\read me.txt " << false << "1" << d;
        QTest::newRow("CRLF removed") << tableLine(".....", "5", "a.txt").replace("\n", "\r\n") << true
                                      << "a.txt" << false << "5" << d;
        const QString line53 = tableLine(".....", "5", "x").left(53);
        QTest::newRow("53 characters") << line53 << false << "" << false << "" << "";
        QTest::newRow("54 characters") << line53 + "y" << true << "y" << false << "5" << d;
        QTest::newRow("boot image without date")
            << "                    .....         2048         2048  [BOOT]/Boot-NoEmul.img" << true
            << "[BOOT]/Boot-NoEmul.img" << false << "2048" << QString(19, ' ');
        QTest::newRow("garbage") << "ERROR: x.iso : Cannot open the file as archive" << false << "" << false
                                 << "" << "";
        QTest::newRow("empty") << "" << false << "" << false << "" << "";
    }

    void parseLine()
    {
        QFETCH(QString, line);
        QFETCH(bool, yields);
        const std::optional<IsoEntry> e = ParseListingLine(line);
        QCOMPARE(e.has_value(), yields);
        if (!yields)
            return;
        QTEST(e->name, "name");
        QTEST(e->isDir, "isDir");
        QTEST(e->sizeText, "size");
        QTEST(e->dateText, "date");
        QVERIFY(e->localPath.isEmpty());
    }

    void pathFunctions_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("renamed"); // last component replaced by "new"
        QTest::newRow("nested") << "boot\\fonts\\a.ttf" << "a.ttf" << "boot\\fonts" << "boot\\fonts\\new";
        QTest::newRow("top") << "setup.exe" << "setup.exe" << "" << "new";
        QTest::newRow("empty") << "" << "" << "" << "new";
        QTest::newRow("trailing separator") << "boot\\" << "" << "boot" << "boot\\new";
    }

    void pathFunctions()
    {
        QFETCH(QString, path);
        QTEST(LastPathComponent(path), "last");
        QTEST(ParentPath(path), "parent");
        QTEST(ReplaceLastComponent(path, QStringLiteral("new")), "renamed");
    }

    void addEntryRules()
    {
        IsoContentTree tree;
        // A file listed before its folder makes the folder, without a date.
        QVERIFY(tree.AddEntry(entry("boot\\bcd", false, "8192")));
        IsoEntry boot = entry("boot", true);
        boot.dateText = QStringLiteral("2019-03-19 11:22:04");
        QVERIFY(!tree.AddEntry(boot));
        QVERIFY(tree.FindEntry("boot")->isDir);
        QVERIFY(tree.FindEntry("boot")->dateText.isEmpty());
        // Forward slashes land in the same folders.
        QVERIFY(tree.AddEntry(entry("boot/fonts/a.ttf")));
        QCOMPARE(tree.FindEntry("boot")->childCount(), 2);
        QCOMPARE(tree.FindEntry("boot\\fonts\\a.ttf")->name, QStringLiteral("boot\\fonts\\a.ttf"));
        // The first entry with a path wins.
        QVERIFY(!tree.AddEntry(entry("boot\\bcd", false, "1")));
        QCOMPARE(tree.FindEntry("boot\\bcd")->sizeText, QStringLiteral("8192"));
        // A file and a folder merge only when their full paths are equal.
        QVERIFY(tree.AddEntry(entry("Program")));
        QVERIFY(tree.AddEntry(entry("Program Files\\x")));
        QCOMPARE(tree.root.childCount(), 3);
        // Nothing may point outside the root or have no name.
        QVERIFY(!tree.AddEntry(entry("")));
        QVERIFY(!tree.AddEntry(entry("..\\evil")));
        QVERIFY(!tree.AddEntry(entry("boot/../../evil")));
        QVERIFY(!tree.AddEntry(entry("\\")));
        QVERIFY(tree.AddEntry(entry("/abs//./x")));
        QVERIFY(tree.FindEntry("abs\\x"));
        QVERIFY(!tree.FindEntry(""));
        QVERIFY(!tree.FindEntry("boot\\none"));
        QCOMPARE(tree.EntryCount(), 9);
        QVERIFY(tree.FindEntry("..") == nullptr);
    }

    void removeAndStableAddresses()
    {
        IsoContentTree tree;
        QVERIFY(tree.AddEntry(entry("big", true)));
        QList<IsoEntry*> pointers;
        for (int i = 0; i < 3000; ++i) {
            IsoEntry* e = tree.Insert(entry(QStringLiteral("big\\f%1").arg(i)));
            QVERIFY(e);
            pointers << e;
        }
        // Pointers handed out earlier still name their entries.
        for (int i = 0; i < pointers.size(); i += 97)
            QCOMPARE(pointers[i]->name, QStringLiteral("big\\f%1").arg(i));
        QCOMPARE(tree.FindEntry("big\\f2999"), pointers.last());
        // Removing from the middle keeps order and lookups right.
        QVERIFY(tree.RemoveEntry("big\\f10"));
        QVERIFY(!tree.RemoveEntry("big\\f10"));
        QVERIFY(!tree.RemoveEntry(""));
        IsoEntry* big = tree.FindEntry("big");
        QCOMPARE(big->childCount(), 2999);
        QCOMPARE(big->child(10)->name, QStringLiteral("big\\f11"));
        QCOMPARE(tree.FindEntry("big\\f2999"), pointers.last());
        QCOMPARE(tree.FindEntry("big\\f11"), pointers[11]);
        QCOMPARE(big->indexOf(pointers[11]), 10);
        // A folder goes with its subtree; a new entry of that name starts afresh.
        QVERIFY(tree.RemoveEntry("big"));
        QCOMPARE(tree.EntryCount(), 0);
        QVERIFY(!tree.FindEntry("big\\f11"));
        QVERIFY(tree.AddEntry(entry("big\\f11")));
        QCOMPARE(tree.FindEntry("big")->childCount(), 1);
    }

    void copyAndLocalSize()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("a"), QByteArray(1000, 'a')));
        QVERIFY(TestUtil::writeFile(dir.filePath("b"), QByteArray(234, 'b')));
        IsoContentTree tree;
        IsoEntry a = entry("docs\\a");
        a.localPath = dir.filePath("a");
        IsoEntry b = entry("docs\\sub\\b");
        b.localPath = dir.filePath("b");
        QVERIFY(tree.AddEntry(a));
        QVERIFY(tree.AddEntry(b));
        QVERIFY(tree.AddEntry(entry("listed.txt", false, "999"))); // no local file
        QCOMPARE(tree.LocalFilesSize(), qint64(1234));
        QCOMPARE(tree.LocalFilesSize(tree.FindEntry("docs\\sub")), qint64(234));
        // A copy is deep and independent.
        IsoEntry copy = *tree.FindEntry("docs");
        QVERIFY(tree.RemoveEntry("docs"));
        QCOMPARE(copy.childCount(), 2);
        QCOMPARE(copy.child(1)->child(0)->name, QStringLiteral("docs\\sub\\b"));
        QCOMPARE(copy.child(1)->child(0)->parent(), copy.child(1));
        tree.Reset();
        QCOMPARE(tree.root.childCount(), 0);
        QVERIFY(tree.label.isEmpty());
    }

    // The recorded sample: every rule of the reader at once.
    void recordedSample()
    {
        IsoContentTree tree;
        ListingReader reader(tree);
        reader.Begin(QStringLiteral("sample.iso"));
        int finishedAt = -1;
        const QStringList pieces = fixturePieces(QStringLiteral("list-sample.txt"));
        QVERIFY(!pieces.isEmpty());
        for (int i = 0; i < pieces.size(); ++i)
            if (reader.Feed(pieces[i]) == ListingReader::TableFinished)
                finishedAt = i;
        QCOMPARE(finishedAt, pieces.size() - 2); // before the totals line
        QVERIFY(reader.EndOfRun());
        QCOMPARE(tree.label, QStringLiteral("sample.iso"));
        // A name made of hyphens is an entry, not the end of the table.
        QVERIFY(tree.FindEntry(QStringLiteral("---------------------.txt")));
        QVERIFY(tree.FindEntry(QStringLiteral("  leading and trailing  ")));
        QVERIFY(tree.FindEntry(QStringLiteral("Program Files\\My App\\read me.txt")));
        QVERIFY(tree.FindEntry(QStringLiteral("Übersicht – ñ.txt")));
        QCOMPARE(tree.FindEntry(QStringLiteral("boot\\bcd"))->sizeText, QStringLiteral("8192"));
        QVERIFY(tree.FindEntry(QStringLiteral("empty"))->isDir);
        QVERIFY(!tree.FindEntry(QStringLiteral("Program"))->isDir);
        QCOMPARE(tree.root.child(0)->name, QStringLiteral("  leading and trailing  ")); // listing order
        QCOMPARE(tree.EntryCount(), 22); // 21 table lines + the implicit [BOOT] folder
        QCOMPARE(reader.AddedCount(), 21);
    }

    void unfinishedListings_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("entries");
        QTest::newRow("not an archive") << "list-not-an-archive.txt" << false << 0;
        QTest::newRow("empty table") << "list-empty.txt" << true << 0;
        QTest::newRow("truncated image") << "list-truncated.txt" << true << 22;
        QTest::newRow("cut after the first separator") << "cut" << false << 3;
    }

    void unfinishedListings()
    {
        QFETCH(QString, fixture);
        QStringList pieces;
        if (fixture == QLatin1String("cut")) {
            pieces = fixturePieces(QStringLiteral("list-sample.txt"));
            const int start = pieces.indexOf(QRegExp("^-{19}.*"));
            pieces = pieces.mid(0, start + 4);
        } else {
            pieces = fixturePieces(fixture);
        }
        QVERIFY(!pieces.isEmpty());
        IsoContentTree tree;
        ListingReader reader(tree);
        reader.Begin(QStringLiteral("x.iso"));
        for (const QString& p : pieces)
            reader.Feed(p);
        QTEST(reader.EndOfRun(), "complete");
        QVERIFY(!reader.InListing());
        QTEST(tree.EntryCount(), "entries");
    }

    void longLineInPieces()
    {
        // The runner cuts pieces at 2047 characters; the reader joins them.
        IsoContentTree tree;
        ListingReader reader(tree);
        reader.Begin(QString());
        const QString sep = QStringLiteral("------------------- ----- ------------ ------------  ---\n");
        const QString line = tableLine(".....", "1", QStringLiteral("d\\") + QString(3000, 'n'));
        QCOMPARE(reader.Feed(sep), ListingReader::TableStarted);
        QCOMPARE(reader.Feed(line.left(2047)), ListingReader::Ignored);
        QCOMPARE(reader.Feed(line.mid(2047)), ListingReader::EntryAdded);
        QCOMPARE(reader.Feed(sep), ListingReader::TableFinished);
        QCOMPARE(tree.FindEntry("d")->child(0)->name.size(), 3002);
    }

    // Garbage inside the table: no crash, and every stored name is clean.
    void garbageLines()
    {
        IsoContentTree tree;
        ListingReader reader(tree);
        reader.Begin(QStringLiteral("g.iso"));
        reader.Feed(QStringLiteral("------------------- ----- ------------ ------------  ----\n"));
        const QString alphabet = QStringLiteral("ab./\\ D.\r\n-0");
        quint32 seed = 12345;
        for (int i = 0; i < 5000; ++i) {
            QString line;
            const int length = int(seed % 90);
            for (int k = 0; k < length; ++k) {
                seed = seed * 1103515245u + 12345u;
                line += alphabet.at(int((seed >> 16) % uint(alphabet.size())));
            }
            seed = seed * 1103515245u + 12345u;
            reader.Feed(line);
        }
        QVERIFY(!reader.EndOfRun());
        QStringList names;
        collect(&tree.root, names);
        QVERIFY(tree.EntryCount() > 100);
        QCOMPARE(names.size(), tree.EntryCount());
        for (const QString& n : names) {
            const QStringList parts = n.split(QLatin1Char('/'));
            QVERIFY2(!parts.contains(QString()) && !parts.contains(QStringLiteral(".."))
                         && !parts.contains(QStringLiteral(".")),
                     qPrintable(n));
        }
    }

    // A live image: the model built from the real tool's listing holds
    // exactly the paths xorriso finds in the image.
    void liveImageMatchesXorriso()
    {
        if (!TestUtil::haveProgram(QStringLiteral("genisoimage"))
            || !TestUtil::haveProgram(QStringLiteral("xorriso")))
            QSKIP("genisoimage and xorriso are needed");
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("tree"));
        const QStringList files{
            "Program Files/My App/read me.txt", "boot/bcd", "boot/fonts/chs_boot.ttf",
            "efi/boot/bootx64.efi", "sources/install.wim", "a b  c/d  e.txt", "ünïcödé/ñ.txt",
            "x-------------------y.txt", "deep/1/2/3/4/5/6/7/leaf.bin"};
        for (const QString& f : files)
            QVERIFY(TestUtil::writeFile(root + QLatin1Char('/') + f, f.toUtf8()));
        for (int i = 0; i < 300; ++i)
            QVERIFY(TestUtil::writeFile(root + QStringLiteral("/many/file%1.txt").arg(i), QByteArray()));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/empty folder")));
        const QString image = dir.filePath(QStringLiteral("live.iso"));
        QVERIFY(TestUtil::makeIso(root, image));

        IsoContentTree tree;
        ListingReader reader(tree);
        reader.Begin(QStringLiteral("live.iso"));
        CRunCommandThread runner;
        connect(&runner, &CRunCommandThread::standoutputline, this,
                [&](const QString& piece) { reader.Feed(piece); });
        runner.setCommand(Tools::archiveTool(), Tools::listArgs(image));
        runner.start();
        runner.waitUntilFinished();
        QVERIFY(reader.EndOfRun());

        QStringList ours;
        collect(&tree.root, ours);
        QStringList theirs = TestUtil::xorrisoFind(image);
        // Rock Ridge's home for folders deeper than eight levels: xorriso
        // shows it, the Joliet tree that 7-Zip reads does not have it.
        theirs.removeAll(QStringLiteral("rr_moved"));
        QVERIFY(theirs.size() > 300);
        ours.sort();
        theirs.sort();
        const QSet<QString> a(ours.begin(), ours.end()), b(theirs.begin(), theirs.end());
        QVERIFY2(QSet<QString>(a).subtract(b).isEmpty(), qPrintable(QStringList(QSet<QString>(a).subtract(b).values()).join(", ")));
        QVERIFY2(QSet<QString>(b).subtract(a).isEmpty(), qPrintable(QStringList(QSet<QString>(b).subtract(a).values()).join(", ")));
        QCOMPARE(ours, theirs);
        QVERIFY(tree.FindEntry(QStringLiteral("a b  c\\d  e.txt")));
        QCOMPARE(tree.FindEntry(QStringLiteral("many"))->childCount(), 300);
    }

    void missingTool()
    {
        IsoContentTree tree;
        ListingReader reader(tree);
        reader.Begin(QStringLiteral("x.iso"));
        CRunCommandThread runner;
        bool ended = false;
        connect(&runner, &CRunCommandThread::standoutputline, this,
                [&](const QString& piece) { reader.Feed(piece); });
        connect(&runner, &CRunCommandThread::sigstartfailed, this, [&] { ended = true; });
        connect(&runner, &CRunCommandThread::sigfinished, this, [&] { ended = true; });
        runner.setCommand(QDir::temp().filePath(QStringLiteral("no-such-tool-here")), {"l", "x.iso"});
        runner.start();
        runner.waitUntilFinished();
        QTRY_VERIFY(ended);
        QVERIFY(!reader.EndOfRun());
        QCOMPARE(tree.EntryCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestIsoContent)
#include "tst_isocontent.moc"
