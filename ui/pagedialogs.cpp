#include "ui/pagedialogs.h"

#include "ui/filedialogs.h"
#include "ui/messages.h"

QString PageDialogs::ChooseFolder(QWidget* parent)
{
    return ::ChooseFolder(parent);
}

QString PageDialogs::ChooseOpenFile(QWidget* parent, const QString& filter)
{
    return ::ChooseOpenFile(parent, filter);
}

QStringList PageDialogs::ChooseOpenFiles(QWidget* parent)
{
    return ::ChooseOpenFiles(parent);
}

QStringList PageDialogs::ChooseItems(QWidget* parent, bool includeFiles)
{
    return ::ChooseItems(parent, includeFiles);
}

QString PageDialogs::ChooseSaveFile(QWidget* parent, const QString& filter)
{
    return ::ChooseSaveFile(parent, filter);
}

int PageDialogs::AskQuestion(const QString& picture, const QString& text, QWidget* parent)
{
    return ::AskQuestion(picture, text, parent);
}

int PageDialogs::AskChoice(const QString& text, const QStringList& choices, QWidget* parent)
{
    return ::AskChoice(text, choices, parent);
}

void PageDialogs::ShowMessage(const QString& text, QWidget* parent)
{
    ::ShowMessage(text, parent);
}

void PageDialogs::ShowOpenFolderMessage(const QString& text, const QString& folder, QWidget* parent)
{
    ::ShowOpenFolderMessage(text, folder, parent);
}

void PageDialogs::ShowPictureMessage(const QString& picture, const QString& text, int okY, QWidget* parent)
{
    ::ShowPictureMessage(picture, text, okY, parent);
}

PageDialogs& PageDialogs::Real()
{
    static PageDialogs real;
    return real;
}
