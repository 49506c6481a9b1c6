// The burn and copy-disc pages:
// - a drive scan with no recorder and no removable disk (the real recorder on
//   this machine): the refresh against the recorder's run alone;
// - opening the burn page and the copy-disc page (first scan included);
// - copying a 450 MB disc through the copy-disc page against the stand-in
//   reader alone writing the same file.
#include "core/tools.h"
#include "pages/burnpage.h"
#include "pages/copydiscpage.h"
#include "runner/discreader.h"
#include "runner/recorder.h"

#include "benchmain.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

constexpr qint64 DiscSectors = 230400; // 450 MiB
QTemporaryDir* g_work = nullptr;
ScriptedDialogs g_dialogs; // the result messages must not wait for a click

double seconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

QString standIn()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/standin_disctool");
}

// Runs events until `signal` of `sender` comes (true) or the time is up.
template <class Sender, class Signal> bool waitFor(Sender* sender, Signal signal, int timeoutMs)
{
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, [&loop] { loop.exit(1); });
    QObject::connect(sender, signal, &loop, [&loop] { loop.exit(0); });
    return loop.exec() == 0;
}

bool runAlone(const QString& program, const QStringList& args)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(-1))
        return false;
    process.readAll();
    return process.exitStatus() == QProcess::NormalExit;
}

// The real recorder, the real system: no recorder, no removable disk here.
void BM_ScanWithoutDrives(benchmark::State& state)
{
    CBurnDialog page(nullptr, PageContext {&g_dialogs});
    std::vector<double> refresh;
    std::vector<double> alone;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        page.InitializeUSBAndDVDComboBox(0);
        refresh.push_back(seconds(timer));
        state.SetIterationTime(refresh.back());
        timer.start();
        runAlone(Tools::recorderTool(), Tools::scanBusArgs());
        alone.push_back(seconds(timer));
    }
    if (page.DiscList()->count() != 0 || page.UsbList()->count() != 0)
        state.SkipWithError("this machine has a drive: the figure needs none");
    state.counters["refresh_median_ms"] = 1000 * median(refresh);
    state.counters["tool_alone_median_ms"] = 1000 * median(alone);
    state.counters["after_tool_ms"] = 1000 * (median(refresh) - median(alone));
}

template <class Page> void openPage(benchmark::State& state)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        Page page(nullptr, PageContext {&g_dialogs});
        page.show();
        QCoreApplication::processEvents();
        state.SetIterationTime(seconds(timer));
    }
}

void BM_OpenBurnPage(benchmark::State& state)
{
    openPage<CBurnDialog>(state);
}

void BM_OpenCopyDiskPage(benchmark::State& state)
{
    openPage<CPage5>(state);
}

bool copyThroughPage(CPage5& page, const QString& target)
{
    bool succeeded = false;
    const QMetaObject::Connection result =
        QObject::connect(&page, &CPage5::sigReadEnded, [&succeeded](bool ok) { succeeded = ok; });
    g_dialogs.answers << target;
    page.OnBrowser();
    QEventLoop loop;
    QObject::connect(&page, &CPage5::sigReadEnded, &loop, &QEventLoop::quit);
    page.OnStart();
    if (page.ReadJob())
        loop.exec();
    QObject::disconnect(result);
    return succeeded;
}

// Both copies in every iteration, in turns, so both meet the same disk state.
void BM_CopyDiskPageVsAlone(benchmark::State& state)
{
    qputenv("QUILLON_STANDIN_SECTORS", QByteArray::number(DiscSectors));
    qputenv("QUILLON_STANDIN_OUTPUT", QByteArrayLiteral(QUILLON_TEST_DATA "/cdrskin/scanbus-two.txt"));
    PageContext context {&g_dialogs};
    context.tools.recorder = context.tools.reader = standIn();
    context.drives.probe = [] {
        Platform::OpticalDrive drive;
        drive.device = QStringLiteral("/dev/sr0");
        drive.hasAddress = true;
        drive.bus = 1;
        return QList<Platform::OpticalDrive> {drive};
    };
    CPage5 page(nullptr, context);
    if (page.IsScanning())
        waitFor(&page, &CPage5::sigScanEnded, 10000);
    if (page.DriveList()->count() == 0) {
        state.SkipWithError("no drive listed");
        return;
    }
    qputenv("QUILLON_STANDIN_OUTPUT", QByteArrayLiteral(QUILLON_TEST_DATA "/readom/read-ok.txt"));

    const QString target = g_work->path() + QStringLiteral("/disc.iso");
    const QStringList aloneArgs = Tools::readDiscArgs(QStringLiteral("1,0,0"), target);
    std::vector<double> pageTimes;
    std::vector<double> aloneTimes;
    std::vector<double> pairRatios; // neighbours in time meet the same load
    bool pageFirst = true;
    for (auto _ : state) {
        double pageTime = 0;
        double aloneTime = 0;
        for (int turn = 0; turn < 2; ++turn) {
            QElapsedTimer timer;
            timer.start();
            if ((turn == 0) == pageFirst) {
                if (!copyThroughPage(page, target))
                    state.SkipWithError("copy through the page failed");
                pageTime = seconds(timer);
            } else {
                if (!runAlone(standIn(), aloneArgs))
                    state.SkipWithError("the stand-in reader failed");
                aloneTime = seconds(timer);
            }
            QFile::remove(target);
        }
        pageFirst = !pageFirst;
        state.SetIterationTime(pageTime);
        pageTimes.push_back(pageTime);
        aloneTimes.push_back(aloneTime);
        pairRatios.push_back(aloneTime > 0 ? pageTime / aloneTime : 0);
    }
    const double pageMedian = median(pageTimes);
    const double alone = median(aloneTimes);
    state.counters["page_median_ms"] = 1000 * pageMedian;
    state.counters["alone_median_ms"] = 1000 * alone;
    state.counters["ratio"] = alone > 0 ? pageMedian / alone : 0;
    state.counters["pair_ratio_median"] = median(pairRatios);
    state.SetBytesProcessed(state.iterations() * DiscSectors * ReadDiscJob::SectorBytes);
}

BENCHMARK(BM_ScanWithoutDrives)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_OpenBurnPage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(BM_OpenCopyDiskPage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(BM_CopyDiskPageVsAlone)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/bench_burn-XXXXXX"));
    g_work = &work;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
