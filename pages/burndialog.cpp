#include "pages/burndialog.h"

#include "ui/imagebutton.h"

#include <QEvent>

CBurnDialog::CBurnDialog(QWidget* parent)
    : ImageDialog(parent)
{
    setObjectName(QStringLiteral("CBurnDialog"));
    resize(858, 472); // until the background picture fixes the size
    SetBackgroundImage(QStringLiteral(":/vud/page1"));
    m_back = new CImageButton(this);
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setGeometry(39, 417, 108, 30);
    connect(m_back, qOverload<>(&CImageButton::clicked), this, &CBurnDialog::OnBack);
    updateUI();
}

void CBurnDialog::OnBack()
{
    close();
}

void CBurnDialog::updateUI()
{
    m_back->SetImages(QStringLiteral(":/vud/Back1"), QStringLiteral(":/vud/Back2"),
                      QStringLiteral(":/vud/Back3"), QString(), tr("Back"), QString(), 3);
}

void CBurnDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        updateUI();
    ImageDialog::changeEvent(event);
}
