// The copy worker: order, progress per worker, Clear, Stop, failures.

#include "image/filecopy.h"

#include "testutil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A worker whose tasks wait for the test's go-ahead, so a test can look at
// the queue while a task is in flight.
class HeldWorker : public CFileCopy
{
public:
    QSemaphore started;
    QSemaphore release;

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

class TestFileCopy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Tasks run in the order they were added, each on the result of the one before.
    void order()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("a.txt"), "A"));
        QVERIFY(TestUtil::writeFile(dir.filePath("Docs/x/y.txt"), "Y"));
        CFileCopy worker;
        worker.AddTask(dir.filePath("a.txt"), dir.filePath("b.txt"), CFileCopy::Copy);
        worker.AddTask(dir.filePath("b.txt"), dir.filePath("c.txt"), CFileCopy::Rename);
        worker.AddTask(dir.filePath("a.txt"), QString(), CFileCopy::Delete);
        worker.AddTask(dir.filePath("Docs"), dir.filePath("P"), CFileCopy::Copy);
        worker.AddTask(dir.filePath("P/Docs/x"), dir.filePath("P/Docs/z"), CFileCopy::Rename);
        worker.AddTask(dir.filePath("Docs"), QString(), CFileCopy::Delete);
        worker.AddTask(dir.filePath("missing"), dir.filePath("m"), CFileCopy::Copy); // a no-op
        QVERIFY(worker.WaitForIdle(10000));
        QVERIFY(!QFileInfo::exists(dir.filePath("a.txt")));
        QVERIFY(!QFileInfo::exists(dir.filePath("b.txt")));
        QCOMPARE(contents(dir.filePath("c.txt")), QByteArray("A"));
        QCOMPARE(contents(dir.filePath("P/Docs/z/y.txt")), QByteArray("Y"));
        QVERIFY(!QFileInfo::exists(dir.filePath("Docs")));
        QVERIFY(!QFileInfo::exists(dir.filePath("m")));
        QVERIFY(worker.RemainingBytes() <= 0);
        QVERIFY(worker.TakeFailures().isEmpty());
    }

    void failuresAreKept()
    {
        QTemporaryDir dir;
        CFileCopy worker;
        worker.AddTask(dir.filePath("none"), dir.filePath("new"), CFileCopy::Rename);
        if (QFileInfo(QStringLiteral("/proc/self/mem")).isFile())
            worker.AddTask(QStringLiteral("/proc/self/mem"), dir.filePath("mem"), CFileCopy::Copy);
        QVERIFY(worker.WaitForIdle(10000));
        const QStringList failures = worker.TakeFailures();
        QVERIFY(failures.contains(dir.filePath("none")));
        QVERIFY(!QFileInfo::exists(dir.filePath("mem")));
        QVERIFY(worker.TakeFailures().isEmpty());
    }

    // Clear while a copy is under way: that copy finishes, queued tasks are
    // dropped, a task added afterwards runs, and the remaining bytes never
    // claim "done" while work is left.
    void clearDuringCopy()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("big"), QByteArray(100000, 'b')));
        QVERIFY(TestUtil::writeFile(dir.filePath("small"), "s"));
        HeldWorker worker;
        worker.AddTask(dir.filePath("big"), dir.filePath("big.copy"), CFileCopy::Copy);
        worker.AddTask(dir.filePath("small"), dir.filePath("dropped"), CFileCopy::Copy);
        QVERIFY(worker.started.tryAcquire(1, 5000));
        QCOMPARE(worker.RemainingBytes(), qint64(100000)); // one byte "copied"
        worker.Clear();
        QCOMPARE(worker.RemainingBytes(), qint64(99999)); // the running copy still counts
        worker.AddTask(dir.filePath("small"), dir.filePath("after"), CFileCopy::Copy);
        QCOMPARE(worker.RemainingBytes(), qint64(100000));
        QVERIFY(!worker.WaitForIdle(50));
        worker.release.release();
        QVERIFY(worker.started.tryAcquire(1, 5000));
        QVERIFY(worker.RemainingBytes() > 0); // the last task is in flight
        worker.release.release();
        QVERIFY(worker.WaitForIdle(5000));
        QCOMPARE(QFileInfo(dir.filePath("big.copy")).size(), qint64(100000));
        QVERIFY(!QFileInfo::exists(dir.filePath("dropped")));
        QCOMPARE(contents(dir.filePath("after")), QByteArray("s"));
        QVERIFY(worker.RemainingBytes() <= 0);
    }

    // A zero-byte copy in flight still counts as work left.
    void emptyFileInFlight()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("empty"), QByteArray()));
        HeldWorker worker;
        worker.AddTask(dir.filePath("empty"), dir.filePath("e2"), CFileCopy::Copy);
        QVERIFY(worker.started.tryAcquire(1, 5000));
        QCOMPARE(worker.RemainingBytes(), qint64(1));
        worker.release.release();
        QVERIFY(worker.WaitForIdle(5000));
        QCOMPARE(worker.RemainingBytes(), qint64(0));
    }

    // Each worker counts its own bytes.
    void twoWorkers()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("one"), QByteArray(5000, 'o')));
        HeldWorker a;
        CFileCopy b;
        a.AddTask(dir.filePath("one"), dir.filePath("two"), CFileCopy::Copy);
        QVERIFY(a.started.tryAcquire(1, 5000));
        b.AddTask(dir.filePath("one"), dir.filePath("three"), CFileCopy::Copy);
        QVERIFY(b.WaitForIdle(5000));
        QCOMPARE(a.Progress(), quint64(1)); // b's copy did not touch a's figure
        QCOMPARE(a.RemainingBytes(), qint64(4999));
        a.release.release();
        QVERIFY(a.WaitForIdle(5000));
        QCOMPARE(QFileInfo(dir.filePath("three")).size(), qint64(5000));
    }

    // A queued folder is measured once: growing it afterwards does not move
    // the figure.
    void measuredOnce()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("first"), QByteArray(10, 'f')));
        QVERIFY(TestUtil::writeFile(dir.filePath("src/a"), QByteArray(1000, 'a')));
        HeldWorker worker;
        worker.AddTask(dir.filePath("first"), dir.filePath("first.copy"), CFileCopy::Copy);
        worker.AddTask(dir.filePath("src"), dir.filePath("dst"), CFileCopy::Copy);
        QVERIFY(worker.started.tryAcquire(1, 5000));
        QCOMPARE(worker.RemainingBytes(), qint64(10 + 1000 - 1));
        QVERIFY(TestUtil::writeFile(dir.filePath("src/b"), QByteArray(5000, 'b')));
        QCOMPARE(worker.RemainingBytes(), qint64(10 + 1000 - 1));
        worker.release.release(2);
        QVERIFY(worker.WaitForIdle(5000));
        QCOMPARE(QFileInfo(dir.filePath("dst/src/b")).size(), qint64(5000));
    }

    void stopIdleWorker()
    {
        auto* worker = new CFileCopy;
        QVERIFY(worker->isRunning());
        QElapsedTimer timer;
        timer.start();
        worker->Stop();
        QVERIFY(worker->wait(2000));
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(worker->RemainingBytes(), qint64(0));
        delete worker;
    }

    void removeTask()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("x"), "x"));
        HeldWorker worker;
        worker.AddTask(dir.filePath("x"), dir.filePath("x0"), CFileCopy::Copy);
        QVERIFY(worker.started.tryAcquire(1, 5000));
        worker.AddTask(dir.filePath("x"), dir.filePath("x1"), CFileCopy::Copy);
        worker.AddTask(dir.filePath("x"), dir.filePath("x2"), CFileCopy::Copy);
        // The running task is not "queued": the first waiting one goes.
        worker.RemoveTask(dir.filePath("x"));
        worker.release.release(10);
        QVERIFY(worker.WaitForIdle(5000));
        QVERIFY(QFileInfo::exists(dir.filePath("x0")));
        QVERIFY(!QFileInfo::exists(dir.filePath("x1")));
        QVERIFY(QFileInfo::exists(dir.filePath("x2")));
    }
};

QTEST_GUILESS_MAIN(TestFileCopy)
#include "tst_filecopy.moc"
