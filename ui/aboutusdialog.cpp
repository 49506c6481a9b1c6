#include "ui/aboutusdialog.h"

#include "ui/imagebutton.h"
#include "ui/messages.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QUrl>

CAboutusDialog::CAboutusDialog(QWidget* parent)
    : ImageDialog(parent)
{
    setObjectName(QStringLiteral("CAboutusDialog"));
    resize(595, 356);
    m_close = new CImageButton(this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setGeometry(360, 10, 21, 21);

    QFont noticeFont(QStringLiteral("Microsoft YaHei"));
    noticeFont.setPointSize(10);
    m_first = new QLabel(this);
    m_first->setObjectName(QStringLiteral("label_first"));
    m_first->setGeometry(50, 50, 351, 61);
    m_first->setFont(noticeFont);
    m_first->setTextFormat(Qt::RichText);
    m_first->setScaledContents(false);
    m_first->setWordWrap(true);

    QFont rightsFont(QStringLiteral("Microsoft YaHei"));
    rightsFont.setWeight(QFont::Normal);
    rightsFont.setStrikeOut(false);
    m_copyright = new QLabel(this);
    m_copyright->setObjectName(QStringLiteral("label_copyright"));
    m_copyright->setGeometry(50, 140, 381, 21);
    m_copyright->setFont(rightsFont);
    m_copyright->setIndent(-10);

    m_url = new QLabel(this);
    m_url->setObjectName(QStringLiteral("label_url"));
    m_url->setGeometry(50, 110, 361, 21);
    m_url->setTextFormat(Qt::RichText);
    m_url->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(m_url, &QLabel::linkActivated, this, &CAboutusDialog::openUrl);

    // The labels go right of the picture's illustration.
    if (SetBackgroundImage(QStringLiteral(":/vud/about_us")))
        m_pictureHeight = height();
    retranslate();
    SetDragEnabled(true);

    m_close->SetImages(QStringLiteral(":/vud/close_small_1"), QStringLiteral(":/vud/close_small_2"),
        QStringLiteral(":/vud/close_small_3"), QString(), QString(), QString(), 0);
    m_close->move(width() - m_close->width() - 1, 1);
    connect(m_close, qOverload<>(&CImageButton::clicked), this, &QWidget::close);
}

QString CAboutusDialog::ProjectUrl()
{
    return QStringLiteral("https://github.com/quillon-iso/quillon#readme");
}

void CAboutusDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ImageDialog::changeEvent(event);
}

void CAboutusDialog::retranslate()
{
    setWindowTitle(tr("About Quillon"));
    const QString doc =
        QStringLiteral("<html><head/><body><p><span style=\" font-size:10pt;\">%1</span></p></body></html>");
    m_first->setText(doc.arg(tr("Quillon is free software: you may copy and share it under its licence. "
                                "It comes with no warranty, so check every disk you write.")));
    m_copyright->setText(doc.arg(tr("Copyright (C) the Quillon developers.")));
    const QString url = ProjectUrl();
    m_url->setText(doc.arg(tr("Please visit offical site: ")
        + QStringLiteral("<br/><a href=\"%1\"><span style=\" text-decoration: underline; "
                         "color:#0000ff;\">%2</span></a>")
              .arg(url, QStringLiteral("github.com/quillon-iso/quillon"))));
    layoutTexts();
}

void CAboutusDialog::layoutTexts()
{
    if (m_pictureHeight == 0)
        return;
    // Stacked right of the illustration, each as tall as its wrapped text;
    // the window grows when a language needs more room than the picture.
    const int left = IllustrationWidth;
    const int textWidth = width() - left - 15;
    int y = 42;
    for (QLabel* label : {m_first, m_url, m_copyright}) {
        label->setWordWrap(true);
        const int h = label->heightForWidth(textWidth);
        label->setGeometry(left, y, textWidth, h);
        y += h + 4;
    }
    setFixedHeight(qMax(m_pictureHeight, y + 12));
}

void CAboutusDialog::openUrl(QString url)
{
    OpenUrl(url, this);
}
