// The extract page end to end, headless: images made by genisoimage, listed
// and extracted by the real 7-Zip; dialogs answered through the seams.
#include "image/extractjob.h"
#include "image/gui/contentviews.h"
#include "image/gui/filedialogs.h"
#include "image/gui/messages.h"
#include "pages/page2.h"
#include "runner/outputsplitter.h"
#include "testutil.h"
#include "ui/commdialog.h"
#include "ui/progressdialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <unistd.h>

namespace {

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

// A file of `size` zero bytes without writing them (sparse).
bool makeLargeFile(const QString& path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

// True while some process has `text` among its arguments.
bool processWithArgument(const QString& text)
{
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& pid : pids) {
        QFile cmdline(QStringLiteral("/proc/") + pid + QStringLiteral("/cmdline"));
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(text.toUtf8()))
            return true;
    }
    return false;
}

// A tmpfs mounted for one test (root only); unmounted when it goes.
class ScratchMount
{
public:
    ScratchMount(const QString& path, const QString& options)
        : m_path(path)
    {
        QDir().mkpath(path);
        m_mounted = geteuid() == 0
            && TestUtil::run("mount", {"-t", "tmpfs", "-o", options, "tmpfs", path}).exitCode == 0;
    }
    ~ScratchMount()
    {
        if (m_mounted)
            TestUtil::run("umount", {m_path});
    }
    bool mounted() const { return m_mounted; }
    bool remount(const QString& options)
    {
        return TestUtil::run("mount", {"-o", "remount," + options, m_path}).exitCode == 0;
    }

private:
    QString m_path;
    bool m_mounted = false;
};

int rowOf(QTableWidget* table, const QString& name)
{
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, 0)->text() == name)
            return r;
    return -1;
}

} // namespace

