#pragma once

#include <QList>
#include <QString>

struct IsoEntry;

// Entries anywhere below `folder` whose own name holds `text` in any case
// (as the table's filter matches), in tree order: a folder before what it
// holds. One pass over the entries, ending at `limit` hits.
QList<IsoEntry*> FindByName(const IsoEntry& folder, const QString& text, int limit);

// The folder an entry lives in, as the user reads image paths: "/", "/boot/grub".
QString FolderPathOf(const IsoEntry& entry);
