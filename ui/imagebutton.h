#pragma once

#include "ui/baseimagectrl.h"

// Every picture button of the program is a CImageButton.
class CImageButton : public CBaseImageCtrl {
    Q_OBJECT
public:
    explicit CImageButton(QWidget* parent = nullptr);
};
