#include "platform/process.h"

#include <csignal>
#include <sys/types.h>

namespace Platform {

QString exeSuffix()
{
    return QString();
}

void signalProcess(qint64 pid, bool force)
{
    if (pid > 0)
        ::kill(pid_t(pid), force ? SIGKILL : SIGTERM);
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
