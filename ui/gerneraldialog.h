#pragma once

#include "ui/imagedialog.h"

class CImageButton;
class QLabel;

// A one-button notice with an illustration as background. Modal; run it with
// exec(). The OK button is named "btnok", the close button "btnclose".
class GerneralDialog : public ImageDialog {
    Q_OBJECT
public:
    explicit GerneralDialog(QWidget* parent = nullptr);

    // Background picture (fixes the size), close button at the top right, text.
    void SetContent(const QString& picture, const QString& text);
    // OK at (x, y + 10); x 0 centres it. OK accepts.
    void AddOkButton(int y, int x = 0);

    QString Text() const;
    QLabel* Label() const { return m_label; }
    CImageButton* OkButton() const { return m_btnOk; }
    CImageButton* CloseButton() const { return m_btnClose; }

    // Grows to the text first (GrowToText).
    int exec() override;

protected:
    void changeEvent(QEvent* event) override;
    // OK is the default button: focused, and pressed by Enter.
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void retranslate();

    QLabel* m_label = nullptr;
    CImageButton* m_btnClose = nullptr;
    CImageButton* m_btnOk = nullptr;
};
