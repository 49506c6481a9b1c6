#pragma once

#include "ui/imagedialog.h"

class CImageButton;
class QLabel;

// The about box: the project's notice and its web address. Shown modally by
// the main window.
class CAboutusDialog : public ImageDialog {
    Q_OBJECT
public:
    explicit CAboutusDialog(QWidget* parent = nullptr);

    static QString ProjectUrl();

public slots:
    void openUrl(QString url);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void layoutTexts();

    CImageButton* m_close = nullptr;
    QLabel* m_first = nullptr;
    QLabel* m_copyright = nullptr;
    QLabel* m_url = nullptr;
    int m_pictureHeight = 0;
};
