#pragma once

#include "core/bootentry.h"

#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>

// The image builder (mkisofs, genisoimage): its command lines, what it prints
// while it writes an image, and how a finished run is judged.

namespace Tools {

enum class ImageType { Joliet = 0, Iso9660 = 1, Udf = 2 };
// allowLargeFiles: files of 4 GiB or more are accepted; only the image's UDF
// tree then holds their true size.
// An empty volumeLabel leaves the builder's default.
QStringList createImageArgs(ImageType type, const QString& output, const QString& sourceFolder,
    bool allowLargeFiles = false, const QString& volumeLabel = QString());
// One El Torito entry of an edited image, made again as the original had it.
struct BootImageArgs {
    BootEntry entry;
    bool infoTable = false; // the builder patches the table into the file (give it a copy)
    QString path; // the file's path inside the new image, "/" separated
};

struct SaveEditedOptions {
    QString volumeLabel; // empty: the builder's default
    QString catalogPath; // inside the new image; used with boot images only
    QList<BootImageArgs> bootImages;
    // Local files placed into the new image beside the source folder's
    // content: (path inside the image, local file).
    QList<QPair<QString, QString>> graftFiles;
    // Local files of the source folder left out (an old boot catalog, which
    // the new one replaces).
    QStringList excludedFiles;
    bool allowLargeFiles = false;
};
QStringList saveEditedArgs(const SaveEditedOptions& options, const QString& output, const QString& sourceFolder);

} // namespace Tools

namespace IsoBuild {

// The builder writes the image in 2048-byte extents.
constexpr qint64 ExtentBytes = 2048;

// Progress piece " 45.67% done, estimate finish Sun Dec  6 19:46:43 2026":
// the percentage in hundredths (4567), clamped to 0..10000. -1 when the piece
// carries no marker or starts with it; text before the marker that is not a
// number reads as 0.
int ProgressHundredths(const QString& piece);

// N from the closing line "N extents written (M MB)"; -1 when the piece is
// not that line.
qint64 ExtentsWritten(const QString& piece);

// Collects what one build run prints: the extent count of its closing line
// and the line that best explains a failure. Informational lines ("I: ..."),
// progress and statistics are never taken for errors.
class OutputLog {
public:
    void Feed(const QString& piece);
    void Clear() { *this = OutputLog(); }

    qint64 Extents() const { return m_extents; }
    // The builder's own error line ("genisoimage: ..."), else its last line
    // that is neither progress nor statistics; empty when there is none.
    QString ErrorLine() const;
    // Hundredths of the last progress piece, -1 before the first.
    int LastProgress() const { return m_progress; }

private:
    qint64 m_extents = -1;
    int m_progress = -1;
    QString m_toolError;
    QString m_lastMessage;
};

enum class Outcome {
    Succeeded,
    Stopped, // the user stopped the run
    NotStarted, // the builder could not be started
    Crashed, // the builder died from a signal
    ToolFailed, // it exited with a status other than 0
    NoReport, // status 0 but no "extents written" line
    OutputMissing, // no output file
    OutputSizeWrong, // output size differs from the reported extents
};

// Everything known about a run once it has ended.
struct RunFacts {
    bool stopped = false;
    bool failedToStart = false;
    QProcess::ExitStatus exitStatus = QProcess::NormalExit;
    int exitCode = -1;
    qint64 extents = -1;
    QString outputPath;
};

struct Verdict {
    Outcome outcome = Outcome::ToolFailed;
    qint64 expectedBytes = -1; // extents x 2048, -1 when not reported
    qint64 actualBytes = -1; // -1 when the output file is missing
    bool succeeded() const { return outcome == Outcome::Succeeded; }
};

// A run succeeds only when the builder ended by itself with status 0 and the
// output file holds exactly the extents it reported.
Verdict Judge(const RunFacts& facts);

} // namespace IsoBuild
