#include "pages/page3.h"

#include "ui/imagebutton.h"

#include <QEvent>

CPage3::CPage3(QWidget* parent)
    : ImageDialog(parent)
{
    setObjectName(QStringLiteral("CPage3"));
    resize(858, 472); // until the background picture fixes the size
    SetBackgroundImage(QStringLiteral(":/vud/page3"));
    m_back = new CImageButton(this);
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setGeometry(39, 417, 108, 30);
    connect(m_back, qOverload<>(&CImageButton::clicked), this, &CPage3::OnBack);
    updateUI();
}

void CPage3::OnBack()
{
    close();
}

void CPage3::updateUI()
{
    m_back->SetImages(QStringLiteral(":/vud/Back1"), QStringLiteral(":/vud/Back2"),
                      QStringLiteral(":/vud/Back3"), QString(), tr("Back"), QString(), 3);
}

void CPage3::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        updateUI();
    ImageDialog::changeEvent(event);
}
