#pragma once

#include "image/isocontent.h"
#include "runner/sevenzip.h"
#include "runner/tooljob.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

// --- Placing the extracted items ---------------------------------------------------

// One ticked file or folder: where it is in the image and the name it gets in
// the output folder.
struct ExtractItem {
    QString path; // in the model's form ("boot\bcd")
    QString name; // as the file system shows it ("bcd")

    static ExtractItem Of(const IsoEntry& entry);
    bool operator==(const ExtractItem& o) const { return path == o.path && name == o.name; }
};

// What becomes of a file of the user's where an extracted one goes.
enum class Existing {
    Replace, // the user agreed, and the run is complete
    KeepChosen, // the user chose to keep theirs: not a failure
    KeepUnsure, // the run is incomplete: its data may be cut off
};

// The tool extracts into a staging folder of our own inside the output folder;
// afterwards each ticked item is moved up into the output folder and the
// staging folder is removed. Nothing that was in the output folder before is
// removed.
struct MoveUpResult {
    QStringList delivered; // names now in the output folder from this run
    QStringList missing; // names the tool did not produce
    QStringList kept; // names where the user chose to keep their files
    QStringList conflicts; // names kept as the user had them without being asked to
    QStringList failures; // names that could not be moved
};

// Moves staging/<path> to output/<name> for every item. A folder that already
// exists there is merged into; an existing file, or a symbolic link of any
// kind (the link itself), is replaced only with Existing::Replace, otherwise
// the user's file stays. An item of the other
// kind (file vs. folder) is never replaced, nor the file `keep` (the image
// being read).
MoveUpResult MoveUp(const QString& staging, const QList<ExtractItem>& items, const QString& outputFolder,
    Existing existing, const QString& keep = QString());

// The files in the output folder that extracting `items` would replace (paths
// relative to it, "/"-separated, in listing order); at most `limit` of them
// when limit is positive.
QStringList FilesToReplace(const QList<const IsoEntry*>& items, const QString& outputFolder, int limit = 0);

// --- Verdict ----------------------------------------------------------------------

struct ExtractVerdict {
    bool ok = false;
    QString reason; // the tool's words, or what our check found; empty when ok
};

// A run succeeded when the tool ended by itself with status 0, said
// "Everything is Ok", reported no error, and every ticked item arrived.
ExtractVerdict JudgeExtraction(
    bool exitedNormally, int exitCode, const ArchiveToolLog& log, const MoveUpResult& placed);

// --- The job ----------------------------------------------------------------------

// The progress dialog's text for a piece: the item being extracted, or the
// last moves once 7-Zip is done.
QString ExtractStageText(const ExtractProgress& progress);

// One extraction of ticked items of an image: staging folder, 7-Zip run,
// progress (percent of 100, the item as stage text), move-up, cleanup and
// verdict. A request that cannot begin (nothing selected, the output folder
// missing or not writable) fails at once, within start(). Stop keeps what was
// extracted so far, never in place of the user's files, and removes the
// staging folder.
class ExtractJob : public ToolJob {
    Q_OBJECT
public:
    struct Request {
        QString image;
        QString outputFolder;
        QList<ExtractItem> items; // duplicates are dropped
        Existing existing = Existing::Replace; // KeepUnsure is implied for an incomplete run
        // Size of a file by its path in the image ("boot/bcd"), -1 when unknown.
        // After a stopped or failed run, files of another size are cut off and
        // are not placed in the output folder.
        std::function<qint64(const QString&)> expectedSize;
        QString program; // 7-Zip
    };

    explicit ExtractJob(const Request& request, QObject* parent = nullptr);
    ~ExtractJob() override;

    const MoveUpResult& placed() const { return m_placed; }
    const Request& request() const { return m_request; }
    // The items passed to the tool (without duplicates).
    QList<ExtractItem> items() const { return m_items; }
    QString stagingFolder() const { return m_staging; }
    // Entries of at most this many characters in all go on the command line,
    // more through a list file.
    static constexpr qsizetype MaxCommandLineEntries = 16000;

protected:
    void doStart() override;
    void handlePiece(const QString& piece) override;
    QString judge(int exitCode, QProcess::ExitStatus status) override;
    void cleanUp() override;
    QString startFailure(const QString& error) const override;

private:
    void removeStaging();
    // How the user's files are treated by a run that is complete or not.
    Existing keepingFor(bool complete) const;
    // Removes, from the staging folder, files whose size is not the size in the image.
    void dropCutOffFiles();

    Request m_request;
    std::unique_ptr<class QTemporaryFile> m_listFile;
    QList<ExtractItem> m_items;
    QString m_staging;
    ArchiveToolLog m_log;
    MoveUpResult m_placed;
};
