#pragma once

#include "core/job.h"

#include <QPointer>
#include <QProcess>
#include <QStringList>

#include <functional>

// Quillon's end of quillon-usb-helper: the one process of a burn that may
// write to the stick (burn/usbhelperprotocol.h). It asks for authentication
// once, when it starts; requests then go one at a time.
class UsbHelperClient : public QObject {
    Q_OBJECT
public:
    explicit UsbHelperClient(QObject* parent = nullptr);
    // Tells the helper to quit and waits a little for it.
    ~UsbHelperClient() override;

    // `command`: program and arguments (pkexec first when we are not root).
    void start(const QStringList& command);
    bool isRunning() const;
    void send(const QStringList& request);
    // Waits for the answer to a request (progress aside); empty when the
    // helper ended or took longer than `timeoutMs`.
    QStringList call(const QStringList& request, int timeoutMs);
    // Asks the helper to end the long operation under way and waits for its
    // answer, so that the next request can follow.
    void stopCurrent(int timeoutMs);
    void quit();

signals:
    // "ready", "refused", "progress", "ok" or "error", with their fields.
    void answered(QStringList fields);
    // The helper is gone before it quit: why, in the user's words.
    void ended(QString why);

private:
    void readAnswers();
    void onFinished(int exitCode, QProcess::ExitStatus status);

    QProcess m_process;
    QByteArray m_pending;
    bool m_elevated = false;
    bool m_quitting = false;
    bool m_waiting = false; // a request's answer has not come yet
    QStringList m_last; // the last final answer, for call()
};

// One request to the helper as a step of a burn. The request is decided when
// the step begins, from what earlier steps found.
class UsbHelperStep : public Job {
    Q_OBJECT
public:
    struct Request {
        QStringList fields;
        bool skip = false; // nothing to do: the step succeeds at once
        QString failure; // the step fails at once with this reason
    };

    UsbHelperStep(const QString& name, const QString& stageText, UsbHelperClient* helper,
        std::function<Request()> prepare, QObject* parent = nullptr);

    // Takes the value of an "ok"; returns the reason of a failure, or empty.
    std::function<QString(const QString& value)> accept;
    // Turns the helper's reason into the user's message.
    std::function<QString(const QString& why)> explain;

protected:
    void doStart() override;
    void doStop() override;

private:
    void onAnswer(const QStringList& fields);
    void detach();

    QString m_stageText;
    QPointer<UsbHelperClient> m_helper;
    std::function<Request()> m_prepare;
    QMetaObject::Connection m_answers;
    QMetaObject::Connection m_ends;
};

// Starts the helper for the burn's device: ends when it is ready, refused, or
// authentication failed.
class UsbHelperStartStep : public Job {
    Q_OBJECT
public:
    UsbHelperStartStep(UsbHelperClient* helper, std::function<QStringList()> command, QObject* parent = nullptr);

protected:
    void doStart() override;
    void doStop() override;

private:
    QPointer<UsbHelperClient> m_helper;
    std::function<QStringList()> m_command;
    QMetaObject::Connection m_answers;
    QMetaObject::Connection m_ends;
};
