#include "app/startupprobe.h"

#include "core/tools.h"
#include "core/util.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <cstdio>

namespace {
void printLayout()
{
    std::printf("startup: application directory %s\n", qPrintable(AppDir()));
    const QString tools[] = {
        Tools::archiveTool(), Tools::recorderTool(), Tools::readerTool(), Tools::builderTool(), Tools::splitterTool()};
    for (const QString& tool : tools)
        std::printf("startup: tool %s %s\n", qPrintable(tool), QFileInfo(tool).isExecutable() ? "found" : "missing");
    const QString translation = AppDir() + Util::TranslationFileFor(QLocale());
    QTranslator translator;
    std::printf(
        "startup: translation %s %s\n", qPrintable(translation), translator.load(translation) ? "loaded" : "missing");
}

class StartupProbe : public QObject {
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
            printLayout();
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
