// The image build on the job layer: the builder's run with its private
// output folder, and the whole create pipeline over staged content.

#include "image/createimagejob.h"

#include "image/filecopy.h"
#include "image/isobuildjob.h"
#include "image/stagedcontent.h"

#include "runner/tools.h"
#include "testutil.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A stand-in builder: a shell script that gets the real arguments.
QString standIn(const QTemporaryDir& dir, const QString& name, const QByteArray& body)
{
    const QString path = dir.filePath(name);
    TestUtil::writeFile(path, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}

IsoBuildJob::Request request(const QString& output, const QString& program)
{
    IsoBuildJob::Request r;
    r.output = output;
    r.program = program;
    r.arguments = [](const QString& file) { return QStringList{QStringLiteral("-o"), file}; };
    return r;
}

// Nothing of a run is left beside the target but the target itself.
QStringList besideTarget(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList({QStringLiteral(".out.iso.*")}, QDir::AllEntries | QDir::Hidden);
}

} // namespace

class TestCreateImageJob : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A failing builder: its own words reach the reason, an older image of
    // that name stays, nothing is left behind.
    void builderFailsOrIsStopped()
    {
        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("out.iso"));
        QVERIFY(TestUtil::writeFile(output, "older image"));
        const QString failing = standIn(dir, QStringLiteral("fail.sh"),
                                        "echo 'genisoimage: No space left on device. Unable to write'; "
                                        "echo partial > \"$2\"; exit 1");
        IsoBuildJob job(request(output, failing));
        QVERIFY(TestUtil::finish(job, 10000));
        QCOMPARE(job.status(), Job::Status::Failed);
        QVERIFY2(job.reason().contains(QLatin1String("No space left on device")), qPrintable(job.reason()));
        QCOMPARE(TestUtil::readFile(output), QByteArray("older image"));
        QVERIFY(besideTarget(dir).isEmpty());

        // Stopped while writing: silent after stop(), no partial file.
        const QString slow = standIn(dir, QStringLiteral("slow.sh"), "echo partial > \"$2\"; exec sleep 30");
        IsoBuildJob stopped(request(output, slow));
        QSignalSpy stoppedSpy(&stopped, &Job::finished);
        stopped.start();
        QTRY_VERIFY(!besideTarget(dir).isEmpty()
                    && QFileInfo::exists(dir.filePath(besideTarget(dir).first() + QStringLiteral("/out.iso"))));
        stopped.stop();
        QCOMPARE(stoppedSpy.count(), 1);
        QCOMPARE(stopped.status(), Job::Status::Stopped);
        QVERIFY(besideTarget(dir).isEmpty());
        QCOMPARE(TestUtil::readFile(output), QByteArray("older image"));
        QTest::qWait(100);
        QCOMPARE(stoppedSpy.count(), 1);
    }

    // The pipeline over staged content with the real builder: copies waited
    // for, progress never backwards, the image in place; a failed check is
    // named by its step.
    void pipeline()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("src/Docs/a.txt"), "alpha"));
        QVERIFY(TestUtil::writeFile(dir.filePath("src/Docs/big.bin"), QByteArray(3 << 20, 'b')));
        StagedContent staged(QStringLiteral("create"));
        staged.addFolders(QString(), {dir.filePath("src/Docs")});

        CreateImageJob::Request r;
        r.output = dir.filePath(QStringLiteral("made.iso"));
        r.program = Tools::builderTool();
        CreateImageJob job(&staged, r);
        qint64 last = -1;
        bool backwards = false;
        QStringList stages;
        connect(&job, &Job::progress, this, [&](const QString& stage, qint64 value, qint64) {
            backwards = backwards || value < last;
            last = value;
            if (stages.isEmpty() || stages.last() != stage)
                stages << stage;
        });
        QVERIFY(TestUtil::finish(job, 60000));
        QCOMPARE(job.status(), Job::Status::Succeeded);
        QVERIFY(!backwards);
        QCOMPARE(last, JobSequence::Scale);
        QCOMPARE(stages.last(), QStringLiteral("Creating ISO file..."));
        QCOMPARE(TestUtil::xorrisoFind(r.output),
                 (QStringList{QStringLiteral("Docs"), QStringLiteral("Docs/a.txt"), QStringLiteral("Docs/big.bin")}));

        // A staged copy gone missing: the check fails, naming its step, and no builder runs.
        QVERIFY(QFile::remove(staged.stagedPath(QStringLiteral("Docs\\a.txt"))));
        r.output = dir.filePath(QStringLiteral("never.iso"));
        CreateImageJob broken(&staged, r);
        QVERIFY(TestUtil::finish(broken, 10000));
        QCOMPARE(broken.status(), Job::Status::Failed);
        QVERIFY(broken.reason().startsWith(QLatin1String("Copy files and folders...: ")));
        QVERIFY(broken.stepReason().contains(QDir::toNativeSeparators(dir.filePath("src/Docs/a.txt"))));
        QVERIFY(!QFileInfo::exists(r.output));
    }
};

QTEST_GUILESS_MAIN(TestCreateImageJob)
#include "tst_createimagejob.moc"
