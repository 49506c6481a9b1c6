#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// File and folder choosers shared by the pages. Each returns an empty text
// (or an empty list) when the user cancels.

// Every chooser starts in the folder last chosen from (or the home folder)
// and remembers the place of what the user chooses (ui/settings.h).

// Existing folder: caption "Open Folder".
QString ChooseFolder(QWidget* parent);
// One existing file: caption "Open File", filter list "All Files (*);;"
// followed by `filter`, read-only.
QString ChooseOpenFile(QWidget* parent, const QString& filter);
// Several existing files: caption "Open Files", "All files (*)".
QStringList ChooseOpenFiles(QWidget* parent);
// The filter that shows every file, those without an extension too.
QString AllFilesFilter();
// File to write: caption "Save File", the given filter.
QString ChooseSaveFile(QWidget* parent, const QString& filter);
// Any mix of files and folders (folders only when includeFiles is false),
// through the program's own CFileDialog.
QStringList ChooseItems(QWidget* parent, bool includeFiles);
