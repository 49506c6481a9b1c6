#pragma once

#include "runner/sevenzip.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

// One file or folder of an image (or, for the create and edit pages, a local
// item that will become one). Entries inside an IsoContentTree never move:
// views keep plain pointers to them until they are removed.
struct IsoEntry {
    IsoEntry() = default;
    IsoEntry(const IsoEntry& other); // copies the whole subtree
    IsoEntry& operator=(const IsoEntry& other);
    IsoEntry(IsoEntry&& other) noexcept;
    IsoEntry& operator=(IsoEntry&& other) noexcept;
    ~IsoEntry();

    QString name; // full path inside the image, backslash-separated
    QString localPath; // file on disk this entry stands for, if any
    QString sizeText; // decimal bytes as listed; empty for folders
    QString dateText; // "yyyy-MM-dd hh:mm:ss" as listed
    bool isDir = true;
    qint32 reserved = 0;
    // A symbolic link's target as the Rock Ridge tree records it; empty for
    // everything else.
    QString linkTarget;

    // Direct children in insertion (listing) order.
    int childCount() const { return int(m_children.size()); }
    IsoEntry* child(int i) const { return m_children[size_t(i)].get(); }
    int indexOf(const IsoEntry* child) const;
    IsoEntry* parent() const { return m_parent; }
    // Child whose full name equals `fullName`, found through the name index.
    IsoEntry* findChild(QStringView fullName) const;
    // Size in bytes from sizeText (0 when empty or not a number).
    quint64 size() const;

private:
    friend class IsoContentTree;
    IsoEntry* appendChild(std::unique_ptr<IsoEntry> child);
    void removeChildAt(int index);
    void indexChild(quint32 index);
    void rebuildIndex();

    IsoEntry* m_parent = nullptr;
    std::vector<std::unique_ptr<IsoEntry>> m_children;
    // Open-addressing hash of child positions (value = position + 1), built
    // once a folder has more than a handful of children.
    std::vector<quint32> m_index;
};

// The content of one image: a tree of entries named by full paths.
class IsoContentTree {
public:
    IsoContentTree();

    QString label; // top tree item text: the image's file name
    IsoEntry root; // name empty, isDir true

    // Destroys every entry; label empty.
    void Reset();
    // Inserts a copy of `entry` where its name says, creating missing folders.
    // "/" counts as "\"; empty and "." components are dropped. False when the
    // name is empty, names a ".." component (it could point outside the
    // image) or the path is already there (the existing entry stays).
    bool AddEntry(const IsoEntry& entry);
    bool AddEntry(IsoEntry&& entry);
    // Like AddEntry, but returns the inserted entry (null when refused).
    IsoEntry* Insert(IsoEntry entry);
    // Entry with exactly this full path, or null (an empty path gives null).
    IsoEntry* FindEntry(const QString& path) const;
    // Removes the entry with that path and its subtree; false if none.
    bool RemoveEntry(const QString& path);
    // Gives the entry a new last name component; everything below follows.
    // The entry keeps its place and address. False when there is no such
    // entry, the name is empty, ".", "..", holds a separator, or a sibling
    // already has it.
    bool RenameEntry(const QString& path, const QString& newName);
    // Sum of the on-disk sizes of every file's localPath below `folder`
    // (the root by default); entries without a localPath count 0.
    qint64 LocalFilesSize(const IsoEntry* folder = nullptr) const;
    // Number of entries below the root.
    int EntryCount() const { return m_count; }

    // The name in canonical form (backslashes, no empty or "." parts); empty
    // when it cannot be accepted (empty, or a ".." component).
    static QString NormalizeName(const QString& name);

private:
    IsoEntry* addNormalized(IsoEntry&& entry);
    QString intern(const QString& text);

    int m_count = 0;
    // Date and size texts repeat a lot in a listing: share one copy each.
    QHash<QString, QString> m_texts;
};

// A path or name of the model as the user and the file system see it.
QString DisplayName(const QString& name);

// Path functions on backslash paths.
QString LastPathComponent(const QString& path);
QString ParentPath(const QString& path);
QString ReplaceLastComponent(const QString& path, const QString& newName);

// The model's entry for one row of the archive tool's listing.
IsoEntry EntryFromListing(ListingRow&& row);

// Drives the parser with the output pieces of one listing run: the table
// between the two separator lines goes into the tree. Pieces are joined until
// the line feed, however they were cut. Only an archive the tool names an ISO or UDF image ("Type = Iso")
// is read; any other is refused at the start of its table. The owner tells it
// when the run has ended, so a listing that never closes is noticed.
class ListingReader {
public:
    enum Event { Ignored, TableStarted, EntryAdded, EntrySkipped, TableFinished, Refused };

    explicit ListingReader(IsoContentTree& tree)
        : m_tree(tree)
    {
    }

    // Resets the tree, sets its label and waits for the table.
    void Begin(const QString& label);
    Event Feed(const QString& piece) { return Feed(piece, piece.endsWith(QLatin1Char('\n'))); }
    // `endsLine`: the piece ends its line (the runner says so); other pieces
    // are joined to the next one.
    Event Feed(const QString& piece, bool endsLine);
    // The run has ended (finished, failed to start or stopped). Leaves the
    // listing state; returns true only when the closing separator was seen.
    bool EndOfRun();

    // 7-Zip lists El Torito boot images as "[BOOT]/..." files without a date;
    // they are no content of the image's tree. When set, such lines are
    // counted as skipped and their names kept.
    void SetSkipBootImages(bool skip) { m_skipBootImages = skip; }
    QStringList BootImageNames() const { return m_bootImages; }

    bool InListing() const { return m_inListing; }
    bool Complete() const { return m_complete; }
    // The table belonged to an archive of another kind (see ArchiveType).
    bool WasRefused() const { return m_refused; }
    // What the tool called the archive ("Iso", "Udf", "zip"); empty if it did not say.
    QString ArchiveType() const { return m_type; }
    int AddedCount() const { return m_added; }
    int SkippedCount() const { return m_skipped; }

    // A line longer than this is dropped (counted as skipped), not kept growing.
    static constexpr int MaxLine = 1 << 20;

private:
    Event readLine(const QString& line);

    IsoContentTree& m_tree;
    QString m_pending; // a line cut into several pieces
    QString m_type;
    bool m_overlong = false; // the pending line passed MaxLine: dropped up to its end
    bool m_inListing = false;
    bool m_complete = false;
    bool m_refused = false;
    int m_added = 0;
    int m_skipped = 0;
    bool m_skipBootImages = false;
    QStringList m_bootImages;
};
