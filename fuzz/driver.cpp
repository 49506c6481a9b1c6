// Runs a fuzz target without libFuzzer (no clang needed): replays the seed
// corpus, then feeds mutations of it until the time is up. A crash or an
// abort() in the target ends the process, which fails the test.
//
//   fuzz_x [-seconds=N] [-seed=N] corpus-folder-or-file...
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

// Bytes the parsers care about, spliced in now and then.
const char* const Tokens[] = {"\n", "\r\n", "\r", "\b", " ", "-------------------", "Type = Iso\n", "Type = zip\n",
    "% ", " - ", "D....", "\\", "/", "..", "ERROR: ", "\xc3\xbc", "\xff", "\x01", "\x55\xaa", "EL TORITO SPECIFICATION",
    "CD001"};

QByteArray mutate(QByteArray input, const std::vector<QByteArray>& corpus, QRandomGenerator& random)
{
    const int rounds = 1 + int(random.bounded(4u));
    for (int r = 0; r < rounds; ++r) {
        const int at = input.isEmpty() ? 0 : int(random.bounded(quint32(input.size())));
        switch (random.bounded(7u)) {
        case 0: // flip a bit
            if (!input.isEmpty())
                input[at] = char(input[at] ^ (1 << random.bounded(8u)));
            break;
        case 1: // set a byte
            if (!input.isEmpty())
                input[at] = char(random.bounded(256u));
            break;
        case 2: // drop a range
            input.remove(at, 1 + int(random.bounded(32u)));
            break;
        case 3: // repeat a range
            input.insert(at, input.mid(at, 1 + int(random.bounded(64u))));
            break;
        case 4: // a token
            input.insert(at, Tokens[random.bounded(quint32(sizeof Tokens / sizeof *Tokens))]);
            break;
        case 5: { // a piece of another seed
            const QByteArray& other = corpus[random.bounded(quint32(corpus.size()))];
            if (!other.isEmpty()) {
                const int from = int(random.bounded(quint32(other.size())));
                input.insert(at, other.mid(from, 1 + int(random.bounded(256u))));
            }
            break;
        }
        default: // random bytes
            for (int k = int(random.bounded(8u)); k >= 0; --k)
                input.insert(at, char(random.bounded(256u)));
        }
    }
    return input.left(1 << 16);
}

const QByteArray* g_current = nullptr;

// Keeps the input that failed, as libFuzzer would, for replaying it.
void saveFailure(int signal)
{
    const int fd = ::open("fuzz-failure.bin", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0 && g_current) {
        const ssize_t written = ::write(fd, g_current->constData(), size_t(g_current->size()));
        (void)written;
        ::close(fd);
    }
    static const char note[] = "failing input written to fuzz-failure.bin\n";
    const ssize_t shown = ::write(2, note, sizeof note - 1);
    (void)shown;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

int run(const QByteArray& input)
{
    g_current = &input;
    return LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    double seconds = 3;
    quint32 seed = QRandomGenerator::global()->generate();
    std::vector<QByteArray> corpus;
    for (const QString& arg : app.arguments().mid(1)) {
        if (arg.startsWith(QLatin1String("-seconds=")))
            seconds = arg.mid(9).toDouble();
        else if (arg.startsWith(QLatin1String("-seed=")))
            seed = arg.mid(6).toUInt();
        else
            for (const QFileInfo& info : QFileInfo(arg).isDir() ? QDir(arg).entryInfoList(QDir::Files, QDir::Name)
                                                                : QFileInfoList {QFileInfo(arg)}) {
                QFile file(info.filePath());
                if (file.open(QIODevice::ReadOnly))
                    corpus.push_back(file.readAll());
            }
    }
    if (corpus.empty())
        corpus.emplace_back();
    for (int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, saveFailure);
    for (const QByteArray& input : corpus)
        run(input);
    std::printf("seed %u: %zu seeds replayed\n", seed, corpus.size());
    std::fflush(stdout);

    QRandomGenerator random(seed);
    QElapsedTimer clock;
    clock.start();
    quint64 runs = 0;
    while (clock.elapsed() < qint64(seconds * 1000)) {
        for (int i = 0; i < 64; ++i, ++runs)
            run(mutate(corpus[random.bounded(quint32(corpus.size()))], corpus, random));
    }
    std::printf(
        "%llu mutated inputs in %.1f s, no failure\n", static_cast<unsigned long long>(runs), clock.elapsed() / 1000.0);
    return 0;
}
