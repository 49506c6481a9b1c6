#include "ui/imagebutton.h"

CImageButton::CImageButton(QWidget* parent)
    : CBaseImageCtrl(parent)
{
}
