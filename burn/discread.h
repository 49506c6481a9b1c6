#pragma once

#include "runner/discreader.h"
#include "runner/tooljob.h"

#include <QString>

// The image file a copy writes: ".iso" added when the name has no extension
// (a folder stays as it is, to be refused).
QString DiscImagePath(const QString& typed);
// Why the image cannot be written there (a folder, a missing or read-only
// folder), or an empty text.
QString CheckDiscImageTarget(const QString& path);

// Reads the disc in the recorder at `address` into `target`. The reader
// writes a file of its own beside the target, which replaces the target only
// when the reader ended well and the file holds every sector it announced;
// a stop or a failure removes it and leaves the target as it was. Progress
// is (sector, sectors).
class ReadDiscJob : public ToolJob {
    Q_OBJECT
public:
    static constexpr qint64 SectorBytes = 2048;

    ReadDiscJob(const QString& reader, const QString& address, const QString& target, QObject* parent = nullptr);

    QString target() const { return m_target; }
    // The file the reader writes; empty before the start.
    QString partPath() const { return m_part; }
    qint64 sectors() const { return m_sectors; }

protected:
    void doStart() override;
    void handlePiece(const QString& piece) override;
    QString judge(int exitCode, QProcess::ExitStatus status) override;
    void cleanUp() override;

private:
    QString m_reader;
    QString m_address;
    QString m_target;
    QString m_part;
    qint64 m_sectors = -1;
    FailureLog<ReaderFailure> m_log = ReaderLog();
};
