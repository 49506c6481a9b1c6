#pragma once

#include "runner/recorder.h"
#include "runner/tooljob.h"

#include <QString>

// Writes an image to the disc in the recorder at `address` ("1,0,0").
// Progress 0..100 from the recorder's "written" pieces. Succeeds only when
// the recorder ends with status 0 and reported no failure.
class DiscBurnJob : public ToolJob {
    Q_OBJECT
public:
    DiscBurnJob(const QString& recorder, const QString& address, const QString& image, QObject* parent = nullptr);

protected:
    void handlePiece(const QString& piece) override;
    QString judge(int exitCode, QProcess::ExitStatus status) override;

private:
    FailureLog<RecorderFailure> m_log = RecorderLog();
};

// Opens the tray of the recorder at `address`; the job deletes itself when done.
Job* StartEjectJob(const QString& recorder, const QString& address, QObject* parent);
