// Runner throughput: a child printing 500,000 short lines, every piece
// delivered to a receiver on the main (GUI) thread, against the child alone.
#include "runner/runcommandthread.h"

#include "benchmain.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>

#include <benchmark/benchmark.h>

namespace {

constexpr int Lines = 500000;
// 0: the whole output in one burst (seq); 1: a tool that prints as it works
// (a shell loop, one write per line).
QString script(int kind)
{
    if (kind == 0)
        return QStringLiteral("seq %1").arg(Lines);
    return QStringLiteral("i=0; while [ $i -lt %1 ]; do echo \" 42% 3 - sources/f$i.bin\"; i=$((i+1)); done")
        .arg(Lines);
}

void BM_ChildAlone(benchmark::State& state)
{
    for (auto _ : state) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script(int(state.range(0)))});
        qint64 bytes = 0;
        while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
            process.waitForReadyRead(100);
            bytes += process.readAll().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ChildAlone)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_RunnerToGuiThread(benchmark::State& state)
{
    qint64 pieces = 0;
    for (auto _ : state) {
        CRunCommandThread runner;
        QEventLoop loop;
        qint64 count = 0;
        QObject receiver;
        QObject::connect(
            &runner, &CRunCommandThread::standoutputline, &receiver, [&count](const QString&) { ++count; });
        QObject::connect(&runner, &CRunCommandThread::sigfinished, &loop, &QEventLoop::quit);
        runner.setCommand(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script(int(state.range(0)))});
        runner.start();
        loop.exec();
        runner.wait();
        if (count != Lines)
            state.SkipWithError("pieces lost");
        pieces += count;
    }
    state.counters["pieces/s"] = benchmark::Counter(double(pieces), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RunnerToGuiThread)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

QUILLON_BENCHMARK_MAIN()
