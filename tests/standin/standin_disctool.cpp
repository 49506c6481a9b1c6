// Stands in for the disc recorder and the disc reader, which need an optical
// drive: prints recorded tool output and, as the reader, writes the image.
//
// QUILLON_STANDIN_OUTPUT    the recorded output to print (tests/data/...)
// QUILLON_STANDIN_STATUS    exit status, 0 unless given
// QUILLON_STANDIN_ARGS      file that receives the arguments, one a line
// QUILLON_STANDIN_SECTORS   sectors the reader announces at "@READ@" (below 0: no "end:")
// QUILLON_STANDIN_READ      sectors it really writes (all unless given)
// QUILLON_STANDIN_DELAY_MS  pause after each line of the recording and each step of the reading
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

long envNumber(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::atol(value) : fallback;
}

// As readom does: "end:", then the sectors in steps, each step announced by
// an "addr:" piece that the next one overwrites.
int readDisc(const std::string& output)
{
    const long sectors = envNumber("QUILLON_STANDIN_SECTORS", 0);
    const long read = envNumber("QUILLON_STANDIN_READ", sectors);
    const long delayMs = envNumber("QUILLON_STANDIN_DELAY_MS", 0);
    const long step = 64;
    FILE* file = std::fopen(output.c_str(), "wb");
    if (!file) {
        std::printf("readom: %s. Cannot open '%s'.\n", std::strerror(errno), output.c_str());
        return 255;
    }
    if (sectors >= 0)
        std::printf("end:  %8ld\n", sectors);
    std::fflush(stdout);
    std::vector<char> buffer(size_t(step) * 2048, 'Q');
    long address = 0;
    for (; address < read; address += step) {
        const long count = std::min(step, read - address);
        std::fwrite(buffer.data(), 2048, size_t(count), file);
        std::printf("addr: %8ld cnt: %ld\r", address, count);
        std::fflush(stdout);
        if (delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    }
    std::fclose(file);
    if (sectors >= 0 && read >= sectors) {
        std::printf("addr: %8ld\n", sectors);
    } else {
        std::printf("\n");
    }
    std::fflush(stdout);
    return 0;
}

// Prints recorded text a line at a time, pausing after each as a slow tool would.
void play(const std::string& text)
{
    const long delayMs = envNumber("QUILLON_STANDIN_DELAY_MS", 0);
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        std::fwrite(text.data() + start, 1, end - start, stdout);
        std::fflush(stdout);
        if (delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        start = end;
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::string output;
    if (const char* argsFile = std::getenv("QUILLON_STANDIN_ARGS")) {
        std::ofstream args(argsFile);
        for (int i = 1; i < argc; ++i)
            args << argv[i] << '\n';
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "-f=", 3) == 0)
            output = argv[i] + 3;
    }
    std::string recorded;
    if (const char* fixture = std::getenv("QUILLON_STANDIN_OUTPUT")) {
        std::ifstream in(fixture, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        recorded = text.str();
    }
    const std::string marker = "@READ@\n";
    const size_t at = recorded.find(marker);
    play(recorded.substr(0, at));
    if (at != std::string::npos) {
        const int status = readDisc(output);
        if (status != 0)
            return status;
        play(recorded.substr(at + marker.size()));
    }
    return int(envNumber("QUILLON_STANDIN_STATUS", 0));
}
