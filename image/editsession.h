#pragma once

#include "core/tools.h"
#include "image/bootrebuild.h"
#include "image/contentcollector.h"
#include "image/editexport.h"
#include "image/isocontent.h"
#include "image/staging.h"
#include "runner/isobuilder.h"
#include "runner/sevenzip.h"
#include "runner/xorriso.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class CFileCopy;
class JobSequence;
class ListingJob;
class ToolJob;

// An image opened for editing: its listing (the model), its boot record, and
// a working folder of our own that holds its extracted content. Every change
// goes to both; the save job builds the new image from the working folder, so
// what the model shows is what the new image holds.
class EditSession : public QObject {
    Q_OBJECT
public:
    // One file operation on the working folder (CFileCopy's operations).
    struct Task {
        int operation = 0;
        QString source;
        QString target;
    };

    struct AddResult {
        QList<IsoEntry*> added;
        QStringList nameTaken; // file names of items the folder already has
        QStringList refused; // local paths that cannot be taken in
    };

    explicit EditSession(const ToolSet& tools, QObject* parent = nullptr);
    ~EditSession() override;

    // False when the working folder could not be made (see StagingArea).
    bool isValid() const { return m_area.isValid(); }
    const StagingArea& area() const { return m_area; }

    // Lists the image into the model; once the table is complete the whole
    // image is extracted into a fresh working folder. An image open before
    // is dropped with its work.
    void open(const QString& image);
    // Stops the listing and the extraction; the content stays as far as it came.
    void stopImageWork();
    // The image is left for good: its work stops, its changes and its
    // working folder go.
    void discard();
    // Feeds one piece of listing output as the listing job would.
    void feedListing(const QString& piece);

    QString imagePath() const { return m_imagePath; }
    QString workingFolder() const { return m_workingFolder; }
    // The working folder's copy of a model path.
    QString working(const QString& name) const;
    IsoContentTree& content() { return m_content; }
    const IsoContentTree& content() const { return m_content; }
    const ImageBootRecord& boot() const { return m_boot; }
    bool isListing() const;
    bool isExtracting() const;
    // The listing is complete: the model can be shown and changed.
    bool isReady() const { return m_ready; }
    int deferredCount() const { return m_deferred.size(); }
    CFileCopy* copier() const { return m_copy; }

    // While the extraction runs, the task waits; afterwards it goes, after
    // every task that waited, to the copy worker.
    void queueOrDefer(const Task& task);

    // --- Changes: the model and the working folder together ------------------------

    // What is wrong with `name` for an item of `folder` (`self` is the item
    // being renamed); empty when it can be used.
    QString nameProblem(const IsoEntry* folder, const QString& name, const IsoEntry* self) const;
    // Local files and folders into `folder`, under their own names.
    AddResult addItems(IsoEntry* folder, const QStringList& paths);
    // By value: callers pass an entry's own name, which the change alters.
    // The path by value: callers pass an entry's own name, which the change alters.
    bool removeEntry(QString path);
    bool renameEntry(QString path, const QString& newName);
    IsoEntry* newFolder(IsoEntry* folder, const QString& name);
    // Changes made since the image was opened or last saved.
    bool hasUnsavedChanges() const { return m_edits.size() != m_savedEdits; }
    // Finds an entry by the path the user types ("/boot/grub", "boot\\grub").
    IsoEntry* findPath(const QString& path) const;

    // --- Jobs ---------------------------------------------------------------------------

    // Which builder a save uses, why, and what of the original the new image
    // will lack (said before the save starts).
    struct SavePlan {
        bool xorriso = false;
        QString why;
        QStringList lost;
    };
    SavePlan savePlan() const;
    // "name" becomes "name.iso"; a name with that suffix in any case stays.
    static QString WithIsoSuffix(const QString& path);
    // Why the new image cannot be written there (a folder, inside the working
    // folder, the image being edited); empty when it can.
    QString saveTargetProblem(const QString& output) const;
    // Waits for the extraction and the queued changes, checks the working
    // folder against the model, then builds `output` with the original's
    // label and boot entries and checks them in the result.
    JobSequence* makeSaveJob(const QString& output, QObject* parent = nullptr);
    // Copies the named entries (model paths) into `folder`; what is there
    // already stays unless `existing` is Replace (see PlanExport).
    JobSequence* makeExportJob(const QStringList& names, const QString& folder, Existing existing = Existing::Replace,
        QObject* parent = nullptr);
    // Drops the export's queued copies (its Stop).
    void stopExport();

signals:
    void tableReady();
    // The listing ended; when it was not complete, the image is abandoned
    // and `reason` says why.
    void listingEnded(bool complete, const QString& reason);
    void extractionEnded(bool succeeded);

private:
    void onTableReady();
    void onTreeEnded();
    void becomeReady();
    void continueOpenWork();
    void finishOpenWork();
    void record(Tools::XorrisoEdit edit);
    QString checkSaved(const QString& file, bool xorriso) const;
    void onListingEnded();
    bool onlyLinksToRestore() const;
    void onExtractPiece(const QString& piece);
    void onExtractFinished();
    void abandon(const QString& reason);
    void flushDeferred();
    void addWaits(JobSequence* run);
    QString prepareSave();

    ToolSet m_tools;
    StagingArea m_area;
    int m_generation = 0;
    QString m_imagePath;
    QString m_workingFolder;
    IsoContentTree m_content;
    ListingReader m_reader {m_content};
    ImageBootRecord m_boot;
    bool m_ready = false;
    bool m_listingEndPending = false; // complete, announced once ready

    CFileCopy* m_copy = nullptr;
    CFileCopy* m_exportCopy = nullptr; // Stop drops only the export's tasks
    QList<Task> m_deferred;
    QPointer<ListingJob> m_listJob;
    QPointer<ToolJob> m_extractJob;
    ArchiveToolLog m_extractLog;
    int m_extractProgress = 0;
    QString m_extractFailure; // why the working folder is not the whole image
    Tools::SaveEditedOptions m_saveOptions; // what the save step found for the builder

    // The Rock Ridge tree, read by xorriso beside 7-Zip's listing.
    QPointer<ToolJob> m_treeJob;
    Xorriso::RockRidgeTree m_tree;
    QPointer<ToolJob> m_zisofsJob;
    bool m_tableDone = false;
    bool m_openWork = false; // extraction and its repairs are under way
    bool m_namesMatch = false; // 7-Zip's names are the Rock Ridge names
    QList<QPair<QString, QString>> m_linksToRestore; // model name at open, target
    QStringList m_zisofsToRestore; // image paths
    bool m_hybrid = false;
    bool m_udf = false;
    Xorriso::SystemArea m_systemArea;
    QList<Tools::XorrisoEdit> m_edits;
    int m_savedEdits = 0;
    bool m_saveWithXorriso = false;
    ExportPlan m_export; // of the export under way
    QStringList m_exportFailures;
};
