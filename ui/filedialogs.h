#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// File and folder choosers shared by the pages. Each returns an empty text
// (or an empty list) when the user cancels.

// Existing folder: caption "Open Folder", starts in ".".
QString ChooseFolder(QWidget* parent);
// One existing file: caption "Open File", starts in the home folder, filter
// list "All Files (*);;" followed by `filter`, read-only.
QString ChooseOpenFile(QWidget* parent, const QString& filter);
// Several existing files: caption "Open Files", home folder, "Any Files(*.*)".
QStringList ChooseOpenFiles(QWidget* parent);
// File to write: caption "Save File", starts in ".", the given filter.
QString ChooseSaveFile(QWidget* parent, const QString& filter);
// Any mix of files and folders (folders only when includeFiles is false),
// through the program's own CFileDialog.
QStringList ChooseItems(QWidget* parent, bool includeFiles);
