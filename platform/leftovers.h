#pragma once

#include <QString>
#include <QStringList>

// Working files and folders a job makes beside the user's data (a staging
// folder in the output folder, a partial image beside the target) are noted
// here while they exist. A run that ends without cleaning up (a crash, a
// power cut) leaves its notes behind, and the next start removes exactly
// those paths, nothing found by searching. Notes of a run still going on
// (another window of the program) are left alone.
namespace Leftovers {

// `path` now exists and is ours until Forget.
void Note(const QString& path);
void Forget(const QString& path);

// Whether a path has one of the names our jobs give their working items.
bool IsOurName(const QString& path);

// Removes what ended runs noted, where it still has one of our names and no
// mounted file system is below it; returns what was removed. Notes that
// cannot be settled yet (something mounted) stay for the next start.
QStringList RemoveFromEndedRuns();

// Where the notes are kept; tests point it elsewhere.
QString NotesFolder();
void SetNotesFolder(const QString& folder);

} // namespace Leftovers
