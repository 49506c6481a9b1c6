// The create page with the real genisoimage: files and folders are staged,
// images of the three kinds are built and read back with xorriso and 7z.

#include "image/filecopy.h"
#include "image/staging.h"
#include "pages/createpage.h"
#include "platform/fastcopy.h"
#include "ui/mytreewidget.h"
#include "ui/progressdialog.h"

#include "scripteddialogs.h"
#include "testutil.h"
#include "uitestutil.h"

#include <QDateTime>
#include <QDir>
#include <QMap>
#include <QMimeData>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>

#include <sys/stat.h>

namespace {

// Size of one file in an image as xorriso reads it; -1 when it is absent.
qint64 sizeInImage(const QString& image, const QString& path)
{
    const TestUtil::Result r =
        TestUtil::run(QStringLiteral("xorriso"), {QStringLiteral("-indev"), image, QStringLiteral("-lsl"), "/" + path});
    for (const QByteArray& line : r.output.split('\n')) {
        if (line.startsWith('-'))
            return line.simplified().split(' ').value(4).toLongLong();
    }
    return -1;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class TestPage3 : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString src(const QString& relative) const { return m_dir.filePath(QStringLiteral("src/") + relative); }

    ScriptedDialogs m_dialogs;

    void add(CPage3& page, const QStringList& items, bool folders = false)
    {
        m_dialogs.answers << items.join(QLatin1Char('\n'));
        folders ? page.OnAddDir() : page.OnAddFile();
    }
    static void select(CPage3& page, const QString& name)
    {
        page.List()->clearSelection();
        if (QTreeWidgetItem* row = page.RowOf(name))
            row->setSelected(true);
    }
    static void remove(CPage3& page, const QString& name)
    {
        select(page, name);
        page.OnRemove();
    }
    static bool waitStaged(CPage3& page) { return page.Copier()->WaitForIdle(60000); }
    // Sizes only: the worker must not copy gigabytes of zeros.
    static void stopCopies(CPage3& page)
    {
        page.Copier()->Stop();
        page.Copier()->wait();
    }

    // Runs Create with the answer for the save dialog and waits for its end.
    bool create(CPage3& page, const QString& output)
    {
        QSignalSpy ended(&page, &CPage3::sigCreateEnded);
        m_dialogs.answers << output;
        page.OnCreate();
        if (ended.isEmpty() && !ended.wait(120000))
            return false;
        return ended.first().first().toBool();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        QVERIFY(TestUtil::haveProgram(QStringLiteral("xorriso")));
        QVERIFY(TestUtil::haveProgram(QStringLiteral("7z")));
        QVERIFY(TestUtil::writeFile(src("a.txt"), "alpha\n"));
        QVERIFY(TestUtil::writeFile(src("b.bin"), TestUtil::randomBytes(70000)));
        QVERIFY(TestUtil::writeFile(src("other/a.txt"), "a second a.txt, other content\n"));
        QVERIFY(TestUtil::writeFile(src("Docs/readme.md"), "# docs\n"));
        QVERIFY(TestUtil::writeFile(src("Docs/Photos/p1.jpg"), TestUtil::randomBytes(123457)));
        QVERIFY(TestUtil::writeFile(src("Docs/Photos/Old/p0.jpg"), TestUtil::randomBytes(4096)));
        QVERIFY(TestUtil::writeFile(src("Docs/.hidden"), "part of the image too"));
        QVERIFY(QDir().mkpath(src("Docs/Empty")));
        QVERIFY(TestUtil::writeFile(src("Music/song.ogg"), TestUtil::randomBytes(50000)));
        QVERIFY(TestUtil::writeFile(src("Music/drop.me"), "removed before the build"));
    }

    void init() { m_dialogs = ScriptedDialogs(); }

    void buildTypes_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QByteArray>("readAs");
        QTest::addColumn<bool>("joliet");
        QTest::newRow("joliet") << "jolet" << QByteArray("Type = Iso") << true;
        QTest::newRow("iso9660") << "iso9600" << QByteArray("Type = Iso") << false;
        QTest::newRow("udf") << "udf" << QByteArray("Type = Udf") << true;
    }
    void buildTypes()
    {
        QFETCH(QString, radio);
        QFETCH(QByteArray, readAs);
        QFETCH(bool, joliet);
        CPage3 page(nullptr, {&m_dialogs});
        page.findChild<QRadioButton*>(radio)->setChecked(true);
        add(page, {src("a.txt"), src("b.bin")});
        add(page, {src("Docs"), src("Music")}, true);
        // Into the selected folder row, with a name that exists elsewhere.
        select(page, QStringLiteral("Docs\\Photos"));
        add(page, {src("other/a.txt")});
        remove(page, QStringLiteral("Music\\drop.me"));
        remove(page, QStringLiteral("Docs\\Photos\\Old"));
        page.List()->clearSelection();

        const QString image = m_dir.filePath(radio + QStringLiteral(".iso"));
        QVERIFY(create(page, image));
        QCOMPARE(m_dialogs.last().kind, ScriptedDialogs::Said::OpenFolder);
        QCOMPARE(m_dialogs.last().folder, m_dir.path());
        QVERIFY(!page.Progress()->isVisible());
        const TestUtil::Result info = TestUtil::run("isoinfo", {"-d", "-i", image});
        QCOMPARE(info.output.contains("Joliet with UCS level"), joliet);

        const QMap<QString, QString> files {{"a.txt", src("a.txt")}, {"b.bin", src("b.bin")},
            {"Docs/readme.md", src("Docs/readme.md")}, {"Docs/.hidden", src("Docs/.hidden")},
            {"Docs/Photos/p1.jpg", src("Docs/Photos/p1.jpg")}, {"Docs/Photos/a.txt", src("other/a.txt")},
            {"Music/song.ogg", src("Music/song.ogg")}};
        // Removed items are absent; hidden ones and the empty folder are there.
        QCOMPARE(sorted(TestUtil::xorrisoFind(image)),
            sorted(files.keys() + QStringList {"Docs", "Docs/Photos", "Docs/Empty", "Music"}));
        const QString out = m_dir.filePath(radio + QStringLiteral("-out"));
        TestUtil::run(QStringLiteral("xorriso"), {"-osirrox", "on", "-indev", image, "-extract", "/", out});
        for (auto it = files.begin(); it != files.end(); ++it)
            QVERIFY2(TestUtil::readFile(out + QLatin1Char('/') + it.key()) == TestUtil::readFile(it.value()),
                qPrintable(it.key()));
        QVERIFY(TestUtil::run(QStringLiteral("7z"), {QStringLiteral("l"), image}).output.contains(readAs));

        // The list and the staging are left as they are: a second build works.
        QVERIFY(create(page, m_dir.filePath(radio + QStringLiteral("-again.iso"))));
    }

