#include "core/job.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

namespace {

ToolJob* shellJob(const QString& script, QObject* parent)
{
    auto* job = new ToolJob(parent);
    job->setCommand(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    job->setName(QStringLiteral("shell"));
    return job;
}

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) != 0;
}

} // namespace

class TestJob : public QObject
{
    Q_OBJECT
private slots:
    void toolVerdicts_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reasonPart");

        QTest::newRow("good") << "/bin/sh" << "echo hello" << int(Job::Status::Succeeded) << "";
        QTest::newRow("prints and fails") << "/bin/sh" << "echo 'write error'; exit 3"
                                          << int(Job::Status::Failed) << "exit status 3";
        QTest::newRow("cannot start") << "/nonexistent/tool" << "" << int(Job::Status::Failed)
                                      << "Could not start /nonexistent/tool";
        QTest::newRow("killed by signal") << "/bin/sh" << "kill -9 $$" << int(Job::Status::Failed)
                                          << "abnormally";
    }

    void toolVerdicts()
    {
        QFETCH(QString, program);
        QFETCH(QString, script);
        QFETCH(int, status);
        QFETCH(QString, reasonPart);

        ToolJob job;
        job.setCommand(program, {QStringLiteral("-c"), script});
        QStringList pieces;
        job.onPiece = [&](const QString& p) { pieces << p.trimmed(); };
        bool cleaned = false;
        job.cleanup = [&] { cleaned = true; };
        QSignalSpy done(&job, &Job::finished);
        job.start();
        QVERIFY(done.wait(10000));
        QTest::qWait(50);
        QCOMPARE(done.count(), 1);
        QCOMPARE(int(job.status()), status);
        QVERIFY2(job.reason().contains(reasonPart), qPrintable(job.reason()));
        QCOMPARE(cleaned, status != int(Job::Status::Succeeded));
        if (QTest::currentDataTag() == QByteArray("good"))
            QCOMPARE(pieces, QStringList{QStringLiteral("hello")});
    }

    void stopEndsChildAndIsSilent_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("plain") << "echo $$; exec sleep 30";
        QTest::newRow("ignores SIGTERM") << "trap '' TERM; echo $$; while :; do sleep 0.05; done";
    }

    void stopEndsChildAndIsSilent()
    {
        QFETCH(QString, script);
        QTemporaryDir dir;
        const QString partial = dir.filePath(QStringLiteral("partial.iso"));
        QVERIFY(QFile(partial).open(QIODevice::WriteOnly));

        ToolJob* job = shellJob(script, this);
        qint64 pid = 0;
        job->onPiece = [&](const QString& p) { pid = p.trimmed().toLongLong(); };
        job->cleanup = [&] { QFile::remove(partial); };
        QSignalSpy done(job, &Job::finished);
        job->start();
        QTRY_VERIFY_WITH_TIMEOUT(pid > 0, 5000);

        job->stop();
        QVERIFY(processGone(pid));
        QVERIFY(!QFile::exists(partial));
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(0).value<Job::Status>(), Job::Status::Stopped);
        QVERIFY(job->reason().isEmpty());
        QTest::qWait(300);
        QCOMPARE(done.count(), 1);
        delete job;
    }

    void sequenceFailureNamesStep()
    {
        JobSequence seq;
        bool thirdRan = false;
        seq.add(new StepJob([] { return QString(); }));
        auto* format = shellJob(QStringLiteral("echo 'mkfs: device busy'; exit 1"), nullptr);
        format->setName(QStringLiteral("Formatting"));
        seq.add(format, 3);
        seq.add(new StepJob([&] { thirdRan = true; return QString(); }));
        QSignalSpy done(&seq, &Job::finished);
        seq.start();
        QVERIFY(done.wait(10000));
        QCOMPARE(seq.status(), Job::Status::Failed);
        QVERIFY2(seq.reason().startsWith(QStringLiteral("Formatting: ")), qPrintable(seq.reason()));
        QVERIFY(!thirdRan);
        QTest::qWait(50);
        QCOMPARE(done.count(), 1);
    }

    void sequenceProgressNeverGoesBack()
    {
        // A tool whose own figures go back, between a step without figures.
        class Percent : public ToolJob
        {
        public:
            using ToolJob::ToolJob;
            void handlePiece(const QString& piece) override { setProgress(QStringLiteral("Copying"), piece.toInt(), 100); }
        };
        JobSequence seq;
        seq.add(new StepJob([] { return QString(); }), 1);
        auto* tool = new Percent;
        tool->setCommand(QStringLiteral("/bin/sh"),
                         {QStringLiteral("-c"), QStringLiteral("for i in 10 50 20 90; do echo $i; sleep 0.02; done")});
        seq.add(tool, 5);
        seq.add(new StepJob([] { return QString(); }), 2);
        QVector<qint64> values;
        connect(&seq, &Job::progress, this, [&](const QString&, qint64 v, qint64 m) {
            QCOMPARE(m, JobSequence::Scale);
            values << v;
        });
        QSignalSpy done(&seq, &Job::finished);
        seq.start();
        QVERIFY(done.wait(10000));
        QCOMPARE(seq.status(), Job::Status::Succeeded);
        QVERIFY(values.contains(1 * 1000 / 8 + 5 * 1000 * 50 / 100 / 8));
        QCOMPARE(values.last(), JobSequence::Scale);
        for (int i = 1; i < values.size(); ++i)
            QVERIFY2(values[i] >= values[i - 1], qPrintable(QString::number(i)));
    }

    void sequenceStopSkipsTheRest()
    {
        JobSequence seq;
        bool laterRan = false;
        qint64 pid = 0;
        auto* slow = shellJob(QStringLiteral("echo $$; exec sleep 30"), nullptr);
        slow->onPiece = [&](const QString& p) { pid = p.trimmed().toLongLong(); };
        slow->setName(QStringLiteral("Copying"));
        seq.add(slow);
        seq.add(new StepJob([&] { laterRan = true; return QString(); }));
        QSignalSpy done(&seq, &Job::finished);
        seq.start();
        QTRY_VERIFY_WITH_TIMEOUT(pid > 0, 5000);
        QCOMPARE(seq.stage(), QStringLiteral("Copying"));
        seq.stop();
        QVERIFY(processGone(pid));
        QCOMPARE(done.count(), 1);
        QCOMPARE(seq.status(), Job::Status::Stopped);
        QCOMPARE(slow->status(), Job::Status::Stopped);
        QTest::qWait(200);
        QVERIFY(!laterRan);
        QCOMPARE(done.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestJob)
#include "tst_job.moc"
