#include "platform/process.h"

#include <QThread>

#include <csignal>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>

namespace Platform {

QString exeSuffix()
{
    return QString();
}

void signalProcess(qint64 pid, bool force)
{
    if (pid <= 0)
        return;
    const int sig = force ? SIGKILL : SIGTERM;
    // The group outlives its leader while a child of the tool still runs.
    if (::kill(-pid_t(pid), sig) != 0)
        ::kill(pid_t(pid), sig);
}

void startOwnProcessGroup()
{
    ::setpgid(0, 0);
}

ChildExitWatch::ChildExitWatch(qint64 pid)
{
#ifdef SYS_pidfd_open
    if (pid > 0)
        m_handle = qintptr(::syscall(SYS_pidfd_open, pid_t(pid), 0));
#else
    Q_UNUSED(pid);
#endif
}

ChildExitWatch::~ChildExitWatch()
{
    if (m_handle >= 0)
        ::close(int(m_handle));
}

bool ChildExitWatch::wait(int ms)
{
    if (m_handle < 0) {
        QThread::msleep(ulong(ms));
        return true;
    }
    pollfd fd {int(m_handle), POLLIN, 0};
    return ::poll(&fd, 1, ms) != 0;
}

static bool isUtf8(const QString& value)
{
    return value.contains(QLatin1String("UTF-8"), Qt::CaseInsensitive)
        || value.contains(QLatin1String("utf8"), Qt::CaseInsensitive);
}

QProcessEnvironment toolEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // LC_ALL would override LC_NUMERIC; keep its character set as LC_CTYPE.
    QString ctype = env.value(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_ALL"));
    if (ctype.isEmpty())
        ctype = env.value(QStringLiteral("LC_CTYPE"), env.value(QStringLiteral("LANG")));
    if (!isUtf8(ctype))
        ctype = QStringLiteral("C.UTF-8");
    env.insert(QStringLiteral("LC_CTYPE"), ctype);
    env.insert(QStringLiteral("LC_NUMERIC"), QStringLiteral("C"));
    return env;
}

} // namespace Platform
