#pragma once

#include <QString>
#include <QStringList>

class IsoContentTree;
struct IsoEntry;

// Model files (backslash paths) that the working folder lacks or holds at
// another size than the image listed or the local file has, and links it
// holds as something else or pointing elsewhere: an image saved from it
// would silently miss them.
QStringList MissingFromWorkingFolder(const IsoEntry& root, const QString& workingFolder);

// What an extraction of the whole image wrote that is no content (see
// ListingReader::SetSkipBootImages): the "[BOOT]" folder, or only its boot
// image files when the image really has a folder of that name. Backslash
// paths relative to the working folder.
QStringList PseudoEntriesToRemove(const IsoContentTree& model, const QStringList& bootImageNames);
