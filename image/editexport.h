#pragma once

#include "image/extractjob.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct IsoEntry;

// What exporting items of the edited image into a folder of the user's does
// at each place, decided before anything is written. The user's folders are
// merged into, never removed; a file or link of theirs goes only when the
// user chose Replace, and a file never takes the place of a folder or the
// other way round.
struct ExportPlan {
    struct Place {
        enum Kind { Folder, Link, File };
        Kind kind = File;
        QString target; // absolute path in the chosen folder
        QString source; // File: the file to copy; Link: the link's text
        bool replacesLink = false; // the user's link there goes first
    };
    QList<Place> places; // a folder before what it holds
    QStringList kept; // names (relative, "/") the user chose to keep
    QStringList conflicts; // names left as they were: another kind, or the open image
};

// `sourceOf` gives the file an entry is copied from (working folder or the
// added local file). `keep` is a file never replaced (the image being edited).
ExportPlan PlanExport(const QList<const IsoEntry*>& items, const QString& folder, Existing existing,
    const std::function<QString(const IsoEntry&)>& sourceOf, const QString& keep = QString());

// Makes the plan's folders and links and leaves only its file copies, for a
// copy worker (none below a folder that could not be made: they would land
// elsewhere). Returns the names that could not be made.
QStringList MakeExportFolders(ExportPlan& plan, const QString& folder);
