#pragma once

#include <QFileDialog>

// A file dialog that returns any mix of selected files and folders unchanged
// (the standard dialog would descend into a selected folder instead).
// Run with exec(); selectedFiles() holds the choice when it returns 1.
class CFileDialog : public QFileDialog {
    Q_OBJECT
public:
    CFileDialog(QWidget* parent, bool includeFiles);

public slots:
    void onChiose();
};