    void addAndRemoveRules()
    {
        CPage3 page(nullptr, {&m_dialogs});
        add(page, {src("a.txt"), src("a.txt")});
        add(page, {src("a.txt")});
        QVERIFY(m_dialogs.said.isEmpty());
        // The same name from another folder is a different file: the first one
        // stays, and the user learns that the second was not added.
        add(page, {src("other/a.txt")});
        QCOMPARE(page.List()->topLevelItemCount(), 1);
        QCOMPARE(page.Content().root.childCount(), 1);
        QCOMPARE(page.Content().FindEntry(QStringLiteral("a.txt"))->localPath, src("a.txt"));
        QVERIFY(m_dialogs.last().text.contains(src("other/a.txt")));

        page.List()->clearSelection();
        add(page, {src("Docs")}, true);
        QVERIFY(page.RowOf(QStringLiteral("Docs\\Photos\\p1.jpg")));
        QVERIFY(page.RowOf(QStringLiteral("Docs\\.hidden")));
        // With a file row selected, additions go into that file's folder.
        select(page, QStringLiteral("Docs\\readme.md"));
        add(page, {src("b.bin")});
        QVERIFY(page.RowOf(QStringLiteral("Docs\\b.bin")));
        remove(page, QStringLiteral("Docs\\b.bin"));
        QVERIFY(waitStaged(page));
        const QString stagedDocs = page.StagedPath(QStringLiteral("Docs"));
        QVERIFY(QFileInfo::exists(stagedDocs + QStringLiteral("/Photos/p1.jpg")));

        // Removing a folder row takes its subtree and its staged copy.
        const qint64 before = page.Content().LocalFilesSize();
        remove(page, QStringLiteral("Docs\\Photos"));
        QVERIFY(!page.RowOf(QStringLiteral("Docs\\Photos")));
        QCOMPARE(page.Content().LocalFilesSize(), before - 123457 - 4096);
        QVERIFY(waitStaged(page));
        QVERIFY(!QFileInfo::exists(stagedDocs + QStringLiteral("/Photos")));
        QVERIFY(QFileInfo::exists(stagedDocs + QStringLiteral("/readme.md")));

        // Whatever was added into a folder row can be removed again.
        select(page, QStringLiteral("Docs"));
        add(page, {src("b.bin")});
        remove(page, QStringLiteral("Docs\\b.bin"));
        QVERIFY(!page.Content().FindEntry(QStringLiteral("Docs\\b.bin")));

        // Pressing empty space clears the selection: the next file goes to the top.
        page.OnTreeClicked(QModelIndex());
        add(page, {src("b.bin")});
        QTreeWidgetItem* top = page.RowOf(QStringLiteral("b.bin"));
        QVERIFY(top && !top->parent());
    }

