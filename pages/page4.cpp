#include "pages/page4.h"

#include "ui/imagebutton.h"

#include <QEvent>

CPage4::CPage4(QWidget* parent)
    : ImageDialog(parent)
{
    setObjectName(QStringLiteral("CPage4"));
    resize(858, 472); // until the background picture fixes the size
    SetBackgroundImage(QStringLiteral(":/vud/page4"));
    m_back = new CImageButton(this);
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setGeometry(39, 417, 108, 30);
    connect(m_back, qOverload<>(&CImageButton::clicked), this, &CPage4::OnBack);
    updateUI();
}

void CPage4::InitializeUI()
{
}

void CPage4::OnBack()
{
    close();
}

void CPage4::updateUI()
{
    m_back->SetImages(QStringLiteral(":/vud/Back1"), QStringLiteral(":/vud/Back2"),
                      QStringLiteral(":/vud/Back3"), QString(), tr("Back"), QString(), 3);
}

void CPage4::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        updateUI();
    ImageDialog::changeEvent(event);
}
