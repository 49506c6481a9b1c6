// Copying files and folders: the helpers (size texts, copies with failures,
// deleting, measuring) and the copy worker (order, progress per worker,
// Clear, Stop, failures).

#include "image/createimagejob.h"
#include "image/filecopy.h"
#include "image/fileutils.h"
#include "platform/fastcopy.h"

#include "testutil.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QScopedPointer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

void makeReadOnly(const QString& path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadOther);
}

// A worker whose tasks wait for the test's go-ahead, so a test can look at
// the queue while a task is in flight.
class HeldWorker : public CFileCopy {
public:
    QSemaphore started, release;

    ~HeldWorker() override
    {
        release.release(1000);
        Stop();
        wait();
    }

protected:
    bool execute(const Task& task) override
    {
        progressCounter().fetch_add(1); // as if a block had been copied
        started.release();
        release.acquire();
        return CFileCopy::execute(task);
    }
};

} // namespace

class TestFileCopy : public QObject {
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    QString p(const QString& name) const { return m_dir->filePath(name); }
    bool exists(const QString& name) const { return QFileInfo::exists(p(name)); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(QStringLiteral("quillon.trace.debug=true")); // the traces are checked
    }
    void init() { m_dir.reset(new QTemporaryDir); }

    // Tasks run in the order they were added, each on the result of the one
    // before; failures are kept until taken.
    void orderAndFailures()
    {
        QVERIFY(TestUtil::writeFile(p("a.txt"), "A") && TestUtil::writeFile(p("Docs/x/y.txt"), "Y"));
        CFileCopy worker;
        worker.AddTask(p("a.txt"), p("b.txt"), CFileCopy::Copy);
        worker.AddTask(p("b.txt"), p("c.txt"), CFileCopy::Rename);
        worker.AddTask(p("a.txt"), QString(), CFileCopy::Delete);
        worker.AddTask(p("Docs"), p("P"), CFileCopy::Copy);
        worker.AddTask(p("P/Docs/x"), p("P/Docs/z"), CFileCopy::Rename);
        worker.AddTask(p("Docs"), QString(), CFileCopy::Delete);
        worker.AddTask(p("missing"), p("m"), CFileCopy::Copy); // a no-op, no failure
        worker.AddTask(p("none"), p("new"), CFileCopy::Rename);
        worker.AddTask(QStringLiteral("/proc/self/mem"), p("mem"), CFileCopy::Copy); // opens, then fails to read
        QVERIFY(worker.WaitForIdle(10000));
        QVERIFY(!exists("a.txt") && !exists("b.txt") && !exists("Docs") && !exists("m") && !exists("mem"));
        QCOMPARE(TestUtil::readFile(p("c.txt")), QByteArray("A"));
        QCOMPARE(TestUtil::readFile(p("P/Docs/z/y.txt")), QByteArray("Y"));
        QVERIFY(worker.RemainingBytes() <= 0);
        QCOMPARE(worker.TakeFailures(), (QStringList {p("none"), "/proc/self/mem"}));
        QVERIFY(worker.TakeFailures().isEmpty());
    }

    // Clear while a copy is under way: that copy finishes, queued tasks are
    // dropped, a task added afterwards runs, and the remaining bytes never
    // claim "done" while work is left.
    void clearDuringCopy()
    {
        QVERIFY(TestUtil::writeFile(p("big"), QByteArray(100000, 'b')) && TestUtil::writeFile(p("small"), "s"));
        HeldWorker worker;
        worker.AddTask(p("big"), p("big.copy"), CFileCopy::Copy);
        worker.AddTask(p("small"), p("dropped"), CFileCopy::Copy);
        QVERIFY(worker.started.tryAcquire(1, 5000));
        QCOMPARE(worker.RemainingBytes(), qint64(100000)); // one byte "copied"
        worker.Clear();
        QCOMPARE(worker.RemainingBytes(), qint64(99999)); // the running copy still counts
        worker.AddTask(p("small"), p("after"), CFileCopy::Copy);
        QCOMPARE(worker.RemainingBytes(), qint64(100000));
        QVERIFY(!worker.WaitForIdle(50));
        worker.release.release();
        QVERIFY(worker.started.tryAcquire(1, 5000));
        QVERIFY(worker.RemainingBytes() > 0); // the last task is in flight
        worker.release.release();
        QVERIFY(worker.WaitForIdle(5000));
        QCOMPARE(QFileInfo(p("big.copy")).size(), qint64(100000));
        QVERIFY(!exists("dropped"));
        QCOMPARE(TestUtil::readFile(p("after")), QByteArray("s"));
        QVERIFY(worker.RemainingBytes() <= 0);
    }

