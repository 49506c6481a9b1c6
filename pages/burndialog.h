#pragma once

#include "pages/pendingpage.h"

// The burn page: ISO image to a USB stick or a CD/DVD.
class CBurnDialog : public CPendingPage
{
    Q_OBJECT
public:
    explicit CBurnDialog(QWidget* parent = nullptr)
        : CPendingPage(parent, QStringLiteral("CBurnDialog"), QStringLiteral(":/vud/page1"))
    {
    }
};
