#include "ui/gerneraldialog.h"

#include "ui/imagebutton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

GerneralDialog::GerneralDialog(QWidget* parent)
    : ImageDialog(parent)
{
    setObjectName(QStringLiteral("GerneralDialog"));
    resize(400, 300);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setGeometry(60, 40, 301, 101);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_label->setText(QStringLiteral("TextLabel"));
    setWindowTitle(QStringLiteral("Quillon"));
    SetDragEnabled(true);
}

void GerneralDialog::SetContent(const QString& picture, const QString& text)
{
    // The illustration fills the left panel of the picture; the text goes
    // right of it.
    if (SetBackgroundImage(picture))
        m_label->setGeometry(IllustrationWidth, 40, width() - IllustrationWidth - 20, 85);
    if (!m_btnClose) {
        m_btnClose = new CImageButton(this);
        m_btnClose->setObjectName(QStringLiteral("btnclose"));
        connect(m_btnClose, qOverload<>(&CImageButton::clicked), this, &QWidget::close);
    }
    m_btnClose->SetImages(QStringLiteral(":/vud/close_small_1"), QStringLiteral(":/vud/close_small_2"),
        QStringLiteral(":/vud/close_small_3"), QString(), QString(), QString(), 3);
    m_btnClose->move(width() - m_btnClose->width() - 1, 1);

    QFont font = m_label->font();
    font.setPixelSize(12);
    m_label->setFont(font);
    QPalette pal = m_label->palette();
    pal.setColor(QPalette::All, QPalette::WindowText, QColor(83, 81, 81));
    m_label->setPalette(pal);
    m_label->setText(text);
    m_label->setWordWrap(true);
}

void GerneralDialog::AddOkButton(int y, int x)
{
    if (!m_btnOk) {
        m_btnOk = new CImageButton(this);
        m_btnOk->setObjectName(QStringLiteral("btnok"));
        connect(m_btnOk, qOverload<>(&CImageButton::clicked), this, &QDialog::accept);
    }
    m_btnOk->SetImages(QStringLiteral(":/vud/OK_1"), QStringLiteral(":/vud/OK_2"), QStringLiteral(":/vud/OK_3"),
        QString(), QString(), QString(), 3);
    retranslate();
    const int left = x == 0 ? (width() - m_btnOk->width()) / 2 : x;
    m_btnOk->move(left, y + 10);
}

void GerneralDialog::retranslate()
{
    if (m_btnOk)
        m_btnOk->SetText(tr("OK"));
}

void GerneralDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ImageDialog::changeEvent(event);
}

QString GerneralDialog::Text() const
{
    return m_label->text();
}

int GerneralDialog::exec()
{
    GrowToText(m_label);
    return ImageDialog::exec();
}

void GerneralDialog::showEvent(QShowEvent* event)
{
    ImageDialog::showEvent(event);
    if (m_btnOk)
        m_btnOk->setFocus(Qt::OtherFocusReason);
}

void GerneralDialog::keyPressEvent(QKeyEvent* event)
{
    if (m_btnOk && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        m_btnOk->Click();
        event->accept();
        return;
    }
    ImageDialog::keyPressEvent(event);
}
