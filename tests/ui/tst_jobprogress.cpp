// The binding between a job and the progress dialog every page shows.

#include "ui/jobprogress.h"
#include "ui/progressdialog.h"

#include "uitestutil.h"

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A job the test drives by hand.
class HandJob : public Job {
public:
    using Job::Job;
    void report(const QString& stage, qint64 value, qint64 maximum) { setProgress(stage, value, maximum); }
    void end(bool good) { good ? succeed() : fail(QStringLiteral("broken")); }
    int stops = 0;

protected:
    void doStart() override { }
    void doStop() override { ++stops; }
};

} // namespace

class TestJobProgress : public QObject {
    Q_OBJECT
private slots:
    void showsStageAndThrottlesValues()
    {
        CProgressDialog dialog;
        JobProgress binding(&dialog);
        HandJob job;
        binding.attach(&job);
        job.start();
        QVERIFY(dialog.isVisible());

        job.report(QStringLiteral("Copying"), 10, 100);
        QCOMPARE(dialog.Label()->text(), QStringLiteral("Copying"));
        QCOMPARE(dialog.ProgressBar()->value(), 10);
        // Within the interval only the last value reaches the bar, once it is over.
        for (int v = 11; v <= 60; ++v)
            job.report(QStringLiteral("Copying"), v, 100);
        QCOMPARE(dialog.ProgressBar()->value(), 10);
        QTRY_COMPARE_WITH_TIMEOUT(dialog.ProgressBar()->value(), 60, 1000);

        // A new stage with its own scale shows at once; byte counts beyond int fit the bar.
        const qint64 big = Q_INT64_C(6) * 1024 * 1024 * 1024;
        job.report(QStringLiteral("Writing"), big / 2, big);
        QCOMPARE(dialog.Label()->text(), QStringLiteral("Writing"));
        QCOMPARE(dialog.ProgressBar()->format(), QStringLiteral("50%"));

        job.end(false);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(binding.job(), nullptr);
    }

    void stopButtonStopsTheJobOnly()
    {
        CProgressDialog dialog;
        JobProgress binding(&dialog);
        HandJob first;
        binding.attach(&first);
        first.start();
        first.end(true);
        QVERIFY(!dialog.isVisible());

        HandJob second;
        binding.attach(&second);
        second.start();
        QSignalSpy finished(&second, &Job::finished);
        clickButton(&dialog, "btncancel");
        QCOMPARE(second.stops, 1);
        QCOMPARE(first.stops, 0);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().value<Job::Status>(), Job::Status::Stopped);
        QVERIFY(!dialog.isVisible());
    }

    void forgetsADeletedJob()
    {
        CProgressDialog dialog;
        JobProgress binding(&dialog);
        auto* job = new HandJob;
        binding.attach(job);
        delete job;
        QCOMPARE(binding.job(), nullptr);
        clickButton(&dialog, "btncancel"); // nothing left to stop
    }
};

QTEST_MAIN(TestJobProgress)
#include "tst_jobprogress.moc"
