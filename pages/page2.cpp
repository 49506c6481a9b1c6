#include "pages/page2.h"

#include "ui/imagebutton.h"

#include <QEvent>

CPage2::CPage2(QWidget* parent)
    : ImageDialog(parent)
{
    setObjectName(QStringLiteral("CPage2"));
    resize(858, 472); // until the background picture fixes the size
    SetBackgroundImage(QStringLiteral(":/vud/page2"));
    m_back = new CImageButton(this);
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setGeometry(39, 417, 108, 30);
    connect(m_back, qOverload<>(&CImageButton::clicked), this, &CPage2::OnBack);
    updateUI();
}

void CPage2::InitializeUI()
{
}

void CPage2::OnBack()
{
    close();
}

void CPage2::updateUI()
{
    m_back->SetImages(QStringLiteral(":/vud/Back1"), QStringLiteral(":/vud/Back2"),
                      QStringLiteral(":/vud/Back3"), QString(), tr("Back"), QString(), 3);
}

void CPage2::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        updateUI();
    ImageDialog::changeEvent(event);
}
