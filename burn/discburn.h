#pragma once

#include "burn/failurelog.h"
#include "core/job.h"

#include <QString>

// Percentage of a recorder progress piece: "Track 01:  120 of  650 MB written
// (fifo 100%) [buf  99%]   4.1x." gives 18. -1 for any other piece, and for
// one whose total is 0 or not a number.
int BurnProgressPercent(const QString& piece);

enum class RecorderFailure { None, NoDisc, UnsuitableMedium, WriteError };

// Why a recorder run failed, from the lines it printed (cdrskin and
// cdrecord/wodim word them differently).
FailureLog<RecorderFailure> RecorderLog();

// Writes an image to the disc in the recorder at `address` ("1,0,0").
// Progress 0..100 from the recorder's "written" pieces. Succeeds only when
// the recorder ends with status 0 and reported no failure.
class DiscBurnJob : public ToolJob
{
    Q_OBJECT
public:
    DiscBurnJob(const QString& address, const QString& image, QObject* parent = nullptr);

protected:
    void handlePiece(const QString& piece) override;
    QString judge(int exitCode, QProcess::ExitStatus status) override;

private:
    FailureLog<RecorderFailure> m_log = RecorderLog();
};
