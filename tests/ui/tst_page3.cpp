// The create page with the real genisoimage: files and folders are staged,
// images of the three kinds are built and read back with xorriso and 7z.

#include "pages/page3.h"

#include "image/filecopy.h"
#include "image/gui/filedialogs.h"
#include "image/gui/messages.h"
#include "image/staging.h"
#include "ui/mytreewidget.h"
#include "ui/progressdialog.h"

#include "testutil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>

#include <unistd.h>

namespace {

struct IsoItem
{
    bool dir = false;
    qint64 size = 0;
};

// Every path of an image with its size, as xorriso reads it (Rock Ridge).
QMap<QString, IsoItem> listImage(const QString& image)
{
    const TestUtil::Result r = TestUtil::run(
        QStringLiteral("xorriso"), {QStringLiteral("-indev"), image, QStringLiteral("-find"), QStringLiteral("/"),
                                    QStringLiteral("-exec"), QStringLiteral("lsdl")});
    QMap<QString, IsoItem> items;
    for (const QByteArray& line : r.output.split('\n')) {
        const int quote = line.indexOf('\'');
        if (quote < 0 || !(line.startsWith('d') || line.startsWith('-')))
            continue;
        const QList<QByteArray> fields = line.left(quote).simplified().split(' ');
        QString path = QString::fromUtf8(line.mid(quote + 1, line.lastIndexOf('\'') - quote - 1));
        if (path.startsWith(QLatin1Char('/')))
            path.remove(0, 1);
        if (path.isEmpty() || fields.size() < 5)
            continue;
        items.insert(path, IsoItem{line.startsWith('d'), fields.at(4).toLongLong()});
    }
    return items;
}

QString imageType(const QString& image)
{
    const TestUtil::Result r = TestUtil::run(QStringLiteral("7z"), {QStringLiteral("l"), QStringLiteral("-slt"), image});
    for (const QByteArray& line : r.output.split('\n')) {
        if (line.startsWith("Type = "))
            return QString::fromUtf8(line.mid(7)).trimmed();
    }
    return QString();
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool makeSparse(const QString& path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.resize(size);
}

QByteArray bytes(int size, char seed)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = char(seed + i * 7 + i / 251);
    return data;
}

} // namespace

