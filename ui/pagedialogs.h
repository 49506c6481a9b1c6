#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Everything a page asks the user or tells them, behind one object the page
// holds: the default one opens the program's dialogs (ui/filedialogs.h,
// ui/messages.h); a test gives the page one that answers from a script.
class PageDialogs
{
public:
    virtual ~PageDialogs() = default;

    virtual QStringList ChooseOpenFiles(QWidget* parent);
    virtual QStringList ChooseItems(QWidget* parent, bool includeFiles);
    virtual QString ChooseSaveFile(QWidget* parent, const QString& filter);
    // 1 when confirmed.
    virtual int AskQuestion(const QString& picture, const QString& text, QWidget* parent);
    virtual void ShowMessage(const QString& text, QWidget* parent);
    virtual void ShowOpenFolderMessage(const QString& text, const QString& folder, QWidget* parent);

    // The real dialogs, shared by every page that was given no other.
    static PageDialogs& Real();
};
