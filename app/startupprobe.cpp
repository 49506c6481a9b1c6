#include "app/startupprobe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {
class StartupProbe : public QObject
{
public:
    StartupProbe(QWidget* window, const QElapsedTimer& clock)
        : QObject(window)
        , m_clock(clock)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && m_shownMs < 0)
            m_shownMs = m_clock.elapsed();
        if (event->type() == QEvent::Paint && m_shownMs >= 0 && !m_done) {
            m_done = true;
            const qint64 paintedMs = m_clock.elapsed();
            std::printf("startup: window shown after %lld ms, first painted after %lld ms\n",
                        static_cast<long long>(m_shownMs), static_cast<long long>(paintedMs));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer m_clock;
    qint64 m_shownMs = -1;
    bool m_done = false;
};
} // namespace

void QuitAfterFirstShowIfAsked(QWidget* window, const QElapsedTimer& sinceStart)
{
    if (!qEnvironmentVariableIsSet("QUILLON_EXIT_AFTER_SHOWN"))
        return;
    window->installEventFilter(new StartupProbe(window, sinceStart));
}
