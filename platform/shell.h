#pragma once

#include <QString>

namespace Platform {

// Total size in bytes of the volume holding `path`; 0 when it cannot be told.
qint64 volumeCapacity(const QString& path);

} // namespace Platform
