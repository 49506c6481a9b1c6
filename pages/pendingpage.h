#pragma once

#include "ui/imagedialog.h"

class CImageButton;

// A job page whose work is still to come: its background and a Back button
// that returns to the home page, in the current language.
class CPendingPage : public ImageDialog
{
    Q_OBJECT
public:
    CPendingPage(QWidget* parent, const QString& objectName, const QString& background);

public slots:
    void OnBack();

protected:
    void changeEvent(QEvent* event) override;

private:
    void updateUI();

    CImageButton* m_back = nullptr;
};
