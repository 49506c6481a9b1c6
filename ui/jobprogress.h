#pragma once

#include "core/job.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class CProgressDialog;
class QTimer;

// Speed and time left from (time, bytes done) samples: the speed is an
// exponential average over samples at least SampleMs apart, so one stall or
// burst does not swing the estimate; nothing is estimated before MinMs.
class RateEstimate {
public:
    static constexpr qint64 SampleMs = 500;
    static constexpr qint64 MinMs = 1500;

    void reset();
    void add(qint64 msecs, qint64 bytesDone);
    // Bytes per second; 0 while unknown.
    double speed() const { return m_speed; }
    // Seconds left for `total` bytes; -1 while unknown.
    qint64 secondsLeft(qint64 total) const;

    // "12.5 MB/s, 1 min 20 s left" (either part may be missing).
    static QString Text(double bytesPerSecond, qint64 secondsLeft);
    static QString SizeText(qint64 bytes); // "12.5 MB"
    static QString DurationText(qint64 seconds);

private:
    qint64 m_firstMs = -1;
    qint64 m_lastMs = -1;
    qint64 m_lastBytes = 0;
    qint64 m_done = 0;
    double m_speed = 0;
};

// Shows one job (a tool run, a step or a sequence) in a page's progress
// dialog: the job's stage as the dialog text, its value at most once per
// interval (a tool may print hundreds of progress lines a second), Stop
// calling job->stop(), and the dialog hidden when the job ends. The binding
// opens no message of its own; the page shows the result on finished().
//
//     m_binding = new JobProgress(m_progress, this);
//     m_binding->attach(job);   // shows the dialog
class JobProgress : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 100;

    explicit JobProgress(CProgressDialog* dialog, QObject* parent = nullptr);

    // Follows `job` from now on (and lets go of any earlier one) and shows the
    // dialog at value 0. Call before job->start(): a job that ends while
    // starting hides the dialog again. With the bytes the whole job moves,
    // the dialog also shows the speed and the time left.
    void attach(Job* job, qint64 totalBytes = 0);
    // For a job that learns its size on the way (sectors of a disc).
    void setTotalBytes(qint64 totalBytes) { m_totalBytes = totalBytes; }
    // For a job whose stages each move bytes of their own (a burn writes the
    // image, then reads it back): "1.2 GB of 3.9 GB" with speed and time
    // left below the bar. A new total, or fewer bytes than before, starts a
    // new estimate; a total of 0 (a stage that moves none) clears the line.
    void showBytes(qint64 done, qint64 total);
    // Lets go of the job without hiding the dialog or stopping the job.
    void detach();
    Job* job() const { return m_job; }
    CProgressDialog* dialog() const { return m_dialog; }

private:
    void onProgress(const QString& stage, qint64 value, qint64 maximum);
    void onFinished();
    void show(qint64 value, qint64 maximum);

    CProgressDialog* m_dialog;
    QPointer<Job> m_job;
    QMetaObject::Connection m_stopConnection;
    QTimer* m_timer;
    QElapsedTimer m_clock;
    QString m_stage;
    qint64 m_value = 0;
    qint64 m_maximum = 0;
    qint64 m_shownMaximum = -1;
    qint64 m_totalBytes = 0;
    qint64 m_stageDone = 0; // showBytes()
    qint64 m_stageTotal = 0;
    QElapsedTimer m_started;
    RateEstimate m_rate;
};
