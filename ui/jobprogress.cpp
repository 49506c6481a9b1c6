#include "ui/jobprogress.h"

#include "ui/progressdialog.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimer>

#include <climits>

void RateEstimate::reset()
{
    *this = RateEstimate();
}

void RateEstimate::add(qint64 msecs, qint64 bytesDone)
{
    m_done = bytesDone;
    if (m_firstMs < 0) {
        m_firstMs = m_lastMs = msecs;
        m_lastBytes = bytesDone;
        return;
    }
    const qint64 span = msecs - m_lastMs;
    if (span < SampleMs)
        return;
    const double sample = double(qMax<qint64>(0, bytesDone - m_lastBytes)) * 1000.0 / double(span);
    m_lastMs = msecs;
    m_lastBytes = bytesDone;
    if (msecs - m_firstMs < MinMs) {
        m_speed = 0;
        return;
    }
    // The first estimate is the mean since the start; then each sample
    // counts for a quarter.
    m_speed = m_speed <= 0 ? double(bytesDone) * 1000.0 / double(qMax<qint64>(1, msecs - m_firstMs))
                           : 0.75 * m_speed + 0.25 * sample;
}

qint64 RateEstimate::secondsLeft(qint64 total) const
{
    if (m_speed <= 0 || total <= 0)
        return -1;
    return qint64(double(qMax<qint64>(0, total - m_done)) / m_speed + 0.5);
}

QString RateEstimate::DurationText(qint64 seconds)
{
    if (seconds < 60)
        return QCoreApplication::translate("JobProgress", "%1 s").arg(seconds);
    if (seconds < 3600)
        return QCoreApplication::translate("JobProgress", "%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    return QCoreApplication::translate("JobProgress", "%1 h %2 min").arg(seconds / 3600).arg(seconds % 3600 / 60);
}

QString RateEstimate::SizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QString RateEstimate::Text(double bytesPerSecond, qint64 secondsLeft)
{
    QStringList parts;
    if (bytesPerSecond > 0)
        parts << QCoreApplication::translate("JobProgress", "%1/s").arg(SizeText(qint64(bytesPerSecond)));
    if (secondsLeft >= 0)
        parts << QCoreApplication::translate("JobProgress", "%1 left").arg(DurationText(secondsLeft));
    return parts.join(QStringLiteral(", "));
}

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

void JobProgress::attach(Job* job, qint64 totalBytes)
{
    detach();
    m_job = job;
    m_totalBytes = totalBytes;
    m_stageDone = m_stageTotal = 0;
    m_rate.reset();
    m_started.start();
    m_dialog->SetDetail(QString());
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
    if (m_totalBytes > 0 && maximum > 0) {
        const qint64 done = qint64(double(m_totalBytes) * double(qBound<qint64>(0, value, maximum)) / double(maximum));
        m_rate.add(m_started.elapsed(), done);
        m_dialog->SetDetail(RateEstimate::Text(m_rate.speed(), m_rate.secondsLeft(m_totalBytes)));
    }
}

void JobProgress::showBytes(qint64 done, qint64 total)
{
    if (total <= 0) {
        if (m_stageTotal > 0)
            m_dialog->SetDetail(QString());
        m_stageTotal = 0;
        return;
    }
    if (total != m_stageTotal || done < m_stageDone) {
        m_rate.reset();
        m_started.start();
        m_stageTotal = total;
    }
    m_stageDone = done;
    m_rate.add(m_started.elapsed(), done);
    const QString moved = tr("%1 of %2").arg(RateEstimate::SizeText(done), RateEstimate::SizeText(total));
    const QString rate = RateEstimate::Text(m_rate.speed(), m_rate.secondsLeft(total));
    m_dialog->SetDetail(rate.isEmpty() ? moved : moved + QStringLiteral(", ") + rate);
}

void JobProgress::onFinished()
{
    detach();
    m_dialog->hide();
}
