#pragma once

#include "ui/imagedialog.h"

class CImageButton;

// The edit page: change an ISO image's content and save it anew.
class CPage4 : public ImageDialog
{
    Q_OBJECT
public:
    explicit CPage4(QWidget* parent = nullptr);

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
