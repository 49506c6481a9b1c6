#include "ui/jobprogress.h"

#include "ui/progressdialog.h"

#include <QTimer>

#include <climits>

JobProgress::JobProgress(CProgressDialog* dialog, QObject* parent)
    : QObject(parent)
    , m_dialog(dialog)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_job)
            show(m_value, m_maximum);
    });
}

void JobProgress::attach(Job* job)
{
    detach();
    m_job = job;
    m_stage.clear();
    m_value = 0;
    m_maximum = 0;
    m_shownMaximum = -1;
    m_clock.invalidate();
    connect(job, &Job::progress, this, &JobProgress::onProgress);
    connect(job, &Job::finished, this, &JobProgress::onFinished);
    connect(job, &QObject::destroyed, this, &JobProgress::detach);
    m_stopConnection = connect(m_dialog, &CProgressDialog::SigCancel, job, &Job::stop);
    m_dialog->SetText(QString());
    show(0, 0);
    m_dialog->show();
}

void JobProgress::detach()
{
    m_timer->stop();
    disconnect(m_stopConnection);
    if (m_job)
        disconnect(m_job, nullptr, this, nullptr);
    m_job = nullptr;
}

void JobProgress::onProgress(const QString& stage, qint64 value, qint64 maximum)
{
    if (stage != m_stage) {
        m_stage = stage;
        m_dialog->SetText(stage);
    }
    m_value = value;
    m_maximum = maximum;
    // A new stage or scale is shown at once; within one, at most one repaint
    // per interval, with the last value shown when the interval is over.
    if (maximum != m_shownMaximum || !m_clock.isValid() || m_clock.elapsed() >= IntervalMs) {
        m_timer->stop();
        show(value, maximum);
    } else if (!m_timer->isActive()) {
        m_timer->start(int(IntervalMs - m_clock.elapsed()));
    }
}

void JobProgress::show(qint64 value, qint64 maximum)
{
    // The bar counts in int: large byte counts are scaled down together.
    int shift = 0;
    while ((maximum >> shift) > INT_MAX)
        ++shift;
    const int top = int(qMax<qint64>(0, maximum >> shift));
    if (maximum != m_shownMaximum) {
        m_dialog->SetRange(0, top);
        m_shownMaximum = maximum;
    }
    m_dialog->SetValue(int(qBound<qint64>(0, value >> shift, top)));
    m_clock.start();
}

void JobProgress::onFinished()
{
    detach();
    m_dialog->hide();
}