class TestPage3 : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_src; // source files of every test

    QString src(const QString& relative) const { return m_src + QLatin1Char('/') + relative; }

    static void addFiles(CPage3& page, const QStringList& files)
    {
        AddDialogAnswerForTest(files.join(QLatin1Char('\n')));
        page.OnAddFile();
    }
    static void addFolders(CPage3& page, const QStringList& folders)
    {
        AddDialogAnswerForTest(folders.join(QLatin1Char('\n')));
        page.OnAddDir();
    }
    static void select(CPage3& page, const QString& name)
    {
        page.List()->clearSelection();
        if (QTreeWidgetItem* row = page.RowOf(name))
            row->setSelected(true);
    }
    static bool waitStaged(CPage3& page) { return page.Copier()->WaitForIdle(60000); }

    // Runs Create with the answer for the save dialog and waits for its end.
    static bool create(CPage3& page, const QString& output)
    {
        QSignalSpy ended(&page, &CPage3::sigCreateEnded);
        AddDialogAnswerForTest(output);
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
        m_src = m_dir.filePath(QStringLiteral("src"));
        QVERIFY(TestUtil::writeFile(src("a.txt"), "alpha\n"));
        QVERIFY(TestUtil::writeFile(src("b.bin"), bytes(70000, 'b')));
        QVERIFY(TestUtil::writeFile(src("other/a.txt"), "a second a.txt, other content\n"));
        QVERIFY(TestUtil::writeFile(src("Docs/readme.md"), "# docs\n"));
        QVERIFY(TestUtil::writeFile(src("Docs/Photos/p1.jpg"), bytes(123457, 'p')));
        QVERIFY(TestUtil::writeFile(src("Docs/Photos/Old/p0.jpg"), bytes(4096, 'o')));
        QVERIFY(TestUtil::writeFile(src("Docs/.hidden"), "not for the image"));
        QVERIFY(QDir().mkpath(src("Docs/Empty")));
        QVERIFY(TestUtil::writeFile(src("Music/song.ogg"), bytes(50000, 's')));
        QVERIFY(TestUtil::writeFile(src("Music/drop.me"), "removed before the build"));
    }

    void init()
    {
        ResetDialogsForTest();
        SetDialogAnswersForTest({});
        MessageTest::setEnabled(true);
    }
    void cleanup()
    {
        ResetDialogsForTest();
        MessageTest::setEnabled(false);
    }

    void buildTypes_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("typeArg");
        QTest::newRow("joliet") << "jolet" << "-joliet";
        QTest::newRow("iso9660") << "iso9600" << "-l";
        QTest::newRow("udf") << "udf" << "-udf";
    }
    void buildTypes()
    {
        QFETCH(QString, radio);
        QFETCH(QString, typeArg);
        CPage3 page;
        page.findChild<QRadioButton*>(radio)->setChecked(true);

        addFiles(page, {src("a.txt"), src("b.bin")});
        addFolders(page, {src("Docs"), src("Music")});
        // Into the selected folder row, with a name that exists elsewhere.
        select(page, QStringLiteral("Docs\\Photos"));
        addFiles(page, {src("other/a.txt")});
        QVERIFY(page.RowOf(QStringLiteral("Docs\\Photos\\a.txt")));
        // Removed items stay out of the image.
        select(page, QStringLiteral("Music\\drop.me"));
        page.OnRemove();
        select(page, QStringLiteral("Docs\\Photos\\Old"));
        page.OnRemove();
        page.List()->clearSelection();
        QVERIFY(!page.RowOf(QStringLiteral("Docs\\Photos\\Old")));

        const QString image = m_dir.filePath(radio + QStringLiteral(".iso"));
        QVERIFY(create(page, image));
        QCOMPARE(MessageTest::last().kind, ShownMessage::OpenFolder);
        QCOMPARE(MessageTest::last().text, QStringLiteral("Create ISO successfully!"));
        QCOMPARE(MessageTest::last().folder, m_dir.path());
        QVERIFY(!page.Progress()->isVisible());

        const QStringList args = page.LastBuildArguments();
        QCOMPARE(args.first(), typeArg);
        QCOMPARE(args.mid(1, 4), (QStringList{"-R", "-joliet-long", "-o", image}));
        QCOMPARE(args.last(), page.StagingFolder()); // the platform's own form, no backslash here
        QVERIFY(!args.last().contains(QLatin1Char('\\')));

        const QMap<QString, QString> expected{
            {"a.txt", src("a.txt")},
            {"b.bin", src("b.bin")},
            {"Docs/readme.md", src("Docs/readme.md")},
            {"Docs/Photos/p1.jpg", src("Docs/Photos/p1.jpg")},
            {"Docs/Photos/a.txt", src("other/a.txt")},
            {"Music/song.ogg", src("Music/song.ogg")},
        };
        const QMap<QString, IsoItem> listed = listImage(image);
        QStringList files;
        for (auto it = listed.begin(); it != listed.end(); ++it) {
            if (!it->dir)
                files << it.key();
        }
        QStringList expectedFiles = expected.keys();
        files.sort();
        expectedFiles.sort();
        QCOMPARE(files, expectedFiles);
        for (const char* folder : {"Docs", "Docs/Photos", "Docs/Empty", "Music"})
            QVERIFY2(listed.value(QLatin1String(folder)).dir, folder);
        QVERIFY(!listed.contains(QStringLiteral("Docs/Photos/Old")));
        QVERIFY(!listed.contains(QStringLiteral("Docs/.hidden")));

        // Content, through the reader's own extraction.
        const QString out = m_dir.filePath(radio + QStringLiteral("-out"));
        const TestUtil::Result x = TestUtil::run(
            QStringLiteral("xorriso"), {QStringLiteral("-osirrox"), QStringLiteral("on"), QStringLiteral("-indev"),
                                        image, QStringLiteral("-extract"), QStringLiteral("/"), out});
        QCOMPARE(x.exitCode, 0);
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            QCOMPARE(listed.value(it.key()).size, QFileInfo(it.value()).size());
            QVERIFY2(readAll(out + QLatin1Char('/') + it.key()) == readAll(it.value()), qPrintable(it.key()));
        }
        QCOMPARE(imageType(image), typeArg == QLatin1String("-udf") ? QStringLiteral("Udf") : QStringLiteral("Iso"));

        // The list and the staging are left as they are: a second build works.
        QVERIFY(create(page, m_dir.filePath(radio + QStringLiteral("-again.iso"))));
    }

    void addAndRemoveRules()
    {
        CPage3 page;
        addFiles(page, {src("a.txt"), src("a.txt")});
        addFiles(page, {src("a.txt")});
        QCOMPARE(page.List()->topLevelItemCount(), 1);
        QCOMPARE(page.Content().root.childCount(), 1);
        // The same name from another folder is a different file: first one wins.
        addFiles(page, {src("other/a.txt")});
        QCOMPARE(page.Content().root.childCount(), 1);
        QCOMPARE(page.Content().FindEntry(QStringLiteral("a.txt"))->localPath, src("a.txt"));

        // A selected file row takes nothing, and no dialog is opened for it.
        select(page, QStringLiteral("a.txt"));
        const int asked = DialogRequestsForTest().size();
        page.OnAddFile();
        page.OnAddDir();
        QCOMPARE(DialogRequestsForTest().size(), asked);

        // Folder rows: "Folder", no size, user data 1; file rows: size and type.
        page.List()->clearSelection();
        addFolders(page, {src("Docs")});
        QTreeWidgetItem* docs = page.RowOf(QStringLiteral("Docs"));
        QVERIFY(docs);
        QCOMPARE(docs->text(3), QStringLiteral("Folder"));
        QCOMPARE(docs->text(2), QString());
        QCOMPARE(docs->data(0, Qt::UserRole).toInt(), 1);
        QTreeWidgetItem* p1 = page.RowOf(QStringLiteral("Docs\\Photos\\p1.jpg"));
        QVERIFY(p1);
        QCOMPARE(p1->text(0), QStringLiteral("p1.jpg"));
        QCOMPARE(p1->text(1), QStringLiteral("Docs\\Photos"));
        QCOMPARE(p1->text(2), QStringLiteral("120.56 KB"));
        QVERIFY(!page.RowOf(QStringLiteral("Docs\\.hidden")));
        QCOMPARE(docs->childCount(), 3); // Empty, Photos, readme.md

        const qint64 before = page.Content().LocalFilesSize();
        QVERIFY(waitStaged(page));
        const QString stagedDocs = page.StagedPath(QStringLiteral("Docs"));
        QVERIFY(QFileInfo::exists(stagedDocs + QStringLiteral("/Photos/p1.jpg")));
        QVERIFY(!QFileInfo::exists(stagedDocs + QStringLiteral("/.hidden")));

        // Removing a folder row takes its subtree and its staged copy.
        select(page, QStringLiteral("Docs\\Photos"));
        page.OnRemove();
        QVERIFY(!page.RowOf(QStringLiteral("Docs\\Photos")));
        QVERIFY(!page.Content().FindEntry(QStringLiteral("Docs\\Photos\\p1.jpg")));
        QCOMPARE(page.Content().LocalFilesSize(), before - 123457 - 4096);
        QVERIFY(page.TotalLabel()->text().startsWith(QLatin1String("Total Size: ")));
        QVERIFY(waitStaged(page));
        QVERIFY(!QFileInfo::exists(stagedDocs + QStringLiteral("/Photos")));
        QVERIFY(QFileInfo::exists(stagedDocs + QStringLiteral("/readme.md")));

        // Whatever was added into a folder row can be removed again.
        select(page, QStringLiteral("Docs"));
        addFiles(page, {src("b.bin")});
        select(page, QStringLiteral("Docs\\b.bin"));
        page.OnRemove();
        QVERIFY(!page.Content().FindEntry(QStringLiteral("Docs\\b.bin")));

        // Pressing empty space clears the selection: the next file goes to the top.
        page.OnTreeClicked(QModelIndex());
        QVERIFY(page.List()->selectedItems().isEmpty());
        addFiles(page, {src("b.bin")});
        QVERIFY(page.RowOf(QStringLiteral("b.bin")));
        QVERIFY(page.RowOf(QStringLiteral("b.bin"))->parent() == nullptr);

        // The menu's actions reach the same slots.
        const QList<QAction*> actions = page.ContextMenu()->actions();
        QCOMPARE(actions.size(), 4);
        actions.at(0)->trigger();
        actions.at(1)->trigger();
        QCOMPARE(DialogRequestsForTest().mid(DialogRequestsForTest().size() - 2),
                 (QStringList{"ChooseOpenFiles", "ChooseItems:folders"}));
    }

    void removingQueuedCopyCancelsIt()
    {
        CPage3 page;
        QVERIFY(waitStaged(page));
        // A big copy keeps the worker busy while the second one waits in the queue.
        QVERIFY(makeSparse(m_dir.filePath("busy/big.bin"), 256 << 20));
        QVERIFY(TestUtil::writeFile(m_dir.filePath("busy/queued.bin"), QByteArray(32 << 20, 'q')));
        addFiles(page, {m_dir.filePath("busy/big.bin"), m_dir.filePath("busy/queued.bin")});
        const qint64 withQueued = page.Copier()->RemainingBytes();
        select(page, QStringLiteral("queued.bin"));
        page.OnRemove();
        const qint64 withoutQueued = page.Copier()->RemainingBytes();
        QVERIFY2(withoutQueued <= withQueued - (32 << 20), qPrintable(QStringLiteral("%1 -> %2").arg(withQueued).arg(withoutQueued)));
        QVERIFY(waitStaged(page));
        QVERIFY(!QFileInfo::exists(page.StagedPath(QStringLiteral("queued.bin"))));
        QVERIFY(QFileInfo(page.StagedPath(QStringLiteral("big.bin"))).size() == (256 << 20));
        QVERIFY(page.Copier()->TakeFailures().isEmpty());
    }

    void usageBar_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("bar");
        QTest::newRow("half") << (qint64(5) << 29) << 50;
        QTest::newRow("just below") << ((qint64(5) << 30) - 1) << 99;
        QTest::newRow("exactly 5 GiB") << (qint64(5) << 30) << 100;
        QTest::newRow("7 GiB") << (qint64(7) << 30) << 100;
    }
    void usageBar()
    {
        QFETCH(qint64, size);
        QFETCH(int, bar);
        CPage3 page;
        // Sizes only: the worker must not copy gigabytes of zeros.
        page.Copier()->Stop();
        page.Copier()->wait();
        const QString file = m_dir.filePath(QStringLiteral("sparse/%1.bin").arg(size));
        QVERIFY(makeSparse(file, size));
        addFiles(page, {file});
        QCOMPARE(page.UsageBar()->value(), bar);
        QVERIFY(page.TotalLabel()->text().startsWith(QLatin1String("Total Size: ")));
        select(page, QFileInfo(file).fileName());
        page.OnRemove();
        QCOMPARE(page.UsageBar()->value(), 0);
        QFile::remove(file);
    }

    void largeFiles()
    {
        CPage3 page;
        page.Copier()->Stop();
        page.Copier()->wait();
        const QString file = m_dir.filePath(QStringLiteral("sparse/four.bin"));
        QVERIFY(makeSparse(file, qint64(4) << 30));
        addFiles(page, {file});

        // Joliet: the user is told before anything runs, and may decline.
        MessageTest::queueAnswers({0});
        AddDialogAnswerForTest(m_dir.filePath("never.iso"));
        page.OnCreate();
        QCOMPARE(MessageTest::last().kind, ShownMessage::Question);
        QVERIFY(MessageTest::last().text.contains(QLatin1String("four.bin")));
        QVERIFY(!DialogRequestsForTest().contains(QStringLiteral("ChooseSaveFile:ISO Files(*.ISO)")));
        QCOMPARE(page.BuildsStarted(), 0);

        // UDF carries the size: no question.
        ResetDialogsForTest();
        SetDialogAnswersForTest({});
        MessageTest::clear();
        page.findChild<QRadioButton*>(QStringLiteral("udf"))->setChecked(true);
        page.OnCreate(); // save dialog cancelled
        QVERIFY(MessageTest::shown().isEmpty());
        QCOMPARE(DialogRequestsForTest(), QStringList{QStringLiteral("ChooseSaveFile:ISO Files(*.ISO)")});
        QFile::remove(file);
    }

    // A real 4.5 GiB build (writes 9 GB); run with QUILLON_LARGE_TESTS=1.
    void largeFileBuild()
    {
        if (qEnvironmentVariableIsEmpty("QUILLON_LARGE_TESTS"))
            QSKIP("set QUILLON_LARGE_TESTS=1 to build an image with a 4.5 GiB file");
        CPage3 page;
        const QString file = m_dir.filePath(QStringLiteral("huge/huge.bin"));
        QVERIFY(makeSparse(file, qint64(4500) << 20));
        addFiles(page, {file, src("a.txt")});
        QVERIFY(waitStaged(page));
        MessageTest::queueAnswers({1});
        const QString image = m_dir.filePath(QStringLiteral("huge.iso"));
        QVERIFY(create(page, image));
        QVERIFY(page.LastBuildArguments().contains(QStringLiteral("-allow-limited-size")));
        const TestUtil::Result r = TestUtil::run(QStringLiteral("7z"), {QStringLiteral("l"), image});
        QVERIFY(r.output.contains("4718592000"));
        QFile::remove(image);
        QFile::remove(page.StagedPath(QStringLiteral("huge.bin")));
        QFile::remove(file);
    }

    void stopDuringStaging()
    {
        CPage3 page;
        QVERIFY(waitStaged(page));
        QVERIFY(makeSparse(m_dir.filePath("slow/big.bin"), 256 << 20));
        addFiles(page, {m_dir.filePath("slow/big.bin"), src("a.txt")});
        const QString image = m_dir.filePath(QStringLiteral("stopped-staging.iso"));
        // Stop is pressed while the page waits for the copies.
        QTimer::singleShot(0, page.Progress(), &CProgressDialog::OnBtnCancel);
        AddDialogAnswerForTest(image);
        page.OnCreate();
        QCOMPARE(page.BuildsStarted(), 0);
        QCOMPARE(page.CurrentState(), CPage3::State::Idle);
        QVERIFY(!page.Progress()->isVisible());
        QVERIFY(MessageTest::shown().isEmpty());
        QVERIFY(!QFileInfo::exists(image));

        // Staging went on; a later Create builds normally.
        QVERIFY(create(page, image));
        QCOMPARE(page.BuildsStarted(), 1);
        const QMap<QString, IsoItem> listed = listImage(image);
        QCOMPARE(listed.value(QStringLiteral("big.bin")).size, qint64(256 << 20));
        QCOMPARE(listed.value(QStringLiteral("a.txt")).size, qint64(6));
        QFile::remove(image);
    }

    void stopDuringBuild()
    {
        CPage3 page;
        QVERIFY(makeSparse(m_dir.filePath("slow/big.bin"), 256 << 20));
        addFiles(page, {m_dir.filePath("slow/big.bin")});
        QVERIFY(waitStaged(page));
        const QString image = m_dir.filePath(QStringLiteral("stopped-build.iso"));
        // Stop at the builder's first progress line: it is writing the image.
        connect(page.Progress()->ProgressBar(), &QProgressBar::valueChanged, &page, [&page](int value) {
            if (value > 0 && page.CurrentState() == CPage3::State::Building)
                page.Progress()->OnBtnCancel();
        });
        QVERIFY(!create(page, image));
        QCOMPARE(page.BuildsStarted(), 1);
        QVERIFY(MessageTest::shown().isEmpty());
        QVERIFY(!QFileInfo::exists(image));
        QCOMPARE(page.CurrentState(), CPage3::State::Idle);
    }

    void builderFailure()
    {
        CPage3 page;
        addFiles(page, {src("a.txt")});
        QVERIFY(waitStaged(page));
        QString folder = m_dir.filePath(QStringLiteral("readonly"));
        QVERIFY(QDir().mkpath(folder));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        if (::geteuid() == 0)
            folder = QStringLiteral("/sys"); // root writes anywhere else
        const QString image = folder + QStringLiteral("/quillon-test.iso");
        QVERIFY(!create(page, image));
        QCOMPARE(MessageTest::last().kind, ShownMessage::Message);
        const QString text = MessageTest::last().text;
        QVERIFY2(text.startsWith(QLatin1String("The ISO file could not be created.")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("Permission denied")), qPrintable(text));
        QVERIFY(!QFileInfo::exists(image));
        QFile::setPermissions(m_dir.filePath(QStringLiteral("readonly")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // Nothing was lost: the next build into a good folder works.
        QVERIFY(create(page, m_dir.filePath(QStringLiteral("after-failure.iso"))));
    }

    void stagingFailureStopsTheBuild()
    {
        CPage3 page;
        QVERIFY(waitStaged(page));
        // A file where the staged folder should go: its copies cannot be made,
        // as with a full disk.
        QVERIFY(TestUtil::writeFile(page.StagedPath(QStringLiteral("Music")), "in the way"));
        addFolders(page, {src("Music")});
        addFiles(page, {src("a.txt")});
        QVERIFY(waitStaged(page));
        const QString image = m_dir.filePath(QStringLiteral("not-staged.iso"));
        QVERIFY(!create(page, image));
        QCOMPARE(page.BuildsStarted(), 0);
        QCOMPARE(MessageTest::last().kind, ShownMessage::Message);
        QVERIFY(MessageTest::last().text.contains(src("Music/song.ogg")));
        QVERIFY(!MessageTest::last().text.contains(src("a.txt")));
        QVERIFY(!QFileInfo::exists(image));
        QVERIFY(!page.Progress()->isVisible());

        // Once the item is removed, the rest builds.
        select(page, QStringLiteral("Music"));
        page.OnRemove();
        QVERIFY(waitStaged(page));
        QVERIFY(create(page, image));
        QCOMPARE(listImage(image).keys(), QStringList{QStringLiteral("a.txt")});
    }

    void refusedRequests()
    {
        CPage3 page;
        page.OnCreate();
        QCOMPARE(MessageTest::last().text, QStringLiteral("Please add files or folders first!"));
        QVERIFY(DialogRequestsForTest().isEmpty());

        addFiles(page, {src("a.txt")});
        MessageTest::clear();
        AddDialogAnswerForTest(QString()); // save dialog cancelled
        page.OnCreate();
        QVERIFY(MessageTest::shown().isEmpty());
        QCOMPARE(page.BuildsStarted(), 0);

        // An image inside the working folders would take itself in.
        AddDialogAnswerForTest(page.StagingFolder() + QStringLiteral("/x.iso"));
        page.OnCreate();
        QCOMPARE(MessageTest::last().kind, ShownMessage::Message);
        QCOMPARE(page.BuildsStarted(), 0);
    }

    void stagingFoldersPerPage()
    {
        // A folder left by an ended run goes; a live page's folder stays.
        QProcess ended;
        ended.start(QStringLiteral("true"), QStringList());
        QVERIFY(ended.waitForStarted());
        const qint64 deadPid = ended.processId();
        QVERIFY(ended.waitForFinished());
        const QString stale = StagingArea::DefaultRoot() + QStringLiteral("/create-%1-1").arg(deadPid);
        QVERIFY(TestUtil::writeFile(stale + QStringLiteral("/old.txt"), "old"));

        CPage3 first;
        addFiles(first, {src("a.txt")});
        QVERIFY(waitStaged(first));
        CPage3 second;
        QVERIFY(waitStaged(second));
        QVERIFY(first.StagingFolder() != second.StagingFolder());
        QVERIFY(QFileInfo::exists(first.StagedPath(QStringLiteral("a.txt"))));
        QVERIFY(!QFileInfo::exists(stale));

        // Back leaves a page for good: its staged copies go, the other page's stay.
        addFiles(second, {src("Music/song.ogg")});
        first.show();
        first.close();
        QVERIFY(waitStaged(first));
        QVERIFY(!QFileInfo::exists(first.StagingFolder()));
        QVERIFY(waitStaged(second));
        QVERIFY(QFileInfo::exists(second.StagedPath(QStringLiteral("song.ogg"))));
    }

    void languageChangeKeepsMenuWorking()
    {
        CPage3 page;
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&page, &change);
        QCOMPARE(page.ContextMenu()->actions().size(), 4);
        QCOMPARE(page.List()->headerItem()->text(2), QStringLiteral(" Size"));
        page.ContextMenu()->actions().at(0)->trigger();
        QCOMPARE(DialogRequestsForTest(), QStringList{QStringLiteral("ChooseOpenFiles")});
    }
};

QTEST_MAIN(TestPage3)
#include "tst_page3.moc"
