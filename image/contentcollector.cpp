#include "image/contentcollector.h"

#include "image/fileutils.h"
#include "image/isobuild.h"
#include "image/isocontent.h"

#include <QDir>
#include <QFileInfo>

ContentCollector::ContentCollector(IsoContentTree& tree, const QString& excludedRoot)
    : m_tree(tree)
    , m_excludedRoot(QFileInfo(excludedRoot).canonicalFilePath())
{
}

IsoEntry* ContentCollector::insert(const QString& name, const QString& path, bool isDir)
{
    const QFileInfo info(path);
    IsoEntry entry;
    entry.name = name;
    entry.localPath = isDir ? path : info.absoluteFilePath();
    entry.isDir = isDir;
    if (!isDir)
        entry.sizeText = QString::number(info.size());
    entry.dateText = FormatDateTime(info.lastModified());
    if (IsoEntry* added = m_tree.Insert(std::move(entry)))
        return added;
    // The same file chosen again is simply there already; anything else
    // under that name would be lost without a word.
    const IsoEntry* existing = m_tree.FindEntry(name);
    if (!existing || existing->isDir != isDir
        || QFileInfo(existing->localPath).canonicalFilePath() != info.canonicalFilePath())
        m_skipped.append({QDir::toNativeSeparators(path), Reason::NameTaken});
    return nullptr;
}

IsoEntry* ContentCollector::addFile(const QString& prefix, const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return nullptr;
    if (info.fileName().contains(QLatin1Char('\\'))) {
        m_skipped.append({QDir::toNativeSeparators(path), Reason::Backslash});
        return nullptr;
    }
    return insert(prefix + info.fileName(), path, false);
}

bool ContentCollector::refuseFolder(const QString& path, const QString& canonical, const QStringList& ancestors)
{
    const QFileInfo info(path);
    Reason reason;
    if (info.fileName().contains(QLatin1Char('\\')))
        reason = Reason::Backslash;
    else if (ancestors.contains(canonical))
        reason = Reason::Loop;
    else if (!m_excludedRoot.isEmpty() && IsoBuild::IsInside(canonical, m_excludedRoot))
        reason = Reason::WorkingFolder;
    else if (!info.isReadable() || !info.isExecutable())
        reason = Reason::Unreadable;
    else
        return false;
    m_skipped.append({QDir::toNativeSeparators(path), reason});
    return true;
}

IsoEntry* ContentCollector::addFolder(const QString& prefix, const QString& path)
{
    const QFileInfo info(path);
    const QDir dir(info.absoluteFilePath());
    const QString name = dir.dirName();
    if (!info.isDir() || name.isEmpty() || dir.isRoot())
        return nullptr;
    const QString canonical = info.canonicalFilePath();
    if (refuseFolder(path, canonical, {}))
        return nullptr;
    IsoEntry* folder = insert(prefix + name, path, true);
    if (!folder)
        return nullptr;
    QStringList ancestors {canonical};
    fill(folder, ancestors);
    return folder;
}

void ContentCollector::fill(IsoEntry* folder, QStringList& ancestors)
{
    const QFileInfoList items = QDir(folder->localPath)
                                    .entryInfoList(QDir::Dirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                                        QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : items) {
        const QString path = info.absoluteFilePath();
        if (!info.isDir()) {
            if (info.fileName().contains(QLatin1Char('\\')))
                m_skipped.append({QDir::toNativeSeparators(path), Reason::Backslash});
            else
                insert(folder->name + QLatin1Char('\\') + info.fileName(), path, false);
            continue;
        }
        const QString canonical = info.canonicalFilePath();
        if (refuseFolder(path, canonical, ancestors))
            continue;
        IsoEntry* sub = insert(folder->name + QLatin1Char('\\') + info.fileName(), path, true);
        if (!sub)
            continue;
        ancestors << canonical;
        fill(sub, ancestors);
        ancestors.removeLast();
    }
}
