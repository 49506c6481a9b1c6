#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Everything a window asks the user or tells them, behind one object it is
// given: the default one opens the program's dialogs (ui/filedialogs.h,
// ui/messages.h); a test gives one that answers from a script.
class PageDialogs {
public:
    virtual ~PageDialogs() = default;

    virtual QString ChooseFolder(QWidget* parent);
    virtual QString ChooseOpenFile(QWidget* parent, const QString& filter);
    virtual QStringList ChooseOpenFiles(QWidget* parent);
    virtual QStringList ChooseItems(QWidget* parent, bool includeFiles);
    virtual QString ChooseSaveFile(QWidget* parent, const QString& filter);
    // 1 when confirmed.
    virtual int AskQuestion(const QString& picture, const QString& text, QWidget* parent);
    // The index of the choice, -1 when the dialog was closed.
    virtual int AskChoice(const QString& text, const QStringList& choices, QWidget* parent);
    virtual void ShowMessage(const QString& text, QWidget* parent);
    virtual void ShowOpenFolderMessage(const QString& text, const QString& folder, QWidget* parent);
    virtual void ShowPictureMessage(const QString& picture, const QString& text, int okY, QWidget* parent);

    // The real dialogs, shared by every window that was given no other.
    static PageDialogs& Real();
};
