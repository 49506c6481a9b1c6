#pragma once

#include "ui/imagedialog.h"

class CImageButton;

// The create page: build an ISO image from files and folders.
class CPage3 : public ImageDialog
{
    Q_OBJECT
public:
    explicit CPage3(QWidget* parent = nullptr);

public slots:
    void OnBack();

protected:
    void changeEvent(QEvent* event) override;

private:
    void updateUI();

    CImageButton* m_back = nullptr;
};
