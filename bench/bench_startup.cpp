// Start-up to the first painted window, headless: the build tree's program
// against the installed one (/usr/lib/quillon/quillon, when the package is
// installed). Wall time covers the process from exec to exit; "shown_ms" is
// what the program itself measured until its window was painted.
#include "core/util.h"

#include "benchmain.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString program(int installed)
{
    return installed ? QStringLiteral("/usr/lib/quillon/quillon") : AppDir() + QStringLiteral("/quillon");
}

void BM_StartupToFirstPaint(benchmark::State& state)
{
    const QString path = program(int(state.range(0)));
    if (!QFileInfo(path).isExecutable()) {
        state.SkipWithError("not installed (install build/package/quillon_*.deb)");
        return;
    }
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QUILLON_EXIT_AFTER_SHOWN"), QStringLiteral("1"));
    env.insert(QStringLiteral("HOME"), home.path());
    const QRegularExpression shown(QStringLiteral("first painted after (\\d+) ms"));
    double shownMs = 0;
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(path, QStringList());
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not start and quit");
            return;
        }
        const QRegularExpressionMatch match = shown.match(QString::fromUtf8(process.readAllStandardOutput()));
        if (!match.hasMatch()) {
            state.SkipWithError("no start-up report");
            return;
        }
        shownMs += match.captured(1).toDouble();
    }
    state.counters["shown_ms"] = benchmark::Counter(shownMs / double(state.iterations()));
    state.SetLabel(path.toStdString());
}
BENCHMARK(BM_StartupToFirstPaint)
    ->ArgName("installed")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);

} // namespace

QUILLON_BENCHMARK_MAIN()
