#pragma once

#include <QList>
#include <QString>

class IsoContentTree;
struct IsoEntry;

// Turns local files and folders the user chose into entries of a content
// model, with every item below an added folder. Items that cannot go into an
// image are left out and named, never silently dropped.
class ContentCollector {
public:
    enum class Reason {
        Backslash, // a backslash in the name (the model's separator)
        Unreadable, // a folder that cannot be listed would arrive empty
        Loop, // a linked folder leading back to a folder that holds it
        WorkingFolder, // the program's own staging folders would copy into themselves
        NameTaken, // another item already has that name at that place
    };
    struct Skipped {
        QString path; // local path, as chosen or found
        Reason reason;
    };

    // Folders below `excludedRoot` (the staging root) are never taken in.
    ContentCollector(IsoContentTree& tree, const QString& excludedRoot);

    // Adds a file as `prefix` + its name ("" is the root, else "Docs\\").
    // Null when it was not added; a file already there with the same source
    // is not added again and not reported either.
    IsoEntry* addFile(const QString& prefix, const QString& path);
    // Adds a folder under its own name with everything below it, hidden items
    // included (they are content: ".disk", ".htaccess"); sockets, pipes and
    // broken links are not files and stay out.
    IsoEntry* addFolder(const QString& prefix, const QString& path);

    const QList<Skipped>& skipped() const { return m_skipped; }

private:
    bool refuseFolder(const QString& path, const QString& canonical, const QStringList& ancestors);
    IsoEntry* insert(const QString& name, const QString& path, bool isDir);
    void fill(IsoEntry* folder, QStringList& ancestors);

    IsoContentTree& m_tree;
    QString m_excludedRoot; // canonical, empty when there is none
    QList<Skipped> m_skipped;
};
