#pragma once

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// One unit of work the user can follow and stop: a tool run, an in-process
// step, or a sequence of them. A job reports progress as (stage text, value,
// maximum) and ends exactly once with finished(). Jobs never open dialogs;
// questions go through the caller before the job starts.
class Job : public QObject {
    Q_OBJECT
public:
    enum class Status { Idle, Running, Succeeded, Failed, Stopped };
    Q_ENUM(Status)

    explicit Job(QObject* parent = nullptr);
    ~Job() override;

    // Starts the job. finished() may come before start() returns (a check that
    // fails at once), but always after the caller could connect to it.
    void start();
    // Ends the job now: the child is gone and the job's own cleanup is done
    // when stop() returns. finished(Stopped) is emitted from within stop(),
    // and nothing at all afterwards. No effect on a job that is not running.
    void stop();

    Status status() const { return m_status; }
    bool isRunning() const { return m_status == Status::Running; }
    // The reason of a failure, in the user's words; empty otherwise.
    QString reason() const { return m_reason; }
    QString stage() const { return m_stage; }
    // A short name for the step, used by sequences in their reasons.
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    // Whether any job of this program runs now (closing the program asks first).
    static bool AnyRunning();
    // Stops every running job as its Stop would, outermost first, so each
    // cleans up after itself.
    static void StopAll();

signals:
    void progress(QString stage, qint64 value, qint64 maximum);
    void finished(Job::Status status, QString reason);

protected:
    virtual void doStart() = 0;
    // Must end the work synchronously (child gone, own cleanup done).
    virtual void doStop() { }

    void setProgress(const QString& stage, qint64 value, qint64 maximum);
    // Each ends the job once; later calls, and calls after stop(), are ignored.
    void succeed();
    void fail(const QString& reason);

private:
    void finish(Status status, const QString& reason);

    Status m_status = Status::Idle;
    QString m_reason;
    QString m_stage;
    QString m_name;
};

// An in-process step of a pipeline: `work` runs on the calling thread and
// returns the reason of a failure, or an empty string. For longer work the
// step can be asynchronous: `begin` gets a done-callback to call once.
class StepJob : public Job {
    Q_OBJECT
public:
    using Done = std::function<void(const QString& reason)>;
    explicit StepJob(std::function<QString()> work, QObject* parent = nullptr);
    StepJob(std::function<void(Done)> begin, std::function<void()> abort, QObject* parent = nullptr);

protected:
    void doStart() override;
    void doStop() override;

private:
    std::function<QString()> m_work;
    std::function<void(Done)> m_begin;
    std::function<void()> m_abort;
    quint64 m_generation = 0;
};

// Jobs run one after the other with weights, shown as one progress 0..1000
// with the current step's stage text. A failed step ends the sequence with
// the step's name in the reason; stop() ends the current step and skips the
// rest. The sequence owns its steps.
class JobSequence : public Job {
    Q_OBJECT
public:
    static constexpr qint64 Scale = 1000;

    explicit JobSequence(QObject* parent = nullptr);

    // Appends a step; weight is its share of the progress bar (any scale).
    Job* add(Job* job, int weight = 1);
    Job* current() const;
    int count() const { return int(m_steps.size()); }

protected:
    void doStart() override;
    void doStop() override;

private:
    struct Step {
        Job* job;
        int weight;
    };
    void runNext();
    void onStepProgress(const QString& stage, qint64 value, qint64 maximum);
    void onStepFinished(Job::Status status, const QString& reason);

    std::vector<Step> m_steps;
    int m_index = -1;
    qint64 m_totalWeight = 0;
    qint64 m_doneWeight = 0;
    qint64 m_lastValue = 0;
};
