#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/startupprobe.h"
#include "core/trace.h"
#include "core/util.h"
#include "image/stagedcontent.h"

#include <QApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QFont>
#include <QLocale>
#include <QTextCodec>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
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

    MainWindow window(nullptr);
    QuitAfterFirstShowIfAsked(&window, sinceStart);
    window.show();
    const QString image = ImageArgument(QCoreApplication::arguments());
    if (!image.isEmpty())
        window.OpenImage(image);
    return app.exec();
}
