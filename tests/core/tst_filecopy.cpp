// The copy worker: order, progress per worker, Clear, Stop, failures.

#include "image/filecopy.h"

#include "testutil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool makeBigFile(const QString& path, qint64 size)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(1 << 20, 'z');
    for (qint64 done = 0; done < size; done += block.size())
        if (f.write(block.constData(), qMin<qint64>(block.size(), size - done)) < 0)
            return false;
    return true;
}

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

    // Clear during a long copy: the copy finishes, queued tasks are dropped,
    // a task added afterwards runs, and the remaining bytes never claim
    // "done" while the running copy goes on.
    void clearDuringLongCopy()
    {
        QTemporaryDir dir;
        const qint64 size = 384LL << 20;
        QVERIFY(makeBigFile(dir.filePath("big"), size));
        QVERIFY(TestUtil::writeFile(dir.filePath("small"), "s"));
        CFileCopy worker;
        worker.AddTask(dir.filePath("big"), dir.filePath("big.copy"), CFileCopy::Copy);
        worker.AddTask(dir.filePath("small"), dir.filePath("dropped"), CFileCopy::Copy);
        const qint64 total = worker.RemainingBytes();
        QCOMPARE(total, size + 1);
        QTRY_VERIFY_WITH_TIMEOUT(worker.Progress() > 0, 10000);
        worker.Clear();
        worker.AddTask(dir.filePath("small"), dir.filePath("after"), CFileCopy::Copy);
        qint64 last = total;
        while (!worker.IsIdle()) {
            const qint64 remaining = worker.RemainingBytes();
            QVERIFY(remaining > 0 || worker.IsIdle());
            QVERIFY(remaining <= last);
            last = remaining;
            QTest::qWait(5);
        }
        QCOMPARE(QFileInfo(dir.filePath("big.copy")).size(), size);
        QVERIFY(!QFileInfo::exists(dir.filePath("dropped")));
        QCOMPARE(contents(dir.filePath("after")), QByteArray("s"));
        QVERIFY(worker.RemainingBytes() <= 0);
    }

    // Each worker counts its own bytes.
    void twoWorkers()
    {
        QTemporaryDir dir;
        QVERIFY(makeBigFile(dir.filePath("one"), 64LL << 20));
        CFileCopy a, b;
        b.AddTask(dir.filePath("one"), dir.filePath("two"), CFileCopy::Copy);
        const qint64 bTotal = b.RemainingBytes();
        a.AddTask(dir.filePath("one"), dir.filePath("three"), CFileCopy::Copy);
        QVERIFY(b.RemainingBytes() <= bTotal);
        QVERIFY(a.WaitForIdle(20000) && b.WaitForIdle(20000));
        QCOMPARE(a.Progress(), quint64(0));
        QCOMPARE(QFileInfo(dir.filePath("three")).size(), 64LL << 20);
    }

    // A queued folder is measured once: growing it afterwards does not move
    // the total (remaining + copied stays put, up to one copy block).
    void measuredOnce()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("src/a"), QByteArray(1000, 'a')));
        QVERIFY(makeBigFile(dir.filePath("first"), 256LL << 20));
        CFileCopy worker;
        worker.AddTask(dir.filePath("first"), dir.filePath("first.copy"), CFileCopy::Copy);
        worker.AddTask(dir.filePath("src"), dir.filePath("dst"), CFileCopy::Copy);
        const qint64 before = worker.RemainingBytes() + qint64(worker.Progress());
        QVERIFY(makeBigFile(dir.filePath("src/b"), 48LL << 20));
        QVERIFY(!worker.IsIdle());
        const qint64 after = worker.RemainingBytes() + qint64(worker.Progress());
        QVERIFY2(qAbs(after - before) < (8LL << 20), qPrintable(QString::number(after - before)));
        QVERIFY(worker.WaitForIdle(30000));
        QCOMPARE(QFileInfo(dir.filePath("dst/src/b")).size(), 48LL << 20);
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
        QVERIFY(makeBigFile(dir.filePath("first"), 64LL << 20));
        QVERIFY(TestUtil::writeFile(dir.filePath("x"), "x"));
        CFileCopy worker;
        worker.AddTask(dir.filePath("first"), dir.filePath("first.copy"), CFileCopy::Copy);
        worker.AddTask(dir.filePath("x"), dir.filePath("x1"), CFileCopy::Copy);
        worker.AddTask(dir.filePath("x"), dir.filePath("x2"), CFileCopy::Copy);
        worker.RemoveTask(dir.filePath("x"));
        QVERIFY(worker.WaitForIdle(20000));
        QVERIFY(!QFileInfo::exists(dir.filePath("x1")));
        QVERIFY(QFileInfo::exists(dir.filePath("x2")));
    }
};

QTEST_GUILESS_MAIN(TestFileCopy)
#include "tst_filecopy.moc"
