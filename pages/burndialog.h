#pragma once

#include "ui/imagedialog.h"

class CImageButton;

// The burn page: ISO image to a USB stick or a CD/DVD.
class CBurnDialog : public ImageDialog
{
    Q_OBJECT
public:
    explicit CBurnDialog(QWidget* parent = nullptr);

public slots:
    void OnBack();

protected:
    void changeEvent(QEvent* event) override;

private:
    void updateUI();

    CImageButton* m_back = nullptr;
};
