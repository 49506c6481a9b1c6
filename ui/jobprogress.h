#pragma once

#include "core/job.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class CProgressDialog;
class QTimer;

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
    // starting hides the dialog again.
    void attach(Job* job);
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
};
