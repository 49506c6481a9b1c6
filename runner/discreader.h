#pragma once

#include "runner/failurelog.h"

#include <QString>
#include <QStringList>

// The disc reader (readcd, readom): its command line and what its output says.

namespace Tools {

QStringList readDiscArgs(const QString& recorderAddress, const QString& output);

} // namespace Tools

// Sectors announced by the reader's "end:" piece ("end:   2236032"); -1 when
// the piece has no "end:", 0 when no number follows it.
qint64 ReadEndSectors(const QString& piece);
// Sector of an "addr:" piece ("addr:    76864 cnt: 64"); -1 when there is none.
qint64 ReadAddress(const QString& piece);

enum class ReaderFailure { None, NoDisc, NoPermission, Unreadable };

// Why a reader run failed, from the lines it printed.
FailureLog<ReaderFailure> ReaderLog();
