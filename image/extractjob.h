#pragma once

#include "core/job.h"
#include "core/tools.h"
#include "image/isocontent.h"
#include "image/rockridgescan.h"
#include "runner/sevenzip.h"
#include "runner/tooljob.h"
#include "runner/xorriso.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPair>
#include <QPointer>
#include <QSet>
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
    // Filled by the job, not by MoveUp: what the image holds but could not be
    // delivered as it is (links that could not be made, zisofs files that
    // could not be unpacked), one reason a line naming them; and the folders
    // that arrived without such items, which do not count as extracted.
    QStringList refused;
    QStringList incomplete;
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

// The sizes of a listed image's files for ExtractJob::Request::expectedSize;
// `content` must outlive the job.
std::function<qint64(const QString&)> ExpectedSizes(const IsoContentTree& content);

// --- Verdict ----------------------------------------------------------------------

struct ExtractVerdict {
    bool ok = false;
    QString reason; // the tool's words, or what our check found; empty when ok
};

// A run succeeded when the tool ended by itself with status 0, said
// "Everything is Ok", reported no error, every ticked item arrived and nothing
// was refused. `repaired` are errors of the log about what the job restored
// afterwards (7-Zip refuses links with ".." and says so): when they are all
// there was, the tool's exit status and missing confirmation are excused.
ExtractVerdict JudgeExtraction(bool exitedNormally, int exitCode, const ArchiveToolLog& log, const MoveUpResult& placed,
    const QStringList& repaired = QStringList());

// --- The job ----------------------------------------------------------------------

// An image's Rock Ridge tree as read once and shared by the listing and the extraction.
using SharedRockRidgeTree = std::shared_ptr<const Xorriso::RockRidgeTree>;

// The progress dialog's text for a piece: the item being extracted, or the
// last moves once 7-Zip is done.
QString ExtractStageText(const ExtractProgress& progress);

// One extraction of ticked items of an image, in steps: staging folder,
// 7-Zip run (progress: percent of 100, the item as stage text), then, where
// the image's Rock Ridge tree holds symbolic links or zisofs files (a cheap
// scan of its directory records says so; xorriso reads the tree), the ticked
// links made again with their Rock Ridge targets and the zisofs files taken
// out decompressed by xorriso and checked against their Rock Ridge size; no
// link may point into our working folder. Then the move-up, cleanup and
// verdict: what could not be restored is refused, named in the reason and
// not counted as extracted. A request that cannot begin (nothing selected,
// the output folder missing or not writable) fails at once, within start().
// Stop keeps what was extracted so far, never in place of the user's files
// and never a file still compressed, and removes the staging folder.
class ExtractJob : public Job {
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
        // Reads the Rock Ridge tree and unpacks zisofs files; without it an
        // image that has links or zisofs files is extracted as 7-Zip sees it,
        // its compressed files refused, and the run fails saying why.
        QString xorriso = Tools::xorrisoTool();
        // The tree as the listing read it (ImageListingJob); when null the job
        // reads it itself, if the scan finds links or zisofs files.
        SharedRockRidgeTree rockRidge = nullptr;
    };

    explicit ExtractJob(const Request& request, QObject* parent = nullptr);
    ~ExtractJob() override;

    const MoveUpResult& placed() const { return m_placed; }
    const Request& request() const { return m_request; }
    // The items passed to the tool (without duplicates).
    QList<ExtractItem> items() const { return m_items; }
    QString stagingFolder() const { return m_staging; }
    // 7-Zip's command line.
    QString program() const { return m_request.program; }
    QStringList arguments() const { return m_arguments; }
    // Whether the last run read (or was given) a Rock Ridge tree: the scan
    // found links or zisofs files.
    bool readRockRidge() const { return m_haveTree || m_treeRead; }
    // The first line of a message about the run: how many items arrived.
    QString summary() const;
    // Entries of at most this many characters in all go on the command line,
    // more through a list file.
    static constexpr qsizetype MaxCommandLineEntries = 16000;

protected:
    void doStart() override;
    void doStop() override;

private:
    // Gives folders write access for their owner while it lives, and their own
    // modes back afterwards: 7-Zip gives folders the Rock Ridge modes, and a
    // read-only one would refuse the link or unpacked file that belongs in it.
    class WritableFolders {
    public:
        ~WritableFolders()
        {
            for (auto it = m_modes.constBegin(); it != m_modes.constEnd(); ++it)
                QFile::setPermissions(it.key(), it.value());
        }
        void add(const QString& folder)
        {
            if (m_modes.contains(folder))
                return;
            const QFileInfo info(folder);
            const QFileDevice::Permissions mode = info.permissions();
            if (!info.isDir() || info.isSymLink() || (mode & QFileDevice::WriteOwner))
                return;
            m_modes.insert(folder, mode);
            QFile::setPermissions(
                folder, mode | QFileDevice::WriteOwner | QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }

    private:
        QHash<QString, QFileDevice::Permissions> m_modes;
    };

    void startSevenZip();
    void onSevenZipEnded();
    void startRockRidge();
    void onTreeEnded();
    void onTreeKnown();
    // The ticked links and zisofs files of the tree, and 7-Zip's errors about those links.
    void learnLinks();
    void learnZisofs();
    void startZisofs();
    // What needs no tool, also after Stop: zisofs files checked, links made,
    // files still compressed and links into our working folder taken out.
    void repairInPlace();
    void checkStaging(bool zisofs, bool links);
    void refuse(const QString& imagePath, QStringList& list);
    // Moves the items up and ends the job with the verdict (not after Stop).
    void place(bool stopped);
    // Names the refused items in the result; they and the folders holding them do not count.
    void countRefusals();
    void stopStep();
    // The step that has just ended, now forgotten; null when it is not the current one.
    ToolJob* takeStep(ToolJob* ended);
    // The ticked items as image paths ("/a/b").
    QSet<QString> selectedPaths() const;
    void removeStaging();
    // How the user's files are treated by a run that is complete or not.
    Existing keepingFor(bool complete) const;
    // Removes, from the staging folder, files whose size is not the size in the image.
    void dropCutOffFiles();
    // Whether 7-Zip's run is complete, its link errors excused (see JudgeExtraction).
    bool sevenZipComplete() const;

    Request m_request;
    std::unique_ptr<class QTemporaryFile> m_listFile;
    QList<ExtractItem> m_items;
    QStringList m_arguments;
    QString m_staging;
    ArchiveToolLog m_log;
    MoveUpResult m_placed;
    QPointer<ToolJob> m_step; // the tool that runs now
    bool m_sevenZipNormal = false;
    int m_sevenZipExit = -1;

    // Rock Ridge
    RockRidgeScan m_scan;
    bool m_scanned = false;
    Xorriso::RockRidgeTree m_tree;
    bool m_haveTree = false;
    bool m_treeRead = false;
    bool m_cutOffDone = false;
    std::unique_ptr<WritableFolders> m_writable;
    QString m_treeProblem;
    QList<QPair<QString, QString>> m_links; // image path ("/a/b"), Rock Ridge target
    QList<QPair<QString, qint64>> m_zisofs; // image path, decompressed size
    QString m_zisofsProblem;
    QStringList m_repaired; // 7-Zip's errors about the links made again
    QSet<QString> m_refusedPaths; // image paths
    QStringList m_refusedLinks;
    QStringList m_refusedZisofs;
    QStringList m_refusedIntoWorking;
};
