#include "pages/page5.h"

#include "ui/imagebutton.h"

#include <QEvent>

CPage5::CPage5(QWidget* parent)
    : ImageDialog(parent)
{
    setObjectName(QStringLiteral("CPage5"));
    resize(858, 472); // until the background picture fixes the size
    SetBackgroundImage(QStringLiteral(":/vud/page5"));
    m_back = new CImageButton(this);
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setGeometry(39, 417, 108, 30);
    connect(m_back, qOverload<>(&CImageButton::clicked), this, &CPage5::OnBack);
    updateUI();
}

void CPage5::OnBack()
{
    close();
}

void CPage5::updateUI()
{
    m_back->SetImages(QStringLiteral(":/vud/Back1"), QStringLiteral(":/vud/Back2"),
                      QStringLiteral(":/vud/Back3"), QString(), tr("Back"), QString(), 3);
}

void CPage5::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        updateUI();
    ImageDialog::changeEvent(event);
}