    // Files and folders dropped on the page are added and staged as chosen
    // ones are, a file without an extension too; a web address is refused.
    void dropFilesAndFolders()
    {
        CPage3 page(nullptr, {&m_dialogs});
        QVERIFY(TestUtil::writeFile(src("LICENSE"), "licence"));
        QVERIFY(dropFiles(&page, {src("LICENSE"), src("Docs"), src("a.txt")}));
        QVERIFY(page.RowOf(QStringLiteral("LICENSE")));
        QVERIFY(page.RowOf(QStringLiteral("a.txt")));
        QVERIFY(page.RowOf(QStringLiteral("Docs\\Photos\\p1.jpg")));
        QVERIFY(m_dialogs.requests.isEmpty());
        QVERIFY(waitStaged(page));
        QCOMPARE(TestUtil::readFile(page.StagedPath(QStringLiteral("LICENSE"))), QByteArray("licence"));
        QVERIFY(!dropFiles(&page, {src("missing.bin")}));

        QMimeData web;
        web.setUrls({QUrl(QStringLiteral("https://example.org/a.iso"))});
        QCOMPARE(PageWindow::DroppedPaths(&web), QStringList());
    }

    void removingQueuedCopyCancelsIt()
    {
        CPage3 page(nullptr, {&m_dialogs});
        QVERIFY(waitStaged(page));
        // A big copy keeps the worker busy while the second one waits in the queue.
        QVERIFY(TestUtil::makeSparseFile(m_dir.filePath("busy/big.bin"), 256 << 20));
        QVERIFY(TestUtil::writeFile(m_dir.filePath("busy/queued.bin"), QByteArray(32 << 20, 'q')));
        add(page, {m_dir.filePath("busy/big.bin"), m_dir.filePath("busy/queued.bin")});
        const qint64 withQueued = page.Copier()->RemainingBytes();
        remove(page, QStringLiteral("queued.bin"));
        QVERIFY(page.Copier()->RemainingBytes() <= withQueued - (32 << 20));
        QVERIFY(waitStaged(page));
        QVERIFY(!QFileInfo::exists(page.StagedPath(QStringLiteral("queued.bin"))));
        QCOMPARE(QFileInfo(page.StagedPath(QStringLiteral("big.bin"))).size(), qint64(256 << 20));
        QVERIFY(page.Copier()->TakeFailures().isEmpty());
    }

