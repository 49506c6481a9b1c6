#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Shortcuts for the program's own message dialogs. All are modal.

// Question on the common dialog with `picture` as background; 1 when confirmed.
int AskQuestion(const QString& picture, const QString& text, QWidget* parent = nullptr);
// Question with one button per choice (left to right); the index of the
// choice, or -1 when the dialog was closed.
int AskChoice(const QString& text, const QStringList& choices, QWidget* parent = nullptr);
// Plain message with one OK button.
void ShowMessage(const QString& text, QWidget* parent = nullptr);
// Message whose second button opens `folder` in the file browser.
void ShowOpenFolderMessage(const QString& text, const QString& folder, QWidget* parent = nullptr);
// Illustrated one-button information dialog (GerneralDialog): `picture` as
// background, OK button at okY, centred.
void ShowPictureMessage(const QString& picture, const QString& text, int okY = 120, QWidget* parent = nullptr);

// Application-wide wait cursor; undone by QApplication::restoreOverrideCursor().
void SetBusyCursor();
// Opens an address with the default handler of the desktop; without one (no
// browser), shows the address in a message so the user can open it by hand.
void OpenUrl(const QString& url, QWidget* parent = nullptr);
