// The runner under every tool: pieces of output, exit, stop and the log; and
// the job layer on top of it: verdicts, stop, and jobs run in sequence.
#include "core/tools.h"
#include "core/util.h"
#include "runner/outputsplitter.h"
#include "runner/runcommandthread.h"
#include "runner/sevenzip.h"
#include "runner/tooljob.h"

#include "testutil.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>
#include <signal.h>

namespace {

ToolJob* shellJob(const QString& script, QObject* parent)
{
    auto* job = new ToolJob(parent);
    job->setCommand(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    job->setName(QStringLiteral("shell"));
    return job;
}

// An orphaned grandchild that was killed stays a zombie until init reaps it.
bool processGone(qint64 pid)
{
    if (::kill(pid_t(pid), 0) != 0)
        return true;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = stat.readAll();
    return text.mid(text.lastIndexOf(')') + 2, 1) == "Z";
}

} // namespace

class TestRunner : public QObject {
    Q_OBJECT

private:
    // Runs a shell snippet through the runner and returns its pieces.
    static QStringList piecesOf(const QString& script, CRunCommandThread* runner = nullptr)
    {
        CRunCommandThread local;
        CRunCommandThread& r = runner ? *runner : local;
        QStringList pieces;
        QObject::connect(&r, &CRunCommandThread::standoutputline, [&](const QString& p) { pieces << p; });
        QSignalSpy finished(&r, &CRunCommandThread::sigfinished);
        r.setCommand(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
        r.start();
        r.waitUntilFinished();
        if (finished.isEmpty())
            finished.wait(5000);
        [&] {
            QCOMPARE(finished.count(), 1);
        }();
        return pieces;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void pieceBoundaries_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("CR LF") << "printf 'abc\\r\\n'" << QStringList {"abc"};
        QTest::newRow("lone LF keeps it") << "printf 'abc\\n'" << QStringList {"abc\n"};
        QTest::newRow("CR rewritten progress")
            << "printf '10%%\\r20%%\\r30%%\\r\\n'" << QStringList {"10%", "20%", "30%"};
        QTest::newRow("blank only") << "printf '\\n  \\n\\r\\n\\t\\n'" << QStringList {};
        QTest::newRow("stderr only") << "printf 'oops\\n' >&2" << QStringList {"oops\n"};
        QTest::newRow("blanks kept inside a piece") << "printf '  x  \\r'" << QStringList {"  x  "};
        QTest::newRow("backspace runs")
            << "printf ' 16%% 1 - a\\b\\b\\b\\b\\b\\b\\b\\b\\b         \\b\\b\\b\\b\\b\\b\\b\\b\\b 40%% 2 - b\\b\\b\\b'"
            << QStringList {" 16% 1 - a", " 40% 2 - b"};
        QTest::newRow("no final line end") << "printf 'tail'" << QStringList {"tail"};
    }

    void pieceBoundaries()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, expected);
        QCOMPARE(piecesOf(script), expected);
    }

    void longLineComesInBoundedPieces()
    {
        OutputSplitter splitter;
        QStringList out;
        splitter.feed(QByteArray(5000, 'x') + '\n', out);
        QCOMPARE(out.size(), 3);
        QCOMPARE(out[0].size(), OutputSplitter::MaxPiece);
        QCOMPARE(out.join(QString()).size(), 5001);
    }

