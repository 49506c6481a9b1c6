#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The image splitter (wimlib-imagex): its command line and its progress.

namespace Tools {

// Splits an install image into parts of at most partMiB MiB.
QStringList splitArgs(const QString& source, const QString& target, int partMiB);

} // namespace Tools

// Percentage from a piece of wimlib-imagex's split progress
// ("Splitting WIM: 32 KiB of 3072 KiB (1%) written, part 2 of 3").
std::optional<int> ParseSplitProgress(const QString& piece);
