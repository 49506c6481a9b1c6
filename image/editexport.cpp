#include "image/editexport.h"

#include "image/isocontent.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

struct Planner {
    ExportPlan plan;
    Existing existing;
    const std::function<QString(const IsoEntry&)>& sourceOf;
    QString keep; // canonical

    void visit(const IsoEntry& entry, const QString& target, const QString& relative)
    {
        const QFileInfo there(target);
        const bool link = there.isSymLink();
        const bool present = there.exists() || link;
        const bool folderThere = there.isDir() && !link;
        if (entry.isDir) {
            if (present && !link && !folderThere) {
                plan.conflicts << relative;
                return;
            }
            if (link && existing != Existing::Replace) {
                plan.kept << relative;
                return;
            }
            // Into a folder of the user's we merge; their link is replaced
            // as a file is, never followed into the folder it points to.
            if (!folderThere)
                plan.places << ExportPlan::Place {ExportPlan::Place::Folder, target, QString(), link};
            for (int i = 0; i < entry.childCount(); ++i) {
                const QString name = DisplayName(LastPathComponent(entry.child(i)->name));
                visit(*entry.child(i), target + QLatin1Char('/') + name, relative + QLatin1Char('/') + name);
            }
            return;
        }
        if (folderThere || (present && !link && !keep.isEmpty() && there.canonicalFilePath() == keep)) {
            plan.conflicts << relative;
            return;
        }
        if (present && existing != Existing::Replace) {
            plan.kept << relative;
            return;
        }
        if (!entry.linkTarget.isEmpty())
            plan.places << ExportPlan::Place {ExportPlan::Place::Link, target, entry.linkTarget, link};
        else
            plan.places << ExportPlan::Place {ExportPlan::Place::File, target, sourceOf(entry), link};
    }
};

} // namespace

ExportPlan PlanExport(const QList<const IsoEntry*>& items, const QString& folder, Existing existing,
    const std::function<QString(const IsoEntry&)>& sourceOf, const QString& keep)
{
    Planner planner {{}, existing, sourceOf, keep.isEmpty() ? QString() : QFileInfo(keep).canonicalFilePath()};
    for (const IsoEntry* item : items) {
        const QString name = DisplayName(LastPathComponent(item->name));
        planner.visit(*item, folder + QLatin1Char('/') + name, name);
    }
    return planner.plan;
}

QStringList MakeExportFolders(ExportPlan& plan, const QString& folder)
{
    QStringList failed;
    QString failedFolder; // what lies below it is dropped: it would land elsewhere
    QList<ExportPlan::Place> kept;
    for (const ExportPlan::Place& place : qAsConst(plan.places)) {
        if (!failedFolder.isEmpty() && place.target.startsWith(failedFolder))
            continue;
        bool made = true;
        if (place.kind == ExportPlan::Place::Folder) {
            made = (!place.replacesLink || QFile::remove(place.target)) && QDir().mkdir(place.target);
            if (!made)
                failedFolder = place.target + QLatin1Char('/');
        } else if (place.kind == ExportPlan::Place::Link) {
            const QFileInfo there(place.target);
            made = (!(place.replacesLink || there.exists()) || QFile::remove(place.target))
                && QFile::link(place.source, place.target);
        } else if (!place.replacesLink || QFile::remove(place.target)) {
            // The copy would see the folder a link of the user's points at, and refuse.
            kept << place;
        } else {
            made = false;
        }
        if (!made)
            failed << place.target.mid(folder.size() + 1);
    }
    plan.places = kept;
    return failed;
}