    // Each worker counts its own bytes, and a zero-byte copy in flight still counts as work left.
    void twoWorkersAndEmptyFile()
    {
        QVERIFY(TestUtil::writeFile(p("empty"), QByteArray()) && TestUtil::writeFile(p("one"), QByteArray(5000, 'o')));
        HeldWorker a;
        CFileCopy b;
        a.AddTask(p("empty"), p("empty.copy"), CFileCopy::Copy);
        QVERIFY(a.started.tryAcquire(1, 5000));
        b.AddTask(p("one"), p("two"), CFileCopy::Copy);
        QVERIFY(b.WaitForIdle(5000));
        QCOMPARE(QFileInfo(p("two")).size(), qint64(5000));
        QCOMPARE(a.Progress(), quint64(1)); // b's copy did not touch a's figure
        QCOMPARE(a.RemainingBytes(), qint64(1));
        a.release.release();
        QVERIFY(a.WaitForIdle(5000));
        QCOMPARE(a.RemainingBytes(), qint64(0));
    }

    // A queued folder is measured once: growing it afterwards does not move the figure.
    void measuredOnce()
    {
        QVERIFY(TestUtil::writeFile(p("first"), QByteArray(10, 'f')));
        QVERIFY(TestUtil::writeFile(p("src/a"), QByteArray(1000, 'a')));
        HeldWorker worker;
        worker.AddTask(p("first"), p("first.copy"), CFileCopy::Copy);
        worker.AddTask(p("src"), p("dst"), CFileCopy::Copy);
        QVERIFY(worker.started.tryAcquire(1, 5000));
        QCOMPARE(worker.RemainingBytes(), qint64(10 + 1000 - 1));
        QVERIFY(TestUtil::writeFile(p("src/b"), QByteArray(5000, 'b')));
        QCOMPARE(worker.RemainingBytes(), qint64(10 + 1000 - 1));
        worker.release.release(2);
        QVERIFY(worker.WaitForIdle(5000));
        QCOMPARE(QFileInfo(p("dst/src/b")).size(), qint64(5000));
    }

    // Create's wait for the staging copies: its bar starts at 0 and rises as
    // tasks end, until the worker is idle.
    void waitForCopiesRisesFromZero()
    {
        QVERIFY(TestUtil::writeFile(p("a"), QByteArray(64 * 1024, 'a')));
        QVERIFY(TestUtil::writeFile(p("b"), QByteArray(64 * 1024, 'b')));
        HeldWorker worker;
        worker.AddTask(p("a"), p("a.copy"), CFileCopy::Copy);
        worker.AddTask(p("b"), p("b.copy"), CFileCopy::Copy);
        QVERIFY(worker.started.tryAcquire(1, 5000));
        CopyWaitJob wait(&worker);
        QList<QPair<qint64, qint64>> values;
        connect(&wait, &Job::progress, this, [&](const QString&, qint64 value, qint64 maximum) {
            values.append({value, maximum});
        });
        wait.start();
        QCOMPARE(values.first(), qMakePair(qint64(0), qint64(127))); // 128 KiB less the byte "copied"
        worker.release.release();
        QVERIFY(worker.started.tryAcquire(1, 5000));
        QTRY_COMPARE_WITH_TIMEOUT(values.last(), qMakePair(qint64(64), qint64(127)), 5000);
        worker.release.release();
        QTRY_COMPARE_WITH_TIMEOUT(wait.status(), Job::Status::Succeeded, 5000);
    }

