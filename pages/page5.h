#pragma once

#include "ui/imagedialog.h"

class CImageButton;

// The copy-disc page: read a CD/DVD into an ISO image.
class CPage5 : public ImageDialog
{
    Q_OBJECT
public:
    explicit CPage5(QWidget* parent = nullptr);

public slots:
    void OnBack();

protected:
    void changeEvent(QEvent* event) override;

private:
    void updateUI();

    CImageButton* m_back = nullptr;
};