    // A pause cuts a line; re-joined, its pieces must give the line whole,
    // trailing blanks included (a name may end in them).
    void pausedLineRejoinsWhole_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("line");
        QTest::newRow("CR LF after blanks") << QByteArray("name") << QByteArray("  \r\n") << "name  ";
        QTest::newRow("LF after blanks") << QByteArray("name") << QByteArray("  \n") << "name  \n";
        QTest::newRow("CR LF alone") << QByteArray("name  ") << QByteArray("\r\n") << "name  ";
        QTest::newRow("blanks inside") << QByteArray("a ") << QByteArray(" b\r\n") << "a  b";
    }

    void pausedLineRejoinsWhole()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QString, line);
        OutputSplitter splitter;
        QStringList out;
        QVector<bool> ends;
        splitter.feed(before, out, &ends);
        splitter.flush(out, false, &ends);
        splitter.feed(after, out, &ends);
        splitter.flush(out, true, &ends);
        QCOMPARE(out.join(QString()), line);
        QCOMPARE(ends.count(true), 1);
        QVERIFY(ends.last());
    }

    void childSeesDecimalPoint()
    {
        const QStringList pieces = piecesOf(QStringLiteral("echo $LC_NUMERIC; locale charmap"));
        QCOMPARE(pieces.value(0), QStringLiteral("C\n"));
        QCOMPARE(pieces.value(1), QStringLiteral("UTF-8\n"));
    }

    // The worker waits in blocking slices: a child that closes its output
    // and works on must be waited for, not polled in a busy loop, and its
    // end still noticed.
    void childThatClosesItsOutputIsWaitedForQuietly()
    {
        CRunCommandThread runner;
        const std::clock_t before = std::clock();
        const QStringList pieces = piecesOf(QStringLiteral("echo first; exec >&- 2>&-; sleep 0.6; exit 4"), &runner);
        const double cpuSeconds = double(std::clock() - before) / CLOCKS_PER_SEC;
        QCOMPARE(pieces, QStringList {"first\n"});
        QCOMPARE(runner.exitCode(), 4);
        QVERIFY2(cpuSeconds < 0.3, qPrintable(QString::number(cpuSeconds)));
    }

    void startFailureEndsTheWait()
    {
        QTemporaryDir dir;
        const QString notExecutable = dir.filePath(QStringLiteral("tool"));
        QVERIFY(TestUtil::writeFile(notExecutable, "#!/bin/sh\necho hi\n"));
        for (const QString& program : {dir.filePath(QStringLiteral("missing/7z")), notExecutable}) {
            CRunCommandThread runner;
            QSignalSpy failed(&runner, &CRunCommandThread::sigstartfailed);
            QSignalSpy finished(&runner, &CRunCommandThread::sigfinished);
            QSignalSpy lines(&runner, &CRunCommandThread::standoutputline);
            runner.setCommand(program, {});
            runner.start();
            QElapsedTimer timer;
            timer.start();
            runner.waitUntilFinished();
            QVERIFY(timer.elapsed() < 5000);
            QVERIFY(runner.failedToStart());
            QTRY_COMPARE(failed.count(), 1);
            QCOMPARE(finished.count(), 0);
            QCOMPARE(lines.count(), 0);
        }
    }

    void terminateEndsChildAndSilencesRunner()
    {
        QTemporaryDir dir;
        const QString pidFile = dir.filePath(QStringLiteral("pid"));
        CRunCommandThread runner;
        QSignalSpy finished(&runner, &CRunCommandThread::sigfinished);
        QSignalSpy lines(&runner, &CRunCommandThread::standoutputline);
        // Ignores SIGTERM, so only the kill after the grace period ends it.
        runner.setCommand("/bin/sh",
            {"-c", QString("trap '' TERM; echo $$ > %1; while :; do echo tick; sleep 0.05; done").arg(pidFile)});
        runner.start();
        QTRY_VERIFY(lines.count() > 2);
        QElapsedTimer timer;
        timer.start();
        runner.terminate();
        QVERIFY(timer.elapsed() < 100);
        const int seen = lines.count();
        QVERIFY(runner.wait(CProcess::KillGraceMs + 3000));
        QTest::qWait(100);
        QCOMPARE(finished.count(), 0);
        QVERIFY(lines.count() <= seen + 2); // only what was queued before terminate
        const qint64 pid = TestUtil::readFile(pidFile).trimmed().toLongLong();
        QVERIFY(pid > 0);
        QVERIFY(!QFile::exists(QStringLiteral("/proc/%1").arg(pid)));
    }

    void sevenZipProgressArrivesPieceByPiece()
    {
        QTemporaryDir dir;
        // Big enough for several progress updates (7-Zip prints about five a
        // second) even on a fast, idle disk.
        for (int i = 0; i < 8; ++i)
            QVERIFY(TestUtil::makeSparseFile(dir.filePath(QStringLiteral("src/sources/f%1.bin").arg(i)), 150 << 20));
        const QString image = dir.filePath(QStringLiteral("big.iso"));
        QVERIFY(TestUtil::makeIso(dir.filePath(QStringLiteral("src")), image));

        CRunCommandThread runner;
        QStringList pieces;
        connect(&runner, &CRunCommandThread::standoutputline, [&](const QString& p) { pieces << p; });
        runner.setCommand(Tools::archiveTool(), Tools::extractAllArgs(dir.filePath(QStringLiteral("out")), image));
        runner.start();
        runner.waitUntilFinished();
        QTRY_VERIFY(runner.isFinished());
        QVERIFY2(runner.succeeded(), qPrintable(pieces.join(QString())));
        // Every progress update is a clean piece of its own.
        const QRegularExpression progress(QStringLiteral("^ *\\d+%( \\d+( - \\S.*)?)?$"));
        int progressPieces = 0;
        for (const QString& piece : pieces) {
            QVERIFY2(!piece.contains(QLatin1Char('\b')), qPrintable(piece));
            if (piece.contains(QLatin1Char('%'))) {
                QVERIFY2(progress.match(piece).hasMatch(), qPrintable(piece));
                if (piece.contains(QLatin1String(" - ")))
                    ++progressPieces;
            }
        }
        QVERIFY(progressPieces >= 1);
        QVERIFY(pieces.join(QString()).contains(QLatin1String("Everything is Ok")));
    }

    void logRecordsCommandThenPieces()
    {
        const QString configDat = Util::GetDataPath() + QStringLiteral("/config.dat");
        const QString log = Util::GetDataPath() + QStringLiteral("/log.txt");
        QFile::remove(log);
        QVERIFY(TestUtil::writeFile(configDat, QByteArray()));
        piecesOf(QStringLiteral("echo first; echo second"));
        QFile::remove(configDat);
        const QStringList lines = QString::fromUtf8(TestUtil::readFile(log)).split(QLatin1Char('\n'));
        QVERIFY(lines.size() >= 3);
        QVERIFY2(lines[0].endsWith(QLatin1String("/bin/sh -c echo first; echo second ")), qPrintable(lines[0]));
        QVERIFY(lines[1].endsWith(QLatin1String(" first")));
        QVERIFY(lines.join(QLatin1Char('\n')).contains(QLatin1String(" second")));
    }

    void toolVerdicts_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reasonPart");

        QTest::newRow("good") << "/bin/sh"
                              << "echo hello" << int(Job::Status::Succeeded) << "";
        QTest::newRow("prints and fails")
            << "/bin/sh"
            << "echo 'write error'; exit 3" << int(Job::Status::Failed) << "exit status 3";
        QTest::newRow("cannot start") << "/nonexistent/tool"
                                      << "" << int(Job::Status::Failed) << "Could not start /nonexistent/tool";
        QTest::newRow("killed by signal") << "/bin/sh"
                                          << "kill -9 $$" << int(Job::Status::Failed) << "abnormally";
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
        job.onPiece = [&](const QString& p) {
            pieces << p.trimmed();
        };
        bool cleaned = false;
        job.cleanup = [&] {
            cleaned = true;
        };
        QSignalSpy done(&job, &Job::finished);
        job.start();
        QVERIFY(done.wait(10000));
        QTest::qWait(50);
        QCOMPARE(done.count(), 1);
        QCOMPARE(int(job.status()), status);
        QVERIFY2(job.reason().contains(reasonPart), qPrintable(job.reason()));
        QCOMPARE(cleaned, status != int(Job::Status::Succeeded));
        if (QTest::currentDataTag() == QByteArray("good"))
            QCOMPARE(pieces, QStringList {QStringLiteral("hello")});
    }

    void stopEndsChildAndIsSilent_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("plain") << "echo $$; exec sleep 30";
        QTest::newRow("ignores SIGTERM") << "trap '' TERM; echo $$; while :; do sleep 0.05; done";
        QTest::newRow("the tool's own child") << "sleep 30 & echo $!; wait";
        QTest::newRow("a child that ignores SIGTERM")
            << "sh -c 'trap \"\" TERM; echo $$; while :; do sleep 0.05; done' & wait";
    }

    void stopEndsChildAndIsSilent()
    {
        QFETCH(QString, script);
        QTemporaryDir dir;
        const QString partial = dir.filePath(QStringLiteral("partial.iso"));
        QVERIFY(QFile(partial).open(QIODevice::WriteOnly));

        ToolJob* job = shellJob(script, this);
        qint64 pid = 0;
        job->onPiece = [&](const QString& p) {
            pid = p.trimmed().toLongLong();
        };
        job->cleanup = [&] {
            QFile::remove(partial);
        };
        QSignalSpy done(job, &Job::finished);
        job->start();
        QTRY_VERIFY_WITH_TIMEOUT(pid > 0, 5000);
        QVERIFY(Job::AnyRunning());

        job->stop();
        QVERIFY(!Job::AnyRunning()); // closing the window would ask in vain
        // The tool itself is gone at once; its own children have been sent
        // SIGKILL and vanish a moment later.
        QTRY_VERIFY_WITH_TIMEOUT(processGone(pid), 2000);
        QVERIFY(!QFile::exists(partial));
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(0).value<Job::Status>(), Job::Status::Stopped);
        QVERIFY(job->reason().isEmpty());
        QTest::qWait(300);
        QCOMPARE(done.count(), 1);
        delete job;
    }

    // A tool that hangs past its limit is a failure with the given reason,
    // ended and cleaned up as by Stop; one that ends in time is judged as usual.
    void timeLimitEndsAHungTool()
    {
        ToolJob* job = shellJob("echo $$; exec sleep 30", this);
        qint64 pid = 0;
        job->onPiece = [&](const QString& p) {
            pid = p.trimmed().toLongLong();
        };
        bool cleaned = false;
        job->cleanup = [&] {
            cleaned = true;
        };
        job->setTimeLimit(300, "The tool did not answer.");
        QSignalSpy done(job, &Job::finished);
        job->start();
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 5000);
        QCOMPARE(job->status(), Job::Status::Failed);
        QCOMPARE(job->reason(), QString("The tool did not answer."));
        QVERIFY(job->timedOut() && cleaned);
        QVERIFY(processGone(pid));

        job->setCommand("/bin/sh", {"-c", "exit 0"});
        QVERIFY(TestUtil::finish(*job));
        QCOMPARE(job->status(), Job::Status::Succeeded);
        QVERIFY(!job->timedOut());
        QTest::qWait(400); // the limit of the first run is gone with it
        QCOMPARE(job->status(), Job::Status::Succeeded);
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
        seq.add(new StepJob([&] {
            thirdRan = true;
            return QString();
        }));
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
        class Percent : public ToolJob {
        public:
            using ToolJob::ToolJob;
            void handlePiece(const QString& piece) override
            {
                setProgress(QStringLiteral("Copying"), piece.toInt(), 100);
            }
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
        slow->onPiece = [&](const QString& p) {
            pid = p.trimmed().toLongLong();
        };
        slow->setName(QStringLiteral("Copying"));
        seq.add(slow);
        seq.add(new StepJob([&] {
            laterRan = true;
            return QString();
        }));
        QSignalSpy done(&seq, &Job::finished);
        seq.start();
        QTRY_VERIFY_WITH_TIMEOUT(pid > 0, 5000);
        QCOMPARE(seq.stage(), QStringLiteral("Copying"));
        seq.stop();
        QVERIFY(processGone(pid));
        QVERIFY(!Job::AnyRunning());
        QCOMPARE(done.count(), 1);
        QCOMPARE(seq.status(), Job::Status::Stopped);
        QCOMPARE(slow->status(), Job::Status::Stopped);
        QTest::qWait(200);
        QVERIFY(!laterRan);
        QCOMPARE(done.count(), 1);
    }

    // Last: after closing, no runner may start a child.
    void terminateAllEndsEveryChildEvenWhileStarting()
    {
        CRunCommandThread running, starting;
        running.setCommand(QStringLiteral("/bin/sleep"), {QStringLiteral("30")});
        running.start();
        QTest::qWait(200);
        // No wait: this child may be between fork and registration.
        starting.setCommand(QStringLiteral("/bin/sleep"), {QStringLiteral("31")});
        starting.start();
        QElapsedTimer timer;
        timer.start();
        CRunCommandThread::terminateAll(1000);
        QVERIFY(timer.elapsed() < 3000);
        QVERIFY(running.wait(3000) && starting.wait(3000));
        QVERIFY(!running.succeeded() && !starting.succeeded());
        QVERIFY(TestUtil::run(QStringLiteral("pgrep"), {QStringLiteral("-f"), QStringLiteral("^/bin/sleep 3[01]$")})
                    .output.isEmpty());

        CRunCommandThread late;
        QSignalSpy failed(&late, &CRunCommandThread::sigstartfailed);
        late.setCommand(QStringLiteral("/bin/sleep"), {QStringLiteral("1")});
        late.start();
        late.waitUntilFinished();
        QCOMPARE(failed.count(), 1);
    }
};

QTEST_MAIN(TestRunner)
#include "tst_runner.moc"
