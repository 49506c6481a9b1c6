#include "ui/commdialog.h"

#include "core/trace.h"
#include "ui/imagebutton.h"
#include "ui/messages.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QUrl>

#ifdef Q_OS_WIN
#include <shellapi.h>
#include <windows.h>
#endif

bool OpenInExplorer(const QString& folder)
{
#ifdef Q_OS_WIN
    const QByteArray path = QDir::toNativeSeparators(folder).toLocal8Bit();
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(
               ShellExecuteA(nullptr, "open", "explorer.exe", path.constData(), nullptr, SW_SHOWNORMAL))
        > 32;
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
#endif
}

CommDialog::CommDialog(QWidget* parent)
    : ImageDialog(parent)
{
    setObjectName(QStringLiteral("CommDialog"));
    resize(420, 188);

    m_btnClose = new CImageButton(this);
    m_btnClose->setObjectName(QStringLiteral("btnclose"));
    m_btnClose->setGeometry(382, 10, 28, 25);
    m_btnOk = new CImageButton(this);
    m_btnOk->setObjectName(QStringLiteral("btnok"));
    m_btnOk->setGeometry(80, 140, 91, 21);
    m_btnCancel = new CImageButton(this);
    m_btnCancel->setObjectName(QStringLiteral("btncancel"));
    m_btnCancel->setGeometry(260, 140, 91, 21);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setGeometry(40, 70, 351, 61);
    m_label->setStyleSheet(QStringLiteral("font:13px;\ncolor:#606060;"));
    m_label->setWordWrap(false);
    m_label->setText(QStringLiteral("TextLabel"));

    m_folder.clear();
    setWindowTitle(QStringLiteral("Quillon"));
    SetDragEnabled(true);
    setModal(true);
    SetBackgroundImage(QStringLiteral(":/vud/commdialogbg"));

    m_btnClose->SetImages(QStringLiteral(":/vud/close_small_1"), QStringLiteral(":/vud/close_small_2"),
        QStringLiteral(":/vud/close_small_3"), QStringLiteral(":/vud/close_small_3"), QString(), QString(), 0);
    m_btnOk->SetImages(QStringLiteral(":/vud/OK1"), QStringLiteral(":/vud/OK2"), QStringLiteral(":/vud/OK3"),
        QStringLiteral(":/vud/OK3"), QString(), QString(), 5);
    m_btnCancel->SetImages(QStringLiteral(":/vud/NO_1"), QStringLiteral(":/vud/NO_2"), QStringLiteral(":/vud/NO_3"),
        QStringLiteral(":/vud/NO_3"), QString(), QString(), 4);
    retranslate();

    connect(m_btnCancel, qOverload<>(&CImageButton::clicked), this, &CommDialog::OnBtnCancel);
    connect(m_btnClose, qOverload<>(&CImageButton::clicked), this, &CommDialog::OnBtnClose);
    connect(m_btnOk, qOverload<>(&CImageButton::clicked), this, &CommDialog::OnBtnOK);
}

bool CommDialog::SetBackgroundImage(const QString& name)
{
    if (!ImageDialog::SetBackgroundImage(name))
        return false;
    if (name != QLatin1String(":/vud/commdialogbg")) {
        m_label->setGeometry(IllustrationWidth, 50, width() - IllustrationWidth - 20, 80);
        m_btnOk->move(IllustrationWidth + 10, 140);
        m_btnCancel->move(IllustrationWidth + 150, 140);
    }
    return true;
}

void CommDialog::SetText(const QString& text)
{
    m_label->setText(text);
}

QString CommDialog::Text() const
{
    return m_label->text();
}

void CommDialog::SetWordWrap()
{
    m_label->setWordWrap(true);
}

void CommDialog::SetSingleButton()
{
    m_btnCancel->hide();
    m_btnOk->move((width() - m_btnOk->width()) / 2, m_btnOk->y());
}

void CommDialog::SetChoices(const QStringList& texts)
{
    m_btnOk->hide();
    m_btnCancel->hide();
    constexpr int Gap = 16;
    QList<CImageButton*> buttons;
    int total = -Gap;
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new CImageButton(this);
        button->setObjectName(QStringLiteral("btnchoice%1").arg(i));
        button->SetImages(QStringLiteral(":/vud/OK1"), QStringLiteral(":/vud/OK2"), QStringLiteral(":/vud/OK3"),
            QStringLiteral(":/vud/OK3"), texts.at(i), QString(), 5);
        connect(button, qOverload<>(&CImageButton::clicked), this, [this, i] { done(i + 1); });
        total += button->width() + Gap;
        buttons << button;
    }
    m_choices = buttons;
    int x = m_label->x() + (m_label->width() - total) / 2;
    for (CImageButton* button : qAsConst(buttons)) {
        button->move(x, m_btnOk->y());
        x += button->width() + Gap;
    }
}

void CommDialog::SetOpenFolder(const QString& folder)
{
    m_folder = folder;
    m_btnCancel->SetImages(QStringLiteral(":/vud/Open-Folder1"), QStringLiteral(":/vud/Open-Folder2"),
        QStringLiteral(":/vud/Open-Folder2"), QStringLiteral(":/vud/Open-Folder3"), QString(), QString(), 14);
    retranslate();
}

void CommDialog::retranslate()
{
    m_btnOk->SetText(tr("OK"));
    m_btnCancel->SetText(m_folder.isEmpty() ? tr("NO") : tr("Open Folder"));
}

void CommDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ImageDialog::changeEvent(event);
}

int CommDialog::exec()
{
    GrowToText(m_label);
    return ImageDialog::exec();
}

CImageButton* CommDialog::DefaultButton() const
{
    if (!m_btnOk->isHidden() && m_btnOk->isEnabled())
        return m_btnOk;
    if (!m_choices.isEmpty())
        return m_choices.first();
    return nullptr;
}

void CommDialog::showEvent(QShowEvent* event)
{
    ImageDialog::showEvent(event);
    // Space then presses it, and the focus frame shows which button that is.
    if (CImageButton* button = DefaultButton())
        if (!focusWidget() || !focusWidget()->inherits("QLineEdit"))
            button->setFocus(Qt::OtherFocusReason);
}

void CommDialog::keyPressEvent(QKeyEvent* event)
{
    // A focused button takes Enter itself; from anywhere else (the name
    // field of a prompt) Enter presses the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (CImageButton* button = DefaultButton())
            button->Click();
        event->accept();
        return;
    }
    ImageDialog::keyPressEvent(event);
}

void CommDialog::OnBtnCancel()
{
    if (m_folder.isEmpty()) {
        done(QDialog::Rejected);
        return;
    }
    if (!OpenInExplorer(m_folder))
        ShowMessage(
            tr("No file manager could be opened. The folder is:\n%1").arg(QDir::toNativeSeparators(m_folder)), this);
}

void CommDialog::OnBtnOK()
{
    done(QDialog::Accepted);
}

void CommDialog::OnBtnClose()
{
    done(QDialog::Rejected);
}
