#pragma once

#include "ui/imagebutton.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QObject>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

// Receives the addresses the program opens, instead of a browser or file manager
// (register with QDesktopServices::setUrlHandler(scheme, &recorder, "open")).
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

// Clicks the picture button with that object name below `parent`.
inline void clickButton(QWidget* parent, const char* name,
                        Qt::FindChildOptions options = Qt::FindChildrenRecursively)
{
    auto* button = parent->findChild<CImageButton*>(QLatin1String(name), options);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}

// Clicks a button that opens a popup menu; the menu closes as soon as it runs.
inline void clickMenuButton(QWidget* parent, const char* name)
{
    QTimer::singleShot(0, [] { QApplication::activePopupWidget()->close(); });
    clickButton(parent, name);
}

// While it lives, answers every dialog of that type run with exec(): inside
// the dialog's modal loop, `answer` may inspect it or press its buttons; the
// dialog then ends with the code returned unless the answer closed it.
template <class Dialog = QDialog>
class ModalAnswers : public QObject
{
public:
    explicit ModalAnswers(std::function<int(Dialog*)> answer) : m_answer(std::move(answer))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<Dialog*>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isModal()) {
            QTimer::singleShot(0, dialog, [dialog, answer = m_answer] {
                if (dialog->isVisible()) {
                    const int code = answer(dialog);
                    if (dialog->isVisible())
                        dialog->done(code);
                }
            });
        }
        return false;
    }

private:
    std::function<int(Dialog*)> m_answer;
};
