#pragma once

#include "pages/pendingpage.h"

// The edit page: change an ISO image's content and save it anew.
class CPage4 : public CPendingPage
{
    Q_OBJECT
public:
    explicit CPage4(QWidget* parent = nullptr)
        : CPendingPage(parent, QStringLiteral("CPage4"), QStringLiteral(":/vud/page4"))
    {
    }

    // Called by the main window once the page is embedded in it.
    virtual void InitializeUI() {}
};
