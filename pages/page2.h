#pragma once

#include "ui/imagedialog.h"

class CImageButton;

// The extract page: browse an ISO image and extract chosen items.
class CPage2 : public ImageDialog
{
    Q_OBJECT
public:
    explicit CPage2(QWidget* parent = nullptr);

    // Called by the main window once the page is embedded in it.
    virtual void InitializeUI();

public slots:
    void OnBack();

protected:
    void changeEvent(QEvent* event) override;

private:
    void updateUI();

    CImageButton* m_back = nullptr;
};