    // The running task is not "queued": the first waiting one of that source goes.
    void removeTask()
    {
        QVERIFY(TestUtil::writeFile(p("x"), "x"));
        HeldWorker worker;
        worker.AddTask(p("x"), p("x0"), CFileCopy::Copy);
        QVERIFY(worker.started.tryAcquire(1, 5000));
        worker.AddTask(p("x"), p("x1"), CFileCopy::Copy);
        worker.AddTask(p("x"), p("x2"), CFileCopy::Copy);
        worker.RemoveTask(p("x"));
        worker.release.release(10);
        QVERIFY(worker.WaitForIdle(5000));
        QVERIFY(exists("x0") && !exists("x1") && exists("x2"));
    }

    // An idle worker stops at once; empty files still queued are work not
    // done; the worker says when each task and when all of them are done.
    void emptyFilesAndSignals()
    {
        QVERIFY(TestUtil::writeFile(p("e1"), QByteArray()) && TestUtil::writeFile(p("e2"), QByteArray()));
        {
            CFileCopy between; // no task running, one waiting
            between.Stop();
            QVERIFY(between.wait(1000));
            QCOMPARE(between.RemainingBytes(), qint64(0));
            between.AddTask(p("e1"), p("e1.copy"), CFileCopy::Copy);
            QCOMPARE(between.RemainingBytes(), qint64(1));
        }
        CFileCopy worker;
        QSignalSpy done(&worker, &CFileCopy::sigTaskDone);
        QSignalSpy idle(&worker, &CFileCopy::sigIdle);
        worker.AddTask(p("e1"), p("e1.copy"), CFileCopy::Copy);
        worker.AddTask(p("e2"), p("e2.copy"), CFileCopy::Copy);
        QTRY_COMPARE(done.count(), 2);
        QTRY_VERIFY(!idle.isEmpty());
        QVERIFY(exists("e1.copy") && exists("e2.copy"));
    }

