#pragma once

#include "core/job.h"
#include "runner/isobuilder.h"

#include <QPointer>

using ImageType = Tools::ImageType;

class CFileCopy;
class IsoBuildJob;
class QTimer;
class StagedContent;

// Waits until a copy worker has done every queued task, showing the bytes
// done. The worker signals each task's end and its idleness; the timer only
// refreshes the figure while one large file is being copied.
class CopyWaitJob : public Job {
    Q_OBJECT
public:
    explicit CopyWaitJob(CFileCopy* copier, QObject* parent = nullptr);

protected:
    void doStart() override;
    void doStop() override;

private:
    void report();

    QPointer<CFileCopy> m_copier;
    QTimer* m_refresh;
    qint64 m_initial = 0;
};

// What the create page does on "Create ISO": wait for the staging copies,
// check the staged tree, run the builder over it into the chosen file.
class CreateImageJob : public JobSequence {
    Q_OBJECT
public:
    struct Request {
        Tools::ImageType type = Tools::ImageType::Joliet;
        QString output;
        bool allowLargeFiles = false;
        QString label; // volume label; empty: the builder's default
        QString program; // the builder
    };

    CreateImageJob(StagedContent* staged, const Request& request, QObject* parent = nullptr);

    IsoBuildJob* builder() const { return m_builder; }
    bool building() const;
    // The reason of the step that failed, without the step's name (the page
    // shows it as the whole message).
    QString stepReason() const;

private:
    IsoBuildJob* m_builder;
};
