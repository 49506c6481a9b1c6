#pragma once

#include "image/contentcollector.h"
#include "image/isocontent.h"
#include "image/staging.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class CFileCopy;

// The content a page gathers for a new image, and its copy on disk: every
// entry of the model is copied by a background worker into the page's own
// staging folder at the entry's path, so the image builder can take that
// folder as it is. Adding and removing return at once; the copies follow.
//
//     StagedContent staged(QStringLiteral("create"));
//     auto added = staged.addFolders(QString(), {"/home/me/Docs"});
//     ...                                  // rows from added.entries
//     staged.remove(QStringLiteral("Docs\\old.txt"));
//     // once staged.copier() is idle (signal CFileCopy::sigIdle):
//     QStringList missing = staged.verify();   // empty: ready to build
//
// Not thread-safe: use it from the thread that made it.
class StagedContent : public QObject {
    Q_OBJECT
public:
    // Makes a new staging folder of this process below `root`; `kind` names
    // the page ("create", "edit").
    explicit StagedContent(
        const QString& kind, QObject* parent = nullptr, const QString& root = StagingArea::DefaultRoot());
    // Stops the worker after its current task and removes the staging folder.
    ~StagedContent() override;

    struct Added {
        QList<IsoEntry*> entries; // the new top-level entries, in the order chosen
        QList<ContentCollector::Skipped> skipped;
    };

    // False when the staging folder could not be made (nothing can be added).
    bool isValid() const;
    QString folder() const { return m_area.path(); }
    QString root() const { return m_area.root(); }
    // Where an entry's copy lives.
    QString stagedPath(const QString& name) const;
    const IsoContentTree& content() const { return m_content; }
    CFileCopy* copier() const { return m_copy; }

    // Adds files or folders (with everything below them) into the folder
    // `prefix` of the model ("" for the root, else "Docs\\"), and queues
    // their copies.
    Added addFiles(const QString& prefix, const QStringList& paths);
    Added addFolders(const QString& prefix, const QStringList& paths);
    // Removes an entry with its subtree; its queued copies are cancelled and
    // the staged copy deleted. False when there is no such entry.
    bool remove(const QString& name);

    // Call when the worker is idle. Makes every folder, gives folders their
    // source's date and checks each staged file against its source; returns
    // the local paths of files missing or wrong (unreadable, disk full).
    QStringList verify() const;
    // The page is left for good: queued copies go, and so does the folder.
    void discard();

    // Removes the staging folders of ended runs below `root` (at start-up).
    static void RemoveStaleFolders(const QString& root = StagingArea::DefaultRoot());
    // Removes every staging folder of this process (on a quick exit, where
    // no page is destroyed).
    static void RemoveOwnFolders(const QString& root = StagingArea::DefaultRoot());

private:
    Added add(const QString& prefix, const QStringList& paths, bool folders);
    void stage(const IsoEntry& entry);
    void forget(const IsoEntry& entry, bool cancelQueued);

    StagingArea m_area;
    IsoContentTree m_content;
    CFileCopy* m_copy;
    // How many entries stand for each local file: a queued copy is cancelled
    // only when no other entry needs a task with the same source.
    QHash<QString, int> m_sourceRefs;
};
