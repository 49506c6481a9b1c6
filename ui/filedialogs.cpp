#include "ui/filedialogs.h"

#include "ui/filedialog.h"
#include "ui/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace {

// The dialog captions' translation context.
struct FileDialogs {
    Q_DECLARE_TR_FUNCTIONS(FileDialogs)
};

} // namespace

// Every chooser starts where the user last chose something (or at home)
// and remembers the new place.
static QString remembered(const QString& path)
{
    Settings::RememberPlace(path);
    return path;
}

static QStringList remembered(const QStringList& paths)
{
    if (!paths.isEmpty())
        Settings::RememberPlace(paths.first());
    return paths;
}

QString ChooseFolder(QWidget* parent)
{
    return remembered(QFileDialog::getExistingDirectory(
        parent, FileDialogs::tr("Open Folder"), Settings::StartFolder(), QFileDialog::ShowDirsOnly));
}

QString ChooseOpenFile(QWidget* parent, const QString& filter)
{
    return remembered(QFileDialog::getOpenFileName(parent, FileDialogs::tr("Open File"), Settings::StartFolder(),
        QStringLiteral("All Files (*);;") + filter, nullptr, QFileDialog::ReadOnly));
}

QStringList ChooseOpenFiles(QWidget* parent)
{
    // "*", not "*.*": files without an extension (LICENSE, Makefile) show too.
    return remembered(QFileDialog::getOpenFileNames(parent, FileDialogs::tr("Open Files"), Settings::StartFolder(),
        AllFilesFilter(), nullptr, QFileDialog::ReadOnly));
}

QString ChooseSaveFile(QWidget* parent, const QString& filter)
{
    return remembered(
        QFileDialog::getSaveFileName(parent, FileDialogs::tr("Save File"), Settings::StartFolder(), filter));
}

QStringList ChooseItems(QWidget* parent, bool includeFiles)
{
    CFileDialog dialog(parent, includeFiles);
    dialog.setDirectory(Settings::StartFolder());
    if (dialog.exec() == 1)
        return remembered(dialog.selectedFiles());
    return {};
}

QString AllFilesFilter()
{
    return FileDialogs::tr("All files (*)");
}