    void usageBar_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("bar");
        QTest::newRow("just below") << ((qint64(5) << 30) - 1) << 99;
        QTest::newRow("exactly 5 GiB") << (qint64(5) << 30) << 100;
        QTest::newRow("7 GiB") << (qint64(7) << 30) << 100;
    }
    void usageBar()
    {
        QFETCH(qint64, size);
        QFETCH(int, bar);
        CPage3 page(nullptr, {&m_dialogs});
        stopCopies(page);
        const QString file = m_dir.filePath(QStringLiteral("sparse/%1.bin").arg(size));
        QVERIFY(TestUtil::makeSparseFile(file, size));
        add(page, {file});
        QCOMPARE(page.UsageBar()->value(), bar);
        remove(page, QFileInfo(file).fileName());
        QCOMPARE(page.UsageBar()->value(), 0);
    }

    void largeFilesAskFirst()
    {
        CPage3 page(nullptr, {&m_dialogs});
        stopCopies(page);
        QVERIFY(TestUtil::makeSparseFile(m_dir.filePath(QStringLiteral("sparse/four.bin")), qint64(4) << 30));
        add(page, {m_dir.filePath(QStringLiteral("sparse/four.bin"))});
        // Joliet cannot hold it: the user is told before anything runs, and may decline.
        m_dialogs.confirmations << 0;
        m_dialogs.answers << m_dir.filePath("never.iso");
        page.OnCreate();
        QCOMPARE(m_dialogs.last().kind, ScriptedDialogs::Said::Question);
        QVERIFY(m_dialogs.last().text.contains(QLatin1String("four.bin")));
        QCOMPARE(page.BuildsStarted(), 0);
    }

    void stopThenCreateAgain()
    {
        CPage3 page(nullptr, {&m_dialogs});
        QVERIFY(waitStaged(page));
        QVERIFY(TestUtil::makeSparseFile(m_dir.filePath("slow/big.bin"), 256 << 20));
        add(page, {m_dir.filePath("slow/big.bin"), src("a.txt")});
        const QString image = m_dir.filePath(QStringLiteral("stopped.iso"));
        // Idle, silent, and no partial image anywhere in the folder.
        const auto stoppedQuietly = [&] {
            return page.CurrentState() == CPage3::State::Idle && !page.Progress()->isVisible()
                && m_dialogs.said.isEmpty()
                && QDir(m_dir.path())
                       .entryList({QStringLiteral(".stopped.iso.*")}, QDir::AllEntries | QDir::Hidden)
                       .isEmpty();
        };
        // Stop while the page waits for the copies: no builder run.
        QTimer::singleShot(0, page.Progress(), &CProgressDialog::OnBtnCancel);
        QVERIFY(!create(page, image));
        QCOMPARE(page.BuildsStarted(), 0);
        QVERIFY(stoppedQuietly());
        QVERIFY(!QFileInfo::exists(image));

        // Stop at the builder's first progress line (an older image of that
        // name stays: the build job's tests).
        QVERIFY(waitStaged(page));
        const auto stopper =
            connect(page.Progress()->ProgressBar(), &QProgressBar::valueChanged, &page, [&page](int value) {
                if (value > 0 && page.CurrentState() == CPage3::State::Building)
                    page.Progress()->OnBtnCancel();
            });
        QVERIFY(!create(page, image));
        QCOMPARE(page.BuildsStarted(), 1);
        QVERIFY(stoppedQuietly());

        disconnect(stopper);
        QVERIFY(create(page, image));
        QCOMPARE(sizeInImage(image, QStringLiteral("big.bin")), qint64(256 << 20));
        QCOMPARE(sizeInImage(image, QStringLiteral("a.txt")), qint64(6));
    }

    void failuresTellTheUserAndLoseNothing()
    {
        CPage3 page(nullptr, {&m_dialogs});
        page.OnCreate();
        QCOMPARE(m_dialogs.last().text, QStringLiteral("Please add files or folders first!"));
        QVERIFY(m_dialogs.requests.isEmpty());

        // A file where the staged folder should go: its copies fail, as on a full disk.
        QVERIFY(waitStaged(page));
        QVERIFY(TestUtil::writeFile(page.StagedPath(QStringLiteral("Music")), "in the way"));
        add(page, {src("Music")}, true);
        add(page, {src("a.txt")});
        QVERIFY(waitStaged(page));
        const QString image = m_dir.filePath(QStringLiteral("after-failures.iso"));
        QVERIFY(!create(page, image));
        QCOMPARE(m_dialogs.last().kind, ScriptedDialogs::Said::Message);
        QVERIFY(m_dialogs.last().text.contains(src("Music/song.ogg")));
        QVERIFY(!m_dialogs.last().text.contains(src("a.txt")));
        QVERIFY(!page.Progress()->isVisible());
        QCOMPARE(page.BuildsStarted(), 0);
        remove(page, QStringLiteral("Music"));

        // An image inside the working folders would take itself in.
        m_dialogs.answers << page.StagingFolder() + QStringLiteral("/x.iso");
        page.OnCreate();
        QCOMPARE(m_dialogs.last().kind, ScriptedDialogs::Said::Message);
        QCOMPARE(page.BuildsStarted(), 0);

        // A folder nobody may write to, not even root: named in the message.
        QVERIFY(!create(page, QStringLiteral("/sys/quillon-test.iso")));
        QCOMPARE(m_dialogs.last().kind, ScriptedDialogs::Said::Message);
        const QString text = m_dialogs.last().text;
        QVERIFY2(text.startsWith(QLatin1String("The ISO file could not be created.")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("/sys")), qPrintable(text));

        QVERIFY(waitStaged(page));
        QVERIFY(create(page, image));
        QCOMPARE(TestUtil::xorrisoFind(image), QStringList {QStringLiteral("a.txt")});

        // The save dialog asked about "after-failures", not the ".iso" added to it.
        const QByteArray before = TestUtil::readFile(image);
        m_dialogs.answers << image.chopped(4);
        page.OnCreate();
        QCOMPARE(m_dialogs.last().kind, ScriptedDialogs::Said::Question);
        QVERIFY(m_dialogs.last().text.contains(QDir::toNativeSeparators(image)));
        QCOMPARE(page.BuildsStarted(), 1);
        QCOMPARE(TestUtil::readFile(image), before);
        m_dialogs.confirmations << 1;
        QVERIFY(create(page, image.chopped(4)));
        QCOMPARE(page.BuildsStarted(), 2);
    }

    // Back asks before it discards a list; once left, the page's staged
    // copies go, another page's stay. A destroyed page leaves no folder.
    void leavingThePage()
    {
        CPage3 first(nullptr, {&m_dialogs});
        CPage3 second(nullptr, {&m_dialogs});
        QVERIFY(first.StagingFolder() != second.StagingFolder());
        add(first, {src("a.txt")});
        add(second, {src("Music/song.ogg")});
        QVERIFY(waitStaged(first));
        first.show();
        m_dialogs.confirmations << 0;
        first.close();
        QVERIFY(first.isVisible());
        QCOMPARE(m_dialogs.last().kind, ScriptedDialogs::Said::Question);
        m_dialogs.confirmations << 1;
        first.close();
        QVERIFY(!first.isVisible());
        QVERIFY(waitStaged(first));
        QVERIFY(!QFileInfo::exists(first.StagingFolder()));
        QVERIFY(waitStaged(second));
        QVERIFY(QFileInfo::exists(second.StagedPath(QStringLiteral("song.ogg"))));

        QString folder;
        {
            CPage3 page(nullptr, {&m_dialogs});
            add(page, {src("a.txt")});
            folder = page.StagingFolder();
        }
        QVERIFY(!QFileInfo::exists(folder));
    }

    // The image shows the files' own dates; a new image gets the umask's mode,
    // a replaced one keeps its mode; a name without extension gets ".iso".
    void datesModesAndNames()
    {
        const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
        QVERIFY(TestUtil::writeFile(m_dir.filePath("dated/old.txt"), "old"));
        QVERIFY(Platform::setModificationTime(m_dir.filePath("dated/old.txt"), old));
        CPage3 page(nullptr, {&m_dialogs});
        add(page, {m_dir.filePath("dated")}, true);
        QVERIFY(page.RowOf(QStringLiteral("dated\\old.txt"))->text(4).startsWith(QLatin1String("2001-02-03")));
        const mode_t before = ::umask(022);
        const QString image = m_dir.filePath(QStringLiteral("named"));
        QVERIFY(create(page, image));
        QVERIFY(QFileInfo::exists(image + QStringLiteral(".iso")));
        QCOMPARE(QFileInfo(image + QStringLiteral(".iso")).permissions() & 0x0777, QFileDevice::Permissions(0x0644));
        const QByteArray listing = TestUtil::run(QStringLiteral("7z"), {QStringLiteral("l"), image + ".iso"}).output;
        QVERIFY2(listing.contains("2001-02-03 04:05:06"), listing.constData());

        QVERIFY(QFile::setPermissions(
            image + ".iso", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
        QVERIFY(create(page, image + ".iso"));
        ::umask(before);
        QCOMPARE(QFileInfo(image + QStringLiteral(".iso")).permissions() & 0x0777, QFileDevice::Permissions(0x0604));
    }
};

QTEST_MAIN(TestPage3)
#include "tst_createpage.moc"
