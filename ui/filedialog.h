#pragma once

#include <QFileDialog>

// A file dialog that returns any mix of selected files and folders unchanged
// (the standard dialog would descend into a selected folder instead).
// Run with exec(); selectedFiles() holds the choice when it returns 1.
//
// Tests: with ModalHook (ui/modalhook.h) the answer function receives the
// dialog without an event loop; it can call setDirectory(), select rows in the
// child QListView "listView" and press the "buttonBox" accept button, or call
// onChiose() directly, then return result().
class CFileDialog : public QFileDialog
{
    Q_OBJECT
public:
    CFileDialog(QWidget* parent, bool includeFiles);

    int exec() override;

public slots:
    void onChiose();
};
