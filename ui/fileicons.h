#pragma once

#include <QIcon>
#include <QString>

// Icon and type description of a file name that may exist only inside an
// image. Both are cached per extension (".exe" and ".EXE" separately);
// GUI thread only.
QIcon FileIconFor(const QString& fileName);
QString FileTypeFor(const QString& fileName);
// The system folder icon.
QIcon FolderIcon();

// The extension with its dot (".exe"), or empty when the name has no dot after
// its first character.
QString ExtensionOf(const QString& fileName);
