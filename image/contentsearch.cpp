#include "image/contentsearch.h"

#include "image/isocontent.h"

#include <QStringView>

#include <utility>
#include <vector>

QList<IsoEntry*> FindByName(const IsoEntry& folder, const QString& text, int limit)
{
    QList<IsoEntry*> hits;
    if (text.isEmpty() || limit <= 0)
        return hits;
    // A stack of (folder, next child) instead of recursion: images can nest deeply.
    std::vector<std::pair<const IsoEntry*, int>> stack {{&folder, 0}};
    while (!stack.empty()) {
        auto& [current, next] = stack.back();
        if (next >= current->childCount()) {
            stack.pop_back();
            continue;
        }
        IsoEntry* entry = current->child(next++);
        const QStringView name(entry->name);
        if (name.mid(name.lastIndexOf(QLatin1Char('\\')) + 1).contains(text, Qt::CaseInsensitive)) {
            hits << entry;
            if (hits.size() >= limit)
                break;
        }
        if (entry->childCount() > 0)
            stack.emplace_back(entry, 0);
    }
    return hits;
}

QString FolderPathOf(const IsoEntry& entry)
{
    const IsoEntry* parent = entry.parent();
    if (!parent || parent->name.isEmpty())
        return QStringLiteral("/");
    return QLatin1Char('/') + DisplayName(QString(parent->name).replace(QLatin1Char('\\'), QLatin1Char('/')));
}
