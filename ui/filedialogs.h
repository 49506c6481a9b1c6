#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// File and folder choosers shared by the pages. Each returns an empty text
// (or an empty list) when the user cancels.

// Existing folder: caption "Open Folder", starts in ".".
QString ChooseFolder(QWidget* parent);
// One existing file: caption "Open File", starts in the home folder, filter
// list "All Files (*);;" followed by `filter`, read-only.
QString ChooseOpenFile(QWidget* parent, const QString& filter);
// Several existing files: caption "Open Files", home folder, "Any Files(*.*)".
QStringList ChooseOpenFiles(QWidget* parent);
// File to write: caption "Save File", starts in ".", the given filter.
QString ChooseSaveFile(QWidget* parent, const QString& filter);
// Any mix of files and folders (folders only when includeFiles is false),
// through the program's own CFileDialog.
QStringList ChooseItems(QWidget* parent, bool includeFiles);

// --- Test seam -------------------------------------------------------------
// Once SetDialogAnswersForTest has been called, no Choose* function opens a
// dialog any more: each call takes the next answer from a first-in first-out
// queue instead. One answer serves one call:
//   - ChooseFolder / ChooseOpenFile / ChooseSaveFile return the answer as is;
//   - ChooseOpenFiles / ChooseItems split the answer at '\n' (empty parts are
//     dropped), so "a.txt\nb.txt" answers with two paths.
// An empty answer, or an empty queue, means "cancelled". Every call is
// recorded (see DialogRequestsForTest) so a test can check which chooser the
// code asked for and with what filter.
void SetDialogAnswersForTest(const QStringList& answers);
// Appends answers to the queue (and turns the seam on).
void AddDialogAnswerForTest(const QString& answer);
// Turns the seam off again and forgets answers and requests.
void ResetDialogsForTest();
bool DialogTestModeActive();
// Answers not consumed yet.
int PendingDialogAnswersForTest();
// One text per call since the seam was turned on, in call order:
// "ChooseFolder", "ChooseOpenFile:<filter>", "ChooseOpenFiles",
// "ChooseSaveFile:<filter>", "ChooseItems:files" or "ChooseItems:folders".
QStringList DialogRequestsForTest();