class TestPage2 : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_image;       // boot, sources, a name with spaces
    QString m_bootImage;   // El Torito, shows [BOOT]
    QString m_largeImage;  // 300 MB of sparse files

    QString src() const { return m_dir.path() + "/src"; }

    // Loads through the page's own dialog path and waits for the listing run.
    bool load(CPage2& page, const QString& image)
    {
        QSignalSpy ended(&page, &CPage2::sigListingEnded);
        SetDialogAnswersForTest({image});
        page.OnLoadISO();
        return ended.wait(20000);
    }

    void openFolder(CPage2& page, const QString& name)
    {
        const int row = rowOf(page.Table(), name);
        QVERIFY2(row >= 0, qPrintable(name));
        page.Table()->setCurrentCell(row, 0);
        page.OnListViewDoubleClicked();
        QCOMPARE(LastPathComponent(page.CurrentFolder()->name), name);
    }

    void tick(CPage2& page, const QStringList& names)
    {
        for (const QString& name : names) {
            const int row = rowOf(page.Table(), name);
            QVERIFY2(row >= 0, qPrintable(name));
            page.Table()->item(row, 0)->setCheckState(Qt::Checked);
        }
    }

    // Runs OnExtract with `out` as the folder answer; true when the run ended.
    bool extract(CPage2& page, const QString& out)
    {
        QSignalSpy ended(&page, &CPage2::sigExtractionEnded);
        AddDialogAnswerForTest(out);
        page.OnExtract();
        return !page.Job() || !page.Job()->isRunning() || ended.wait(60000);
    }

    static void verifyUsable(CPage2& page)
    {
        QVERIFY(page.isEnabled());
        QVERIFY(!page.Progress()->isVisible());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(page.findChild<QWidget*>("loadiso")->isEnabled());
        QVERIFY(page.findChild<QWidget*>("extract")->isEnabled());
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        MessageTest::setEnabled(true);
        QVERIFY(m_dir.isValid());
        QVERIFY(TestUtil::writeFile(src() + "/boot/bcd", QByteArray(300000, 'b')));
        QVERIFY(TestUtil::writeFile(src() + "/boot/fonts/a.ttf", "font a"));
        QVERIFY(TestUtil::writeFile(src() + "/boot/fonts/b.ttf", "font b"));
        QVERIFY(TestUtil::writeFile(src() + "/sources/f1.bin", QByteArray(70000, 's')));
        QVERIFY(TestUtil::writeFile(src() + "/sources/setup.exe", "nested setup"));
        QVERIFY(TestUtil::writeFile(src() + "/setup.exe", "root setup"));
        QVERIFY(TestUtil::writeFile(src() + "/Program Files/My App/read me.txt", "spaces"));
        m_image = m_dir.path() + "/content.iso";
        QVERIFY(TestUtil::makeIso(src(), m_image));

        const QString bootSrc = m_dir.path() + "/bootsrc";
        QVERIFY(TestUtil::writeFile(bootSrc + "/boot.bin", QByteArray(2048, '\x42')));
        QVERIFY(TestUtil::writeFile(bootSrc + "/readme.txt", "boot image inside"));
        m_bootImage = m_dir.path() + "/boot.iso";
        QVERIFY(TestUtil::makeIso(bootSrc, m_bootImage, {"-b", "boot.bin", "-no-emul-boot", "-boot-load-size", "4"}));

        const QString largeSrc = m_dir.path() + "/largesrc";
        QVERIFY(makeLargeFile(largeSrc + "/big/one.bin", 150 * 1024 * 1024));
        QVERIFY(makeLargeFile(largeSrc + "/big/two.bin", 150 * 1024 * 1024));
        m_largeImage = m_dir.path() + "/large.iso";
        QVERIFY(TestUtil::makeIso(largeSrc, m_largeImage));
    }

    void init()
    {
        MessageTest::clear();
        ResetDialogsForTest();
        SetDialogAnswersForTest({});
    }

    void cleanupTestCase()
    {
        ResetDialogsForTest();
        MessageTest::setEnabled(false);
    }

    void listingShowsTheImage()
    {
        CPage2 page;
        page.InitializeUI();
        QVERIFY(load(page, m_image));
        QCOMPARE(DialogRequestsForTest(), QStringList{"ChooseOpenFile:ISO Files(*.ISO)"});
        QVERIFY(MessageTest::shown().isEmpty());
        verifyUsable(page);
        QCOMPARE(page.Tree()->topLevelItem(0)->text(0), QString("content.iso"));
        QStringList rows;
        for (int r = 0; r < page.Table()->rowCount(); ++r)
            rows << page.Table()->item(r, 0)->text();
        rows.sort();
        QCOMPARE(rows, (QStringList{"Program Files", "boot", "setup.exe", "sources"}));
    }

    // Check marks belong to one table fill; the tree follows the table.
    void browsing()
    {
        CPage2 page;
        page.InitializeUI();
        QVERIFY(load(page, m_image));
        page.slotSelectAll(true);
        QCOMPARE(ContentView::CheckedRows(page.Table()).size(), page.Table()->rowCount());
        openFolder(page, "boot");
        QVERIFY(ContentView::CheckedRows(page.Table()).isEmpty());
        QCOMPARE(page.Tree()->selectedItems().size(), 1);
        QCOMPARE(page.Tree()->selectedItems().first()->text(0), QString("boot"));

        page.Table()->setCurrentCell(rowOf(page.Table(), "bcd"), 0);
        page.OnListViewDoubleClicked(); // a file: nothing happens
        QCOMPARE(page.CurrentFolder()->name, QString("boot"));

        page.Tree()->setCurrentItem(page.Tree()->topLevelItem(0));
        page.OnTreeCurrentChanged();
        QCOMPARE(page.CurrentFolder(), &page.Content().root);
        QCOMPARE(page.Table()->rowCount(), 4);
    }

    // Each case: folder path opened by double-clicks, ticked names, what the
    // output folder held before, and what it holds afterwards.
    void extractTickedItems_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("root: bare names, nothing moved or removed")
            << QStringList{} << QStringList{"setup.exe", "sources"} << QStringList{}
            << QStringList{"setup.exe", "sources", "sources/f1.bin", "sources/setup.exe"};
        QTest::newRow("bcd and fonts from boot: no boot folder left")
            << QStringList{"boot"} << QStringList{"bcd", "fonts"} << QStringList{}
            << QStringList{"bcd", "fonts", "fonts/a.ttf", "fonts/b.ttf"};
        QTest::newRow("the user's boot folder keeps its file")
            << QStringList{"boot"} << QStringList{"bcd", "fonts"} << QStringList{"boot/mine.txt"}
            << QStringList{"bcd", "boot", "boot/mine.txt", "fonts", "fonts/a.ttf", "fonts/b.ttf"};
        QTest::newRow("a name with spaces, two folders down")
            << QStringList{"Program Files", "My App"} << QStringList{"read me.txt"} << QStringList{"other.txt"}
            << QStringList{"other.txt", "read me.txt"};
    }

    void extractTickedItems()
    {
        QFETCH(QStringList, folders);
        QFETCH(QStringList, ticked);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QTemporaryDir outDir;
        const QString out = outDir.path();
        for (const QString& file : before)
            QVERIFY(TestUtil::writeFile(out + "/" + file, "the user's"));

        CPage2 page;
        page.InitializeUI();
        QVERIFY(load(page, m_image));
        for (const QString& folder : folders)
            openFolder(page, folder);
        tick(page, ticked);
        QVERIFY(extract(page, out));

        QCOMPARE(page.Job()->status(), ExtractJob::Status::Succeeded);
        QCOMPARE(MessageTest::shown().size(), 1);
        QCOMPARE(MessageTest::last().kind, ShownMessage::OpenFolder);
        QCOMPARE(MessageTest::last().text, QString("Extract files successfully."));
        QCOMPARE(MessageTest::last().folder, out);
        QCOMPARE(tree(out), after);
        for (const QString& file : before)
            QCOMPARE(readAll(out + "/" + file), QByteArray("the user's"));
        // Every extracted file has the bytes of its source.
        const QString inImage = src() + "/" + folders.join('/');
        for (const QString& path : after) {
            const QString name = path.section('/', 0, 0);
            if (ticked.contains(name) && QFileInfo(out + "/" + path).isFile())
                QCOMPARE(readAll(out + "/" + path), readAll(inImage + "/" + path));
        }
        verifyUsable(page);
    }

    // Two rows showing the same name reach the tool once and arrive once.
    void sameNameTickedTwice()
    {
        QTemporaryDir out;
        CPage2 page;
        page.InitializeUI();
        QVERIFY(load(page, m_image));
        openFolder(page, "boot");
        const int fonts = rowOf(page.Table(), "fonts");
        const int bcd = rowOf(page.Table(), "bcd");
        page.Table()->item(fonts, 0)->setText("bcd");
        tick(page, {"bcd"});
        page.Table()->item(fonts, 0)->setCheckState(Qt::Checked);
        QCOMPARE(page.Table()->item(bcd, 0)->checkState(), Qt::Checked);
        QVERIFY(extract(page, out.path()));
        QCOMPARE(page.SelectedNames(), QStringList{"bcd"});
        QCOMPARE(page.Job()->names(), QStringList{"bcd"});
        QCOMPARE(page.Job()->status(), ExtractJob::Status::Succeeded);
        QCOMPARE(tree(out.path()), QStringList{"bcd"});
    }

    void bootEntryWithoutDate()
    {
        QTemporaryDir out;
        CPage2 page;
        page.InitializeUI();
        QVERIFY(load(page, m_bootImage));
        openFolder(page, "[BOOT]");
        QCOMPARE(page.Table()->rowCount(), 1);
        QVERIFY(page.Table()->item(0, 3)->text().trimmed().isEmpty());
        tick(page, {page.Table()->item(0, 0)->text()});
        QVERIFY(extract(page, out.path()));
        QCOMPARE(page.Job()->status(), ExtractJob::Status::Succeeded);
        const QStringList files = tree(out.path());
        QCOMPARE(files.size(), 1);
        QVERIFY(readAll(out.path() + "/" + files.first()).startsWith(QByteArray(2048, '\x42')));
    }

    void stopDuringLargeExtraction()
    {
        QTemporaryDir out;
        QVERIFY(TestUtil::writeFile(out.path() + "/keep.txt", "mine"));
        CPage2 page;
        page.InitializeUI();
        QVERIFY(load(page, m_largeImage));
        tick(page, {"big"});
        AddDialogAnswerForTest(out.path());
        QSignalSpy ended(&page, &CPage2::sigExtractionEnded);
        page.OnExtract();
        QVERIFY(page.Job() && page.Job()->isRunning());
        QVERIFY(page.Progress()->isVisible());
        QVERIFY(!page.isEnabled());
        const QString staging = page.Job()->stagingFolder();
        QTRY_VERIFY_WITH_TIMEOUT(processWithArgument(staging), 5000);

        page.Progress()->OnBtnCancel(); // the Stop button
        QVERIFY(!page.Progress()->isVisible());
        QCOMPARE(page.Job()->status(), ExtractJob::Status::Stopped);
        QVERIFY(!page.Job()->runner());
        QVERIFY(!processWithArgument(staging));
        QVERIFY(!QFileInfo::exists(staging));
        QTest::qWait(50);
        QCOMPARE(ended.count(), 0);
        QVERIFY(MessageTest::shown().isEmpty());
        QCOMPARE(readAll(out.path() + "/keep.txt"), QByteArray("mine"));
        verifyUsable(page);

        // Still usable: a small extraction from the same page works.
        QVERIFY(load(page, m_image));
        tick(page, {"setup.exe"});
        QVERIFY(extract(page, out.path()));
        QCOMPARE(page.Job()->status(), ExtractJob::Status::Succeeded);
    }

    // Images 7-Zip cannot list: a clear message, buttons and cursor back.
    void unreadableImage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("toolSays");
        QTest::newRow("not an ISO") << QByteArray(100000, '\x17') << "Cannot open the file as archive";
        QTest::newRow("truncated ISO") << QByteArray() << "Unexpected end of archive";
    }

    void unreadableImage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, toolSays);
        if (bytes.isEmpty())
            bytes = readAll(m_image).left(40000);
        const QString image = m_dir.path() + "/unreadable.iso";
        QVERIFY(TestUtil::writeFile(image, bytes));
        CPage2 page;
        page.InitializeUI();
        QVERIFY(load(page, image));
        QCOMPARE(MessageTest::shown().size(), 1);
        QVERIFY(MessageTest::last().text.startsWith("The image unreadable.iso could not be read."));
        QVERIFY2(MessageTest::last().text.contains(toolSays), qPrintable(MessageTest::last().text));
        QCOMPARE(page.Tree()->topLevelItemCount(), 0);
        QCOMPARE(page.Table()->rowCount(), 0);
        verifyUsable(page);
        QVERIFY(load(page, m_image)); // and it can load a good one afterwards
        QVERIFY(page.Table()->rowCount() > 0);
    }

    // Listed in full, but its data is cut off: a warning, then a failed
    // extraction that says why, and nothing reported as success.
    void damagedImage()
    {
        const QString image = m_dir.path() + "/damaged.iso";
        QFile::remove(image);
        QVERIFY(QFile::copy(m_largeImage, image));
        QVERIFY(QFile::resize(image, QFileInfo(m_largeImage).size() / 2));
        QTemporaryDir out;
        CPage2 page;
        page.InitializeUI();
        QVERIFY(load(page, image));
        QCOMPARE(MessageTest::shown().size(), 1);
        QVERIFY2(MessageTest::last().text.contains("damaged or incomplete"), qPrintable(MessageTest::last().text));
        openFolder(page, "big");
        tick(page, {"two.bin"});
        MessageTest::clear();
        QVERIFY(extract(page, out.path()));
        QCOMPARE(page.Job()->status(), ExtractJob::Status::Failed);
        QCOMPARE(MessageTest::last().kind, ShownMessage::Message);
        QVERIFY(MessageTest::last().text.startsWith("The files could not be extracted."));
        QVERIFY2(MessageTest::last().text.contains("Data Error"), qPrintable(MessageTest::last().text));
        verifyUsable(page);
    }

    void missingTool()
    {
        QTemporaryDir out;
        QVERIFY(TestUtil::writeFile(out.path() + "/keep.txt", "mine"));
        CPage2 page;
        page.InitializeUI();
        SetExtractToolForTest(m_dir.path() + "/no-such-7z");
        QVERIFY(load(page, m_image));
        SetExtractToolForTest(QString());
        QVERIFY2(MessageTest::last().text.contains("7-Zip could not be started"), qPrintable(MessageTest::last().text));
        verifyUsable(page);

        QVERIFY(load(page, m_image));
        tick(page, {"setup.exe"});
        SetExtractToolForTest(m_dir.path() + "/no-such-7z");
        MessageTest::clear();
        const bool ended = extract(page, out.path());
        SetExtractToolForTest(QString());
        QVERIFY(ended);
        QCOMPARE(MessageTest::shown().size(), 1);
        QVERIFY(MessageTest::last().text.contains("7-Zip could not be started"));
        QCOMPARE(tree(out.path()), QStringList{"keep.txt"});
        verifyUsable(page);
    }

    void outputFolderNotWritable()
    {
        const QString folder = m_dir.path() + "/readonly";
        ScratchMount mount(folder, "size=1m");
        if (mount.mounted()) {
            QVERIFY(TestUtil::writeFile(folder + "/keep.txt", "mine"));
            QVERIFY(mount.remount("ro"));
        } else {
            QVERIFY(TestUtil::writeFile(folder + "/keep.txt", "mine"));
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            if (geteuid() == 0)
                QSKIP("Needs a read-only mount (tmpfs) when running as root");
        }
        CPage2 page;
        page.InitializeUI();
        QVERIFY(load(page, m_image));
        tick(page, {"setup.exe"});
        QVERIFY(extract(page, folder));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(MessageTest::shown().size(), 1);
        QVERIFY2(MessageTest::last().text.contains("Cannot write to the folder"), qPrintable(MessageTest::last().text));
        QCOMPARE(tree(folder), QStringList{"keep.txt"});
        verifyUsable(page);
    }

    void diskFull()
    {
        const QString folder = m_dir.path() + "/small";
        ScratchMount mount(folder, "size=40m");
        if (!mount.mounted())
            QSKIP("Needs root to mount a small tmpfs");
        QVERIFY(TestUtil::writeFile(folder + "/big/mine.txt", "mine"));
        CPage2 page;
        page.InitializeUI();
        QVERIFY(load(page, m_largeImage));
        tick(page, {"big"});
        QVERIFY(extract(page, folder));
        QCOMPARE(page.Job()->status(), ExtractJob::Status::Failed);
        QCOMPARE(MessageTest::shown().size(), 1);
        QVERIFY2(MessageTest::last().text.contains("No space left on device"), qPrintable(MessageTest::last().text));
        QCOMPARE(readAll(folder + "/big/mine.txt"), QByteArray("mine"));
        for (const QString& path : tree(folder))
            QVERIFY2(!path.startsWith(".quillon-extract"), qPrintable(path));
        verifyUsable(page);
    }

    void nothingTickedOrCancelled()
    {
        CPage2 page;
        page.InitializeUI();
        QVERIFY(load(page, m_image));
        page.OnExtract();
        QCOMPARE(MessageTest::last().kind, ShownMessage::Picture);
        QCOMPARE(MessageTest::last().picture, QString(":/vud/select_files_extract"));
        QCOMPARE(MessageTest::last().text, QString("Please select the files or folders you want to extract"));
        QCOMPARE(DialogRequestsForTest().size(), 1); // only the image was asked for

        MessageTest::clear();
        tick(page, {"setup.exe"});
        page.OnExtract(); // folder dialog answers "cancelled"
        QVERIFY(MessageTest::shown().isEmpty());
        QVERIFY(!page.Job());
        verifyUsable(page);
    }

    // The recorded 400 MB run, cut by the real splitter, drives the dialog.
    void progressFromRecordedRun()
    {
        QFile raw(QStringLiteral(QUILLON_TEST_DATA "/7z-extract/progress-400mb.raw"));
        QVERIFY(raw.open(QIODevice::ReadOnly));
        OutputSplitter splitter;
        QStringList pieces;
        splitter.feed(raw.readAll(), pieces);
        splitter.flush(pieces);
        CPage2 page;
        page.InitializeUI();
        page.Progress()->SetRange(0, 100); // as OnExtract leaves it
        page.Progress()->SetValue(0);
        QList<int> values;
        for (const QString& piece : qAsConst(pieces)) {
            page.OnExtractOutput(piece);
            if (values.isEmpty() || values.last() != page.Progress()->ProgressBar()->value())
                values << page.Progress()->ProgressBar()->value();
        }
        QCOMPARE(values, (QList<int>{0, 17, 32, 48, 72, 89, 92, 95}));
        QCOMPARE(page.Progress()->Text(), QString("Extracting files: sources/f4.bin"));
        QCOMPARE(page.Progress()->ProgressBar()->format(), QString("95%"));
        page.OnExtractOutput("100% 6 - sources/f4.bin");
        QCOMPARE(page.Progress()->ProgressBar()->value(), 100);
        QCOMPARE(page.Progress()->Text(), QString("Copying files! Please wait a few seconds.."));
    }

    void languageChangeKeepsOneMenuEntry()
    {
        QTemporaryDir out;
        CPage2 page;
        page.InitializeUI();
        for (int i = 0; i < 3; ++i) {
            QEvent change(QEvent::LanguageChange);
            QApplication::sendEvent(&page, &change);
        }
        QCOMPARE(page.ContextMenu()->actions().size(), 1);
        QAction* action = page.ContextMenu()->actions().first();
        QCOMPARE(action->text(), QString("Extract(&E)"));
        QCOMPARE(page.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);

        QVERIFY(load(page, m_image));
        tick(page, {"setup.exe"});
        QSignalSpy ended(&page, &CPage2::sigExtractionEnded);
        AddDialogAnswerForTest(out.path());
        action->trigger();
        QVERIFY(ended.wait(20000));
        QCOMPARE(ended.count(), 1);
        QCOMPARE(tree(out.path()), QStringList{"setup.exe"});
    }
};

QTEST_MAIN(TestPage2)
#include "tst_page2.moc"
