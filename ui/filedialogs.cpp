#include "ui/filedialogs.h"

#include "ui/filedialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace {

// The dialog captions' translation context.
struct FileDialogs {
    Q_DECLARE_TR_FUNCTIONS(FileDialogs)
};

} // namespace

QString ChooseFolder(QWidget* parent)
{
    return QFileDialog::getExistingDirectory(
        parent, FileDialogs::tr("Open Folder"), QStringLiteral("."), QFileDialog::ShowDirsOnly);
}

QString ChooseOpenFile(QWidget* parent, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, FileDialogs::tr("Open File"), QDir::homePath(),
        QStringLiteral("All Files (*);;") + filter, nullptr, QFileDialog::ReadOnly);
}

QStringList ChooseOpenFiles(QWidget* parent)
{
    return QFileDialog::getOpenFileNames(parent, FileDialogs::tr("Open Files"), QDir::homePath(),
        QStringLiteral("Any Files(*.*)"), nullptr, QFileDialog::ReadOnly);
}

QString ChooseSaveFile(QWidget* parent, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, FileDialogs::tr("Save File"), QStringLiteral("."), filter);
}

QStringList ChooseItems(QWidget* parent, bool includeFiles)
{
    CFileDialog dialog(parent, includeFiles);
    if (dialog.exec() == 1)
        return dialog.selectedFiles();
    return {};
}