    void formatSize_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        const qint64 k = 1024;
        for (const auto& row : QList<QPair<qint64, QString>> {{0, "0 B"}, {k, "1024 B"}, {k + 1, "1 KB"},
                 {1536, "1.50 KB"}, {8 * k, "8 KB"}, {k * k, "1024 KB"}, {k * k + 1, "1 MB"},
                 {3 * k * k * k / 2, "1.50 GB"}, {5 * k * k * k * k, "5120 GB"}})
            QTest::newRow(qPrintable(QString::number(row.first))) << row.first << row.second;
    }

    void formatSize()
    {
        QFETCH(qint64, bytes);
        QTEST(FormatSize(bytes), "text");
    }

    void copyFile()
    {
        const QString src = p("src.bin");
        const QByteArray data = QByteArray(3 * 1024 * 1024 + 17, 'q');
        QVERIFY(TestUtil::writeFile(src, data));
        const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
        QVERIFY(Platform::setModificationTime(src, old));
        CopyProgress progress {0};
        // Missing parent folders are made; the counter grows by the size; the date stays.
        QVERIFY(CopyFile(src, p("a/b/c.bin"), &progress));
        QCOMPARE(TestUtil::readFile(p("a/b/c.bin")), data);
        QCOMPARE(QFileInfo(p("a/b/c.bin")).lastModified(), old);
        QCOMPARE(progress.load(), quint64(data.size()));
        // The same file, spelt the same or differently, is left alone.
        QVERIFY(CopyFile(src, src) && CopyFile(src, p("a/../src.bin")));
        QCOMPARE(TestUtil::readFile(src), data);
        // A read-only target is replaced.
        QVERIFY(TestUtil::writeFile(p("ro.bin"), "old"));
        makeReadOnly(p("ro.bin"));
        QVERIFY(CopyFile(src, p("ro.bin")));
        QCOMPARE(TestUtil::readFile(p("ro.bin")), data);
        // Missing source, folder source, folder target: false, nothing made.
        QVERIFY(!CopyFile(p("none"), p("x")));
        QVERIFY(!QFileInfo::exists(p("x")));
        QVERIFY(!CopyFile(p("a"), p("x")));
        QVERIFY(!CopyFile(src, p("a")));
        QVERIFY(QFileInfo(p("a")).isDir());
        // Reading /proc/self/mem fails at once after a successful open: no partial
        // target, an older target survives, no temporary file is left.
        QVERIFY(!CopyFile(QStringLiteral("/proc/self/mem"), p("t.bin")));
        QVERIFY(!QFileInfo::exists(p("t.bin")));
        QVERIFY(!CopyFile(QStringLiteral("/proc/self/mem"), p("ro.bin")));
        QCOMPARE(TestUtil::readFile(p("ro.bin")), data);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), (QStringList {"ro.bin", "src.bin"}));
    }

    void copyFolders()
    {
        const QString src = p("Docs"), target = p("out");
        QVERIFY(TestUtil::writeFile(src + "/a.txt", "new a") && TestUtil::writeFile(src + "/sub/b.txt", "new b"));
        QVERIFY(TestUtil::writeFile(src + "/.hidden", "h") && QDir().mkpath(src + "/empty"));
        QCOMPARE(PathSize(src + "/"), qint64(11)); // hidden files count
        QCOMPARE(PathSize(src + "/a.txt"), qint64(5));
        QCOMPARE(PathSize(p("missing")), qint64(0));
        // Existing read-only files of the same names are replaced, others kept.
        QVERIFY(TestUtil::writeFile(target + "/a.txt", "old a") && TestUtil::writeFile(target + "/sub/b.txt", "old b"));
        QVERIFY(TestUtil::writeFile(target + "/other.txt", "untouched"));
        makeReadOnly(target + "/a.txt");
        makeReadOnly(target + "/sub/b.txt");
        CopyProgress progress {0};
        QVERIFY(CopyFolderContents(src, target, &progress));
        QStringList expected = TestUtil::listTree(src) << "other.txt";
        expected.sort();
        QCOMPARE(TestUtil::listTree(target), expected);
        using Pair = std::pair<const char*, const char*>;
        for (const Pair& f :
            {Pair {"a.txt", "new a"}, {"sub/b.txt", "new b"}, {".hidden", "h"}, {"other.txt", "untouched"}})
            QCOMPARE(TestUtil::readFile(target + "/" + f.first), QByteArray(f.second));
        QCOMPARE(progress.load(), quint64(11));
        // A folder is copied under its own name, trailing separators or not, with its date.
        const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
        QVERIFY(Platform::setModificationTime(src + "/sub", old));
        QVERIFY(CopyFolder(src + "/", p("parent")));
        QCOMPARE(QFileInfo(p("parent/Docs/sub")).lastModified(), old);
        QCOMPARE(TestUtil::readFile(p("parent/Docs/sub/b.txt")), QByteArray("new b"));
        // Copying into itself would never end.
        QVERIFY(!CopyFolderContents(src, src + "/sub/inner"));
        QVERIFY(!CopyFolderContents(p("missing"), target));
    }

    void deleting()
    {
        QVERIFY(TestUtil::writeFile(p("full/x"), "x"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not empty"));
        DeleteFileOrFolder(p("full"));
        QVERIFY(QFileInfo::exists(p("full/x")));
        // The folder's permissions were not opened up on the way.
        QVERIFY(!(QFile::permissions(p("full")) & QFileDevice::WriteOther));
        QVERIFY(QDir().mkpath(p("emptyf")) && TestUtil::writeFile(p("ro"), "r"));
        makeReadOnly(p("ro"));
        DeleteFileOrFolder(p("emptyf"));
        DeleteFileOrFolder(p("ro"));
        DeleteFileOrFolder(p("missing")); // nothing happens
        // An empty path must not mean the working folder (made a throwaway one here).
        const QString cwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(p("full")));
        RemoveFolderTree(QString());
        QDir::setCurrent(cwd);
        QCOMPARE(TestUtil::listTree(m_dir->path()), (QStringList {"full", "full/x"}));
        RemoveFolderTree(p("full"));
        QVERIFY(QDir(m_dir->path()).exists() && QDir(m_dir->path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFileCopy)
#include "tst_filecopy.moc"
