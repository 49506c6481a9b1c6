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
    // A steady 10 MB/s with one stalled sample: the estimate moves, but not
    // to nothing; before 1.5 s and for an unknown total nothing is claimed.
    void rateIsSmoothed()
    {
        RateEstimate rate;
        const qint64 total = 100'000'000;
        rate.add(0, 0);
        rate.add(1000, 10'000'000);
        QCOMPARE(rate.speed(), 0.0);
        QCOMPARE(rate.secondsLeft(total), qint64(-1));
        rate.add(2000, 20'000'000);
        QCOMPARE(rate.speed(), 1e7);
        QCOMPARE(rate.secondsLeft(total), qint64(8));
        rate.add(2100, 90'000'000); // too soon after the last sample: no new speed
        QCOMPARE(rate.speed(), 1e7);
        rate.add(3000, 20'000'000); // a stall of one second
        QVERIFY(rate.speed() > 5e6 && rate.speed() < 1e7);
        QCOMPARE(rate.secondsLeft(0), qint64(-1));
        QCOMPARE(RateEstimate::Text(0, -1), QString());
        QCOMPARE(RateEstimate::DurationText(59), QStringLiteral("59 s"));
        QCOMPARE(RateEstimate::DurationText(80), QStringLiteral("1 min 20 s"));
        QCOMPARE(RateEstimate::DurationText(3 * 3600 + 120), QStringLiteral("3 h 2 min"));
        QVERIFY(RateEstimate::Text(2.5e6, 80).endsWith(QStringLiteral("/s, 1 min 20 s left")));
    }

    // A job that knows its bytes shows speed and time left below the bar.
    void speedAndTimeLeftForBytes()
    {
        CProgressDialog dialog;
        JobProgress binding(&dialog);
        HandJob job;
        binding.attach(&job, 1'000'000'000);
        job.start();
        QCOMPARE(dialog.DetailLabel()->text(), QString());
        for (int i = 1; i <= 5; ++i) {
            QTest::qWait(RateEstimate::SampleMs + 20);
            job.report(QStringLiteral("Copying"), i, 1000);
        }
        QTRY_VERIFY(dialog.DetailLabel()->text().contains(QStringLiteral("left")));
        job.end(true);

        // Stages with bytes of their own (written, then read back): each
        // estimated afresh; a stage without bytes clears the line.
        HandJob staged;
        binding.attach(&staged);
        staged.start();
        const qint64 image = 400'000'000;
        binding.showBytes(image / 4, image);
        QCOMPARE(dialog.DetailLabel()->text(), QStringLiteral("95.4 MB of 381.5 MB"));
        for (int i = 1; i <= 4; ++i) {
            QTest::qWait(RateEstimate::SampleMs + 20);
            binding.showBytes(image / 4 + i * 10'000'000, image);
        }
        QVERIFY2(
            dialog.DetailLabel()->text().contains(QStringLiteral("/s, ")), qPrintable(dialog.DetailLabel()->text()));
        binding.showBytes(1'000'000, image); // the read-back begins
        QCOMPARE(dialog.DetailLabel()->text(), QStringLiteral("976.6 kB of 381.5 MB"));
        binding.showBytes(0, 0);
        QCOMPARE(dialog.DetailLabel()->text(), QString());
        staged.end(true);

        HandJob unsized; // no byte count: no figures
        binding.attach(&unsized);
        unsized.start();
        QTest::qWait(RateEstimate::MinMs + 100);
        unsized.report(QStringLiteral("Copying"), 500, 1000);
        QCOMPARE(dialog.DetailLabel()->text(), QString());
    }

    // A long path is shortened in the middle, at a character, with all of it
    // in the tool tip; a short one is shown as it is.
    void longPathElidedInTheMiddle()
    {
        CProgressDialog dialog;
        const QString path =
            QStringLiteral("Extracting sources/") + QString(200, QLatin1Char('x')) + QStringLiteral("/install.wim");
        dialog.SetText(path);
        const QString shown = dialog.Label()->text();
        QVERIFY(shown.startsWith(QStringLiteral("Extracting sources/")));
        QVERIFY(shown.endsWith(QStringLiteral("install.wim")));
        QVERIFY(shown.contains(QChar(0x2026)));
        QVERIFY(dialog.Label()->fontMetrics().horizontalAdvance(shown) <= dialog.Label()->width());
        QCOMPARE(dialog.Label()->toolTip(), path);
        QCOMPARE(dialog.FullText(), path);
        dialog.SetText(QStringLiteral("Copying"));
        QCOMPARE(dialog.Label()->text(), QStringLiteral("Copying"));
        QVERIFY(dialog.Label()->toolTip().isEmpty());
    }

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
