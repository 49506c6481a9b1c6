// The copy worker: order, progress per worker, Clear, Stop, failures.

#include "image/filecopy.h"

#include "testutil.h"

#include <QFileInfo>
#include <QScopedPointer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A worker whose tasks wait for the test's go-ahead, so a test can look at
// the queue while a task is in flight.
class HeldWorker : public CFileCopy
{
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

class TestFileCopy : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    QString p(const QString& name) const { return m_dir->filePath(name); }
    bool exists(const QString& name) const { return QFileInfo::exists(p(name)); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
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
        QCOMPARE(worker.TakeFailures(), (QStringList{p("none"), "/proc/self/mem"}));
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
};

QTEST_GUILESS_MAIN(TestFileCopy)
#include "tst_filecopy.moc"
