#pragma once

#include <QDateTime>
#include <QString>

#include <atomic>

// File and folder helpers shared by the pages and the copy worker. Paths may
// use "/" or "\" unless said otherwise. The copy functions are safe to call
// from any thread.

using CopyProgress = std::atomic<quint64>;

// "1024 B", "1 KB", "1.50 GB": two decimals, ".00" dropped, up to GB.
QString FormatSize(qint64 bytes);
QString FormatDateTime(const QDateTime& dateTime); // "yyyy-MM-dd hh:mm:ss"
QString CollapseSpaces(const QString& text); // runs of blanks -> one blank

bool PathExists(const QString& path);

// Copies one file with its modification time, adding the bytes copied to `progress` (if given). On any
// failure the partial target is removed and the result is false; failures
// that the user should learn about are written to the log.
bool CopyFile(const QString& source, const QString& target, CopyProgress* progress = nullptr);
// Copies `source` under its own name into `targetParent`.
bool CopyFolder(const QString& source, const QString& targetParent, CopyProgress* progress = nullptr);
// Copies everything inside `source` into `target` (created if needed),
// replacing files of the same name, read-only ones included.
bool CopyFolderContents(const QString& source, const QString& target, CopyProgress* progress = nullptr);

// Sum of the sizes of all files below `folder` (hidden ones excluded).
qint64 FolderSize(const QString& folder);
// Size of a file, or FolderSize of anything else (0 when missing).
qint64 PathSize(const QString& path);
// Total size in bytes of the volume holding `path`; 0 when unknown.
qint64 DiskCapacity(const QString& path);

// Deletes a file, or a folder only when it is empty (read-only cleared first).
void DeleteFileOrFolder(const QString& path);
// Deletes a folder with all its content, if it exists.
void RemoveFolderTree(const QString& folder);

// The path with ".suffix" appended when its file name has no extension.
QString WithDefaultSuffix(const QString& path, const QString& suffix);

// Puts `from` in place of `to` (replacing a file there) in one step where the
// platform allows it. False when it could not; `from` then stays.
bool ReplaceFile(const QString& from, const QString& to);

// Names for a message, one a line: the first eight, then "..." for the rest.
QString ShortNameList(const QStringList& names);
