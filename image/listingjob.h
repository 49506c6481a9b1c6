#pragma once

#include "image/extractjob.h"
#include "image/isocontent.h"
#include "runner/sevenzip.h"
#include "runner/tooljob.h"

// One 7-Zip listing of an image into a reader (and so into its tree). The
// tree can be shown as soon as the table is complete (tableReady), before the
// tool has exited. The listing fails when the table never closed or 7-Zip read
// the file as another kind of archive, with a reason for the user.
class ListingJob : public ToolJob {
    Q_OBJECT
public:
    // `reader` must outlive the job; the job begins it with the image's name.
    ListingJob(ListingReader& reader, const QString& program, const QString& image, QObject* parent = nullptr);

    const ListingReader& reader() const { return m_reader; }
    const ArchiveToolLog& log() const { return m_log; }
    // A complete listing whose run still went wrong (7-Zip complained, or
    // ended with an error): some items may not extract.
    bool damaged() const { return m_damaged; }

signals:
    void tableReady();

protected:
    void doStart() override;
    void doStop() override;
    void handlePiece(const QString& piece) override;
    void lineEnded() override;
    QString judge(int exitCode, QProcess::ExitStatus status) override;
    void cleanUp() override;
    QString startFailure(const QString& error) const override;

private:
    ListingReader& m_reader;
    QString m_image;
    ArchiveToolLog m_log;
    bool m_damaged = false;
};
