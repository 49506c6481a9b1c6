#include "image/stagedcontent.h"

#include "image/filecopy.h"
#include "image/fileutils.h"
#include "platform/fastcopy.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

StagedContent::StagedContent(const QString& kind, QObject* parent, const QString& root)
    : QObject(parent)
    , m_area(kind, root)
    , m_copy(new CFileCopy(this))
{
}

StagedContent::~StagedContent()
{
    m_copy->Clear();
    m_copy->Stop();
    m_copy->wait();
    if (m_area.isValid())
        RemoveFolderTree(m_area.path());
}

bool StagedContent::isValid() const
{
    return m_area.isValid() && QDir().mkpath(m_area.path());
}

QString StagedContent::stagedPath(const QString& name) const
{
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return m_area.path() + QLatin1Char('/') + relative;
}

StagedContent::Added StagedContent::addFiles(const QString& prefix, const QStringList& paths)
{
    return add(prefix, paths, false);
}

StagedContent::Added StagedContent::addFolders(const QString& prefix, const QStringList& paths)
{
    return add(prefix, paths, true);
}

StagedContent::Added StagedContent::add(const QString& prefix, const QStringList& paths, bool folders)
{
    Added added;
    if (!isValid())
        return added;
    ContentCollector collector(m_content, m_area.root());
    for (const QString& path : paths) {
        IsoEntry* entry = folders ? collector.addFolder(prefix, path) : collector.addFile(prefix, path);
        if (!entry)
            continue;
        added.entries << entry;
        stage(*entry);
    }
    added.skipped = collector.skipped();
    return added;
}

void StagedContent::stage(const IsoEntry& entry)
{
    // One task per file: the staged tree holds exactly what the model shows,
    // and a file that cannot be copied is named as such.
    if (entry.isDir) {
        for (int i = 0; i < entry.childCount(); ++i)
            stage(*entry.child(i));
        return;
    }
    ++m_sourceRefs[entry.localPath];
    m_copy->AddTask(entry.localPath, stagedPath(entry.name), CFileCopy::Copy);
}

void StagedContent::forget(const IsoEntry& entry, bool cancelQueued)
{
    if (entry.isDir) {
        for (int i = 0; i < entry.childCount(); ++i)
            forget(*entry.child(i), cancelQueued);
        return;
    }
    auto it = m_sourceRefs.find(entry.localPath);
    if (it == m_sourceRefs.end())
        return;
    // With one entry per source, the first queued task of that source is this
    // entry's own copy; otherwise it might be another entry's, and the delete
    // task that follows cleans up after the copy anyway.
    if (cancelQueued && it.value() == 1)
        m_copy->RemoveTask(entry.localPath);
    if (--it.value() <= 0)
        m_sourceRefs.erase(it);
}

bool StagedContent::remove(const QString& name)
{
    const IsoEntry* entry = m_content.FindEntry(name);
    if (!entry)
        return false;
    forget(*entry, true);
    // Runs after any copy of this content that is under way.
    m_copy->AddTask(stagedPath(entry->name), QString(), CFileCopy::Delete);
    m_content.RemoveEntry(name);
    return true;
}

QStringList StagedContent::verify() const
{
    QStringList missing;
    // Folders are made here (an empty one has no copy task) and dated after
    // their content is in, which would change the date again.
    std::function<void(const IsoEntry&)> visit = [&](const IsoEntry& folder) {
        for (int i = 0; i < folder.childCount(); ++i) {
            const IsoEntry& entry = *folder.child(i);
            const QString staged = stagedPath(entry.name);
            const QFileInfo source(entry.localPath);
            if (entry.isDir) {
                const bool made = QDir().mkpath(staged);
                if (!made)
                    missing << QDir::toNativeSeparators(entry.localPath);
                visit(entry); // names every file that is not there
                if (made)
                    Platform::setModificationTime(staged, source.lastModified());
                continue;
            }
            const QFileInfo copy(staged);
            if (!copy.isFile() || !source.exists() || copy.size() != source.size())
                missing << QDir::toNativeSeparators(entry.localPath);
        }
    };
    visit(m_content.root);
    return missing;
}

void StagedContent::discard()
{
    m_copy->Clear();
    m_sourceRefs.clear();
    if (m_area.isValid())
        m_copy->AddTask(m_area.path(), QString(), CFileCopy::Delete);
}

void StagedContent::RemoveStaleFolders(const QString& root)
{
    for (const QString& stale : StagingArea::StaleFolders(root))
        RemoveFolderTree(stale);
}

void StagedContent::RemoveOwnFolders(const QString& root)
{
    for (const QString& own : StagingArea::OwnFolders(root))
        RemoveFolderTree(own);
}
