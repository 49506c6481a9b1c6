// The disc burn and the disc read end to end with the stand-in recorder and
// reader playing recorded output.
#include "burn/discburn.h"
#include "burn/discread.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

using TestUtil::standInTool;

// Makes the stand-in play that recorded output and exit status.
void playBack(const QString& recorded, int status = 0)
{
    qputenv("QUILLON_STANDIN_OUTPUT", TestUtil::dataPath(recorded).toUtf8());
    qputenv("QUILLON_STANDIN_STATUS", QByteArray::number(status));
}

struct Run
{
    Job::Status status = Job::Status::Idle;
    QString reason;
    QList<QPair<qint64, qint64>> progress;
};

Run runJob(Job& job)
{
    Run run;
    QObject::connect(&job, &Job::progress, [&](const QString&, qint64 value, qint64 maximum) {
        run.progress.append({value, maximum});
    });
    TestUtil::finish(job, 20000);
    run.status = job.status();
    run.reason = job.reason();
    return run;
}

} // namespace

class TestDiscJobs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void cleanup()
    {
        for (const char* name : {"QUILLON_STANDIN_OUTPUT", "QUILLON_STANDIN_STATUS", "QUILLON_STANDIN_ARGS",
                                 "QUILLON_STANDIN_SECTORS", "QUILLON_STANDIN_READ", "QUILLON_STANDIN_DELAY_MS"})
            qunsetenv(name);
    }

    void burnEndToEnd()
    {
        const QString image = m_dir.path() + "/my image \"1\".iso";
        QVERIFY(TestUtil::writeFile(image, "x"));
        const QString args = m_dir.path() + "/args.txt";
        qputenv("QUILLON_STANDIN_ARGS", args.toUtf8());

        playBack("cdrskin/burn-ok.raw");
        DiscBurnJob ok(standInTool(), "0,1,0", image);
        Run run = runJob(ok);
        QCOMPARE(run.status, Job::Status::Succeeded);
        QVERIFY(!run.progress.isEmpty());
        QCOMPARE(run.progress.last(), qMakePair(qint64(100), qint64(100)));
        // The address as "dev=", the image as one argument, quotes and all.
        const QStringList passed = QString::fromUtf8(TestUtil::readFile(args)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(passed.mid(2, 1), QStringList("dev=0,1,0"));
        QCOMPARE(passed.last(), image);

        playBack("wodim/burn-write-error.raw", 255);
        DiscBurnJob broken(standInTool(), "1,0,0", image);
        run = runJob(broken);
        QCOMPARE(run.status, Job::Status::Failed);
        QVERIFY2(run.reason.contains("Writing to the disc failed"), qPrintable(run.reason));
        QVERIFY(run.progress.contains(qMakePair(qint64(10), qint64(100)))); // 71 of 650

        // Status 0 does not hide a failure the recorder reported.
        playBack("wodim/burn-no-disc.raw", 0);
        DiscBurnJob empty(standInTool(), "1,0,0", image);
        QCOMPARE(runJob(empty).status, Job::Status::Failed);
    }

    void imageTargets()
    {
        QCOMPARE(DiscImagePath(" /a/disc "), QStringLiteral("/a/disc.iso"));
        QCOMPARE(DiscImagePath("/a/disc.ISO"), QStringLiteral("/a/disc.ISO"));
        QCOMPARE(DiscImagePath("/a.b/disc"), QStringLiteral("/a.b/disc.iso"));
        QCOMPARE(DiscImagePath(m_dir.path()), m_dir.path());
        QVERIFY(CheckDiscImageTarget(m_dir.path() + "/new.iso").isEmpty());
        QVERIFY(!CheckDiscImageTarget(m_dir.path()).isEmpty());
        QVERIFY(!CheckDiscImageTarget(m_dir.path() + "/missing/new.iso").isEmpty());
        if (geteuid() != 0) { // root writes anywhere
            const QString locked = m_dir.path() + "/locked";
            QDir().mkpath(locked);
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
            QVERIFY(!CheckDiscImageTarget(locked + "/new.iso").isEmpty());
        }
    }

    void readEndToEnd()
    {
        const QString target = m_dir.path() + "/disc.iso";
        QVERIFY(TestUtil::writeFile(target, "an older image"));
        const auto leftovers = [&] { return QDir(m_dir.path()).entryList({"*.part"}, QDir::Hidden | QDir::Files); };

        // A whole disc: progress over its sectors, then the image in place.
        playBack("readom/read-ok.txt");
        qputenv("QUILLON_STANDIN_SECTORS", "1000");
        ReadDiscJob whole(standInTool(), "1,0,0", target);
        Run run = runJob(whole);
        QCOMPARE(run.status, Job::Status::Succeeded);
        QCOMPARE(run.progress.first(), qMakePair(qint64(0), qint64(1000)));
        QCOMPARE(run.progress.last(), qMakePair(qint64(1000), qint64(1000)));
        QCOMPARE(QFileInfo(target).size(), 1000 * ReadDiscJob::SectorBytes);
        QVERIFY(leftovers().isEmpty());

        // A second reading of another disc takes its own size.
        qputenv("QUILLON_STANDIN_SECTORS", "300");
        ReadDiscJob second(standInTool(), "1,0,0", target);
        run = runJob(second);
        QCOMPARE(run.status, Job::Status::Succeeded);
        QCOMPARE(run.progress.last(), qMakePair(qint64(300), qint64(300)));
        QCOMPARE(QFileInfo(target).size(), 300 * ReadDiscJob::SectorBytes);

        // A medium error midway: a failure; the earlier image stays.
        playBack("readom/read-error.txt", 255);
        qputenv("QUILLON_STANDIN_SECTORS", "1000");
        qputenv("QUILLON_STANDIN_READ", "400");
        ReadDiscJob broken(standInTool(), "1,0,0", target);
        run = runJob(broken);
        QCOMPARE(run.status, Job::Status::Failed);
        QVERIFY2(run.reason.contains("cannot be read"), qPrintable(run.reason));
        QCOMPARE(QFileInfo(target).size(), 300 * ReadDiscJob::SectorBytes);
        QVERIFY(leftovers().isEmpty());

        // Less than announced, though the reader says nothing and ends well.
        playBack("readom/read-ok.txt", 0);
        ReadDiscJob shortRead(standInTool(), "1,0,0", target);
        run = runJob(shortRead);
        QCOMPARE(run.status, Job::Status::Failed);
        QVERIFY2(run.reason.contains("incomplete"), qPrintable(run.reason));
        QVERIFY(leftovers().isEmpty());

        qunsetenv("QUILLON_STANDIN_READ");
        playBack("readom/read-no-disc.txt", 255);
        ReadDiscJob empty(standInTool(), "1,0,0", target);
        run = runJob(empty);
        QCOMPARE(run.status, Job::Status::Failed);
        QVERIFY2(run.reason.contains("no readable disc"), qPrintable(run.reason));

        ReadDiscJob missing(m_dir.path() + "/no-such-reader", "1,0,0", target);
        QCOMPARE(runJob(missing).status, Job::Status::Failed);
        QCOMPARE(QFileInfo(target).size(), 300 * ReadDiscJob::SectorBytes);
    }

    void stopRemovesThePartialImage()
    {
        const QString target = m_dir.path() + "/stopped.iso";
        playBack("readom/read-ok.txt");
        qputenv("QUILLON_STANDIN_SECTORS", "100000");
        qputenv("QUILLON_STANDIN_DELAY_MS", "20");
        ReadDiscJob job(standInTool(), "1,0,0", target);
        QSignalSpy progress(&job, &Job::progress);
        job.start();
        QTRY_VERIFY_WITH_TIMEOUT(progress.size() > 2, 10000);
        QVERIFY(QFile::exists(job.partPath()));
        job.stop();
        QCOMPARE(job.status(), Job::Status::Stopped);
        QVERIFY(!QFile::exists(job.partPath()));
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_GUILESS_MAIN(TestDiscJobs)
#include "tst_discjobs.moc"
