#pragma once

#include <QString>

namespace Platform {

// Shows a folder in the system file browser; returns at once.
void openFolder(const QString& path);

// Total size in bytes of the volume holding `path`; 0 when it cannot be told.
qint64 volumeCapacity(const QString& path);

} // namespace Platform
