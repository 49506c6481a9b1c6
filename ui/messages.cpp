#include "ui/messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QDesktopServices>
#include <QQueue>
#include <QUrl>

#include "ui/commdialog.h"
#include "ui/gerneraldialog.h"

namespace {

struct MessageSeam
{
    bool enabled = false;
    QQueue<int> answers;
    QList<ShownMessage> shown;
};

MessageSeam& seam()
{
    static MessageSeam instance;
    return instance;
}

// In test mode: records the message instead of showing it.
bool record(ShownMessage::Kind kind, const QString& text, const QString& picture = QString(),
            const QString& folder = QString(), const QStringList& choices = QStringList())
{
    MessageSeam& s = seam();
    if (!s.enabled)
        return false;
    ShownMessage m;
    m.kind = kind;
    m.text = text;
    m.picture = picture;
    m.folder = folder;
    m.choices = choices;
    s.shown << m;
    return true;
}

} // namespace

int AskQuestion(const QString& picture, const QString& text, QWidget* parent)
{
    if (record(ShownMessage::Question, text, picture))
        return seam().answers.isEmpty() ? 0 : seam().answers.dequeue();
    CommDialog dialog(parent);
    dialog.SetWordWrap();
    dialog.SetBackgroundImage(picture);
    dialog.SetText(text);
    return dialog.exec();
}

int AskChoice(const QString& text, const QStringList& choices, QWidget* parent)
{
    if (record(ShownMessage::Choice, text, QString(), QString(), choices))
        return seam().answers.isEmpty() ? -1 : seam().answers.dequeue();
    CommDialog dialog(parent);
    dialog.SetWordWrap();
    dialog.SetText(text);
    dialog.SetChoices(choices);
    return dialog.exec() - 1;
}

void ShowMessage(const QString& text, QWidget* parent)
{
    if (record(ShownMessage::Message, text))
        return;
    CommDialog dialog(parent);
    dialog.SetWordWrap();
    dialog.SetText(text);
    dialog.SetSingleButton();
    dialog.exec();
}

void ShowOpenFolderMessage(const QString& text, const QString& folder, QWidget* parent)
{
    if (record(ShownMessage::OpenFolder, text, QString(), folder))
        return;
    CommDialog dialog(parent);
    dialog.SetText(text);
    dialog.SetOpenFolder(folder);
    dialog.exec();
}

void ShowPictureMessage(const QString& picture, const QString& text, int okY, QWidget* parent)
{
    if (record(ShownMessage::Picture, text, picture))
        return;
    GerneralDialog dialog(parent);
    dialog.SetContent(picture, text);
    dialog.AddOkButton(okY, 0);
    dialog.exec();
}

void SetBusyCursor()
{
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void OpenUrl(const QString& url, QWidget* parent)
{
    if (!QDesktopServices::openUrl(QUrl(url)))
        ShowMessage(QCoreApplication::translate("Messages", "No web browser could be opened. The address is:\n%1")
                        .arg(url),
                    parent);
}

namespace MessageTest {

void setEnabled(bool on)
{
    seam() = MessageSeam();
    seam().enabled = on;
}

bool enabled()
{
    return seam().enabled;
}

void queueAnswers(const QList<int>& answers)
{
    for (int a : answers)
        seam().answers.enqueue(a);
}

QList<ShownMessage> shown()
{
    return seam().shown;
}

ShownMessage last()
{
    return seam().shown.isEmpty() ? ShownMessage() : seam().shown.last();
}

void clear()
{
    seam().shown.clear();
    seam().answers.clear();
}

} // namespace MessageTest
