#include "burn/usbhelperclient.h"

#include "burn/usbhelperprotocol.h"

#include <QElapsedTimer>

// --- UsbHelperClient ----------------------------------------------------------------

UsbHelperClient::UsbHelperClient(QObject* parent)
    : QObject(parent)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &UsbHelperClient::readAnswers);
    connect(&m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this, &UsbHelperClient::onFinished);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            emit ended(tr("The USB helper could not be started: %1").arg(m_process.errorString()));
    });
}

UsbHelperClient::~UsbHelperClient()
{
    quit();
}

void UsbHelperClient::start(const QStringList& command)
{
    m_pending.clear();
    m_quitting = false;
    m_elevated = command.value(0).endsWith(QLatin1String("pkexec"));
    m_process.start(command.value(0), command.mid(1));
}

bool UsbHelperClient::isRunning() const
{
    return m_process.state() == QProcess::Running;
}

void UsbHelperClient::send(const QStringList& request)
{
    m_waiting = true;
    m_process.write(UsbHelperProtocol::encode(request));
}

void UsbHelperClient::readAnswers()
{
    m_pending += m_process.readAllStandardOutput();
    int at = 0;
    while ((at = m_pending.indexOf('\n')) >= 0) {
        const QStringList fields = UsbHelperProtocol::decode(m_pending.left(at + 1));
        m_pending.remove(0, at + 1);
        if (fields.value(0) != QLatin1String("progress")) {
            m_waiting = false;
            m_last = fields;
        }
        emit answered(fields);
    }
}

QStringList UsbHelperClient::call(const QStringList& request, int timeoutMs)
{
    if (!isRunning())
        return {};
    m_last.clear();
    send(request);
    QElapsedTimer waited;
    waited.start();
    while (m_waiting && isRunning() && waited.elapsed() < timeoutMs)
        m_process.waitForReadyRead(int(std::max<qint64>(1, timeoutMs - waited.elapsed())));
    return m_waiting ? QStringList() : m_last;
}

void UsbHelperClient::stopCurrent(int timeoutMs)
{
    if (!isRunning() || !m_waiting)
        return;
    m_process.write(UsbHelperProtocol::encode({QStringLiteral("stop")}));
    QElapsedTimer waited;
    waited.start();
    while (m_waiting && isRunning() && waited.elapsed() < timeoutMs)
        m_process.waitForReadyRead(int(std::max<qint64>(1, timeoutMs - waited.elapsed())));
}

void UsbHelperClient::quit()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_quitting = true;
    m_process.write(UsbHelperProtocol::encode({QStringLiteral("quit")}));
    m_process.closeWriteChannel();
    // It ends on its own once its input ends; root's process cannot be killed by us anyway.
    if (!m_process.waitForFinished(10000))
        m_process.kill();
    m_process.waitForFinished(1000);
}

void UsbHelperClient::onFinished(int exitCode, QProcess::ExitStatus status)
{
    readAnswers();
    if (m_quitting)
        return;
    // pkexec: 126 the user dismissed the dialog, 127 not authorised.
    if (m_elevated && status == QProcess::NormalExit && (exitCode == 126 || exitCode == 127))
        emit ended(tr("Authorisation was refused."));
    else
        emit ended(tr("The USB helper ended unexpectedly (exit status %1). %2")
                       .arg(exitCode)
                       .arg(QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed()));
}

// --- UsbHelperStep ------------------------------------------------------------------

UsbHelperStep::UsbHelperStep(const QString& name, const QString& stageText, UsbHelperClient* helper,
    std::function<Request()> prepare, QObject* parent)
    : Job(parent)
    , m_stageText(stageText)
    , m_helper(helper)
    , m_prepare(std::move(prepare))
{
    setName(name);
}

void UsbHelperStep::detach()
{
    disconnect(m_answers);
    disconnect(m_ends);
}

void UsbHelperStep::doStart()
{
    const Request request = m_prepare();
    if (!request.failure.isEmpty()) {
        fail(request.failure);
        return;
    }
    if (request.skip) {
        succeed();
        return;
    }
    if (!m_helper || !m_helper->isRunning()) {
        fail(tr("The USB helper is not running."));
        return;
    }
    setProgress(m_stageText, 0, 0);
    m_answers = connect(m_helper, &UsbHelperClient::answered, this, &UsbHelperStep::onAnswer);
    m_ends = connect(m_helper, &UsbHelperClient::ended, this, [this](const QString& why) {
        detach();
        fail(why);
    });
    m_helper->send(request.fields);
}

void UsbHelperStep::onAnswer(const QStringList& fields)
{
    const QString kind = fields.value(0);
    if (kind == QLatin1String("progress")) {
        const qint64 done = fields.value(1).toLongLong();
        const qint64 total = fields.value(2).toLongLong();
        // Bytes: the burn shows them with speed and time left.
        setProgress(m_stageText, done, total);
        return;
    }
    detach();
    if (kind == QLatin1String("ok")) {
        const QString reason = accept ? accept(fields.value(1)) : QString();
        if (reason.isEmpty())
            succeed();
        else
            fail(reason);
        return;
    }
    const QString why = fields.value(1);
    fail(explain ? explain(why) : why);
}

void UsbHelperStep::doStop()
{
    detach();
    if (m_helper)
        m_helper->stopCurrent(30000);
}

// --- UsbHelperStartStep -------------------------------------------------------------

UsbHelperStartStep::UsbHelperStartStep(UsbHelperClient* helper, std::function<QStringList()> command, QObject* parent)
    : Job(parent)
    , m_helper(helper)
    , m_command(std::move(command))
{
    setName(tr("Starting the USB helper"));
}

void UsbHelperStartStep::doStart()
{
    setProgress(tr("Waiting for authorisation..."), 0, 0);
    m_answers = connect(m_helper, &UsbHelperClient::answered, this, [this](const QStringList& fields) {
        disconnect(m_answers);
        disconnect(m_ends);
        if (fields.value(0) == QLatin1String("ready"))
            succeed();
        else if (fields.value(0) == QLatin1String("refused"))
            fail(fields.value(1));
        else
            fail(tr("The USB helper answered %1.").arg(fields.join(QLatin1Char(' '))));
    });
    m_ends = connect(m_helper, &UsbHelperClient::ended, this, [this](const QString& why) {
        disconnect(m_answers);
        disconnect(m_ends);
        fail(why);
    });
    m_helper->start(m_command());
}

void UsbHelperStartStep::doStop()
{
    disconnect(m_answers);
    disconnect(m_ends);
    if (m_helper)
        m_helper->quit();
}
