// The helper's frame: the device check at start, tool runs, and the loop that
// reads requests and answers them. The operations themselves are in
// usbhelperdisk.cpp (table, file system, boot code) and usbhelperimage.cpp
// (raw write and read-back).
#include "helper/usbhelper.h"

#include "burn/usbhelperprotocol.h"
#include "platform/drives.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// "progress DONE TOTAL", formatted on the stack: the one place where the
// helper's own code gives the fortified C library something to check.
QByteArray progressLine(qint64 done, qint64 total)
{
    char line[64];
    const int n = std::snprintf(
        line, sizeof line, "progress\t%lld\t%lld\n", static_cast<long long>(done), static_cast<long long>(total));
    return QByteArray(line, std::max(0, std::min(n, int(sizeof line) - 1)));
}

} // namespace

QString UsbHelper::lastLines(const QByteArray& output)
{
    QStringList lines;
    for (const QString& line : QString::fromLocal8Bit(output).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines.mid(std::max(0, int(lines.size()) - 3)).join(QLatin1Char(' '));
}

QString UsbHelper::systemProgram(const QString& tool)
{
    static const QStringList folders {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin"),
        QStringLiteral("/bin"), QStringLiteral("/usr/lib/grub/i386-pc")};
    return QStandardPaths::findExecutable(tool, folders);
}

QString UsbHelper::readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).trimmed() : QString();
}

QString UsbHelper::errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

int UsbHelper::callerUid()
{
    bool ok = false;
    const int uid = qEnvironmentVariable("PKEXEC_UID").toInt(&ok);
    return ok ? uid : -1;
}

void UsbHelper::answerProgress(qint64 done, qint64 total) const
{
    const QByteArray line = progressLine(done, total);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

UsbHelper::UsbHelper(const QString& device, bool allowLoop)
    : m_device(device)
    , m_name(QFileInfo(device).fileName())
{
    static const QRegularExpression wholeDisk(QStringLiteral("^/dev/(sd[a-z]+|mmcblk\\d+|nvme\\d+n\\d+|loop\\d+)$"));
    struct stat st = {};
    if (!wholeDisk.match(device).hasMatch() || ::stat(QFile::encodeName(device).constData(), &st) != 0
        || !S_ISBLK(st.st_mode) || !QFileInfo::exists(QStringLiteral("/sys/block/") + m_name)) {
        m_refusal = QStringLiteral("%1 is not a whole disk.").arg(device);
        return;
    }
    bool listed = false;
    for (const Platform::UsbDisk& disk : Platform::usbDisks())
        listed = listed || disk.device == device;
    // Only root itself may stand a loop device in for a stick, never a user through pkexec.
    if (!listed && allowLoop && m_name.startsWith(QLatin1String("loop")) && ::getuid() == 0 && callerUid() < 0)
        listed = true;
    if (!listed) {
        m_refusal = QStringLiteral("%1 is not a USB disk Quillon lists; it was left alone.").arg(device);
        return;
    }
    m_size = readText(QStringLiteral("/sys/block/%1/size").arg(m_name)).toLongLong() * 512;
    if (m_size <= 0)
        m_refusal = QStringLiteral("%1 holds no medium.").arg(device);
}

void UsbHelper::answer(const QStringList& fields) const
{
    const QByteArray line = UsbHelperProtocol::encode(fields);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

QString UsbHelper::run(const QString& tool, const QStringList& arguments, const QByteArray& input)
{
    const QString program = systemProgram(tool);
    if (program.isEmpty())
        return QStringLiteral("%1 is not installed.").arg(tool);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return QStringLiteral("%1 did not start: %2").arg(tool, process.errorString());
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return QString();
    return QStringLiteral("%1 ended with exit status %2: %3")
        .arg(tool)
        .arg(process.exitCode())
        .arg(lastLines(process.readAll()));
}

bool UsbHelper::stopAsked()
{
    pollfd fd {m_in, POLLIN, 0};
    while (!m_eof && ::poll(&fd, 1, 0) > 0) {
        char buffer[256];
        const ssize_t n = ::read(m_in, buffer, sizeof buffer);
        if (n <= 0) {
            m_eof = true;
            break;
        }
        m_pending.append(buffer, int(n));
    }
    int at = 0;
    while ((at = m_pending.indexOf('\n')) >= 0) {
        const QStringList request = UsbHelperProtocol::decode(m_pending.left(at + 1));
        m_pending.remove(0, at + 1);
        if (request.value(0) == QLatin1String("stop"))
            m_stopped = true;
    }
    return m_stopped || m_eof;
}

int UsbHelper::serve(int in)
{
    m_in = in;
    for (;;) {
        int at = m_pending.indexOf('\n');
        while (at < 0 && !m_eof) {
            char buffer[4096];
            const ssize_t n = ::read(m_in, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                m_eof = true;
                break;
            }
            m_pending.append(buffer, int(n));
            at = m_pending.indexOf('\n');
        }
        if (at < 0)
            return 0; // Quillon went away
        const QStringList request = UsbHelperProtocol::decode(m_pending.left(at + 1));
        m_pending.remove(0, at + 1);
        const QString what = request.value(0);
        m_stopped = false;
        QString failure;
        QString value;
        if (what == QLatin1String("quit"))
            return 0;
        if (what == QLatin1String("stop") || what.isEmpty())
            continue; // late: what it stopped has already ended
        if (what == QLatin1String("unmount"))
            failure = unmountAll();
        else if (what == QLatin1String("wipe"))
            failure = wipe();
        else if (what == QLatin1String("partition") && request.size() == 3)
            failure = partition(request.at(1), request.at(2), value);
        else if (what == QLatin1String("format") && request.size() == 3)
            failure = format(request.at(1), request.at(2));
        else if (what == QLatin1String("mount") && request.size() == 3)
            failure = mount(request.at(1), request.at(2));
        else if (what == QLatin1String("bios-boot") && request.size() == 2)
            failure = biosBoot(request.at(1));
        else if (what == QLatin1String("check") && request.size() == 2)
            failure = check(request.at(1));
        else if (what == QLatin1String("write") && request.size() == 2)
            failure = writeImage(request.at(1));
        else if (what == QLatin1String("verify") && request.size() == 2)
            failure = verifyImage(request.at(1));
        else if (what == QLatin1String("flush"))
            failure = flush();
        else
            failure = QStringLiteral("Unknown request %1.").arg(what);
        if (failure.isEmpty())
            answer(value.isEmpty() ? QStringList {QStringLiteral("ok")} : QStringList {QStringLiteral("ok"), value});
        else
            answer({QStringLiteral("error"), failure});
        if (m_eof)
            return 0;
    }
}
