#include "ui/progressdialog.h"

#include "ui/imagebutton.h"

#include <QLabel>
#include <QProgressBar>

CProgressDialog::CProgressDialog(QWidget* parent)
    : CommDialog(parent)
{
    setModal(false);
    setWindowModality(Qt::ApplicationModal);
    m_btnClose->hide();
    m_btnOk->hide();
    m_progress = new QProgressBar(this);
    m_progress->setGeometry(40, 100, 360, 20);
    m_progress->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_label->setGeometry(40, 60, 340, 25);
    m_detail = new QLabel(this);
    m_detail->setObjectName(QStringLiteral("detail"));
    m_detail->setGeometry(40, 140, 275, 21); // left of Stop
    m_detail->setStyleSheet(QStringLiteral("font:12px;\ncolor:#606060;"));
    m_btnCancel->SetImages(QStringLiteral(":/vud/Stop1"), QStringLiteral(":/vud/Stop2"), QStringLiteral(":/vud/Stop3"),
        QStringLiteral(":/vud/Stop4"), QString(), QString(), 12);
    m_btnCancel->move(325, 140);
    retranslate();
}

void CProgressDialog::retranslate()
{
    CommDialog::retranslate();
    m_btnCancel->SetText(tr("Stop"));
}

void CProgressDialog::SetText(const QString& text)
{
    m_fullText = text;
    m_label->ensurePolished(); // the style sheet's font
    const QString shown = m_label->fontMetrics().elidedText(text, Qt::ElideMiddle, m_label->width());
    m_label->setText(shown);
    m_label->setToolTip(shown == text ? QString() : text);
}

void CProgressDialog::SetDetail(const QString& text)
{
    m_detail->setText(text);
}

void CProgressDialog::SetRange(int minimum, int maximum)
{
    m_progress->setRange(minimum, maximum);
}

QString CProgressDialog::PercentText(int value, int minimum, int maximum)
{
    const qint64 span = qint64(maximum) - minimum;
    const double percent = span < 1 ? 0.0 : (qint64(value) - minimum) * 100.0 / double(span);
    QString text = QStringLiteral("%1%").arg(percent, 0, 'f', 2);
    if (text.endsWith(QLatin1String(".00%"))) {
        text.chop(4);
        text.append(QLatin1Char('%'));
    }
    return text;
}

void CProgressDialog::SetValue(int value)
{
    m_progress->setValue(value);
    m_progress->setFormat(PercentText(value, m_progress->minimum(), m_progress->maximum()));
}

bool CProgressDialog::IsFinished() const
{
    return m_progress->value() == m_progress->maximum();
}

void CProgressDialog::DisableStop()
{
    m_btnCancel->SetImages(QStringLiteral(":/vud/Stop1"), QStringLiteral(":/vud/Stop2"), QStringLiteral(":/vud/Stop3"),
        QStringLiteral(":/vud/Stop4"), QString(), QString(), 13);
    m_btnCancel->setEnabled(false);
    retranslate();
}

void CProgressDialog::reject()
{
}

void CProgressDialog::OnBtnCancel()
{
    hide();
    emit SigCancel();
}
