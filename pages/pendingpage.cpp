#include "pages/pendingpage.h"

#include "ui/imagebutton.h"

#include <QEvent>

CPendingPage::CPendingPage(QWidget* parent, const QString& objectName, const QString& background)
    : ImageDialog(parent)
{
    setObjectName(objectName);
    resize(858, 472); // until the background picture fixes the size
    SetBackgroundImage(background);
    m_back = new CImageButton(this);
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setGeometry(39, 417, 108, 30);
    connect(m_back, qOverload<>(&CImageButton::clicked), this, &CPendingPage::OnBack);
    updateUI();
}

void CPendingPage::OnBack()
{
    close();
}

void CPendingPage::updateUI()
{
    m_back->SetImages(QStringLiteral(":/vud/Back1"), QStringLiteral(":/vud/Back2"),
                      QStringLiteral(":/vud/Back3"), QString(), tr("Back"), QString(), 3);
}

void CPendingPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        updateUI();
    ImageDialog::changeEvent(event);
}
