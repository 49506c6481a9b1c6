#pragma once

#include "pages/pendingpage.h"

// The copy-disc page: read a CD/DVD into an ISO image.
class CPage5 : public CPendingPage
{
    Q_OBJECT
public:
    explicit CPage5(QWidget* parent = nullptr)
        : CPendingPage(parent, QStringLiteral("CPage5"), QStringLiteral(":/vud/page5"))
    {
    }
};
