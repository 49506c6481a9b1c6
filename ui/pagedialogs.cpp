#include "ui/pagedialogs.h"

#include "ui/filedialogs.h"
#include "ui/messages.h"

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

void PageDialogs::ShowMessage(const QString& text, QWidget* parent)
{
    ::ShowMessage(text, parent);
}

void PageDialogs::ShowOpenFolderMessage(const QString& text, const QString& folder, QWidget* parent)
{
    ::ShowOpenFolderMessage(text, folder, parent);
}

PageDialogs& PageDialogs::Real()
{
    static PageDialogs real;
    return real;
}
