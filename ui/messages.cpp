#include "ui/messages.h"

#include "ui/commdialog.h"
#include "ui/gerneraldialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QUrl>

int AskQuestion(const QString& picture, const QString& text, QWidget* parent)
{
    CommDialog dialog(parent);
    dialog.SetWordWrap();
    dialog.SetBackgroundImage(picture);
    dialog.SetText(text);
    return dialog.exec();
}

int AskChoice(const QString& text, const QStringList& choices, QWidget* parent)
{
    CommDialog dialog(parent);
    dialog.SetWordWrap();
    dialog.SetText(text);
    dialog.SetChoices(choices);
    return dialog.exec() - 1;
}

void ShowMessage(const QString& text, QWidget* parent)
{
    CommDialog dialog(parent);
    dialog.SetWordWrap();
    dialog.SetText(text);
    dialog.SetSingleButton();
    dialog.exec();
}

void ShowOpenFolderMessage(const QString& text, const QString& folder, QWidget* parent)
{
    CommDialog dialog(parent);
    dialog.SetText(text);
    dialog.SetOpenFolder(folder);
    dialog.exec();
}

void ShowPictureMessage(const QString& picture, const QString& text, int okY, QWidget* parent)
{
    GerneralDialog dialog(parent);
    dialog.SetContent(picture, text);
    dialog.AddOkButton(okY, 0);
    dialog.exec();
}

void SetBusyCursor()
{
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void OpenUrl(const QString& url, QWidget* parent)
{
    if (!QDesktopServices::openUrl(QUrl(url)))
        ShowMessage(
            QCoreApplication::translate("Messages", "No web browser could be opened. The address is:\n%1").arg(url),
            parent);
}
