#include "app/cli.h"
#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/startupprobe.h"
#include "core/trace.h"
#include "core/util.h"
#include "image/stagedcontent.h"
#include "platform/leftovers.h"

#include <QApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QFont>
#include <QLocale>
#include <QTextCodec>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Qt aborts when it cannot reach the display; say why instead.
bool displayReachable()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QCoreApplication::setApplicationName(QStringLiteral("quillon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));

    const QStringList arguments = argumentsOf(argc, argv);
    if (IsCommandLineRun(arguments)) {
        QCoreApplication app(argc, argv);
        return RunCommandLine(QCoreApplication::arguments());
    }
    QString pageError;
    const QString page = PageArgument(arguments, &pageError);
    if (!pageError.isEmpty()) {
        std::fprintf(stderr, "quillon: %s\n", qPrintable(pageError));
        return 2;
    }
    if (!displayReachable()) {
        std::fprintf(stderr,
            "quillon: no display found (DISPLAY and WAYLAND_DISPLAY are not set). Start it on a "
            "desktop, under xvfb-run, or use a subcommand (quillon --help).\n");
        return 1;
    }

    // Scaled windows follow the screen; the pictures have 2x twins for them.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    qCDebug(lcTrace) << "data path" << Util::GetDataPath();

    QFont font;
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    QApplication::setFont(font);

    QTextCodec* codec = QTextCodec::codecForLocale();
    qCDebug(lcTrace) << codec->name() << codec->aliases() << Util::GetDataPath();

    // A missing translation file leaves the English source texts.
    QTranslator translator;
    const QLocale locale;
    translator.load(AppDir() + Util::TranslationFileFor(locale));
    QCoreApplication::installTranslator(&translator);

    // Staged copies of runs that ended without cleaning up (a crash, a power cut).
    StagedContent::RemoveStaleFolders();
    // Working items that crashed runs left beside the user's files.
    for (const QString& removed : Leftovers::RemoveFromEndedRuns())
        qCDebug(lcTrace) << "removed a crashed run's" << removed;

    MainWindow window(nullptr);
    window.RestoreLanguage();
    QuitAfterFirstShowIfAsked(&window, sinceStart);
    window.show();
    const QString image = ImageArgument(QCoreApplication::arguments());
    window.OpenStartPage(page, image);
    return app.exec();
}
