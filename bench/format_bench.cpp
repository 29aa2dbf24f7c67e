// Times the formatter on 32 MiB of hex dump against the floor set by the memory
// it must fill: writing as many bytes into freshly allocated memory. Prints the ratio.
#include "FormatByteArray.h"
#include "HexDump.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main() {
    const std::u16string text = makeHexDump(32u << 20); // 32 Mi characters
    std::size_t outputBytes = 0;
    double bestFormat = 1e9, bestFill = 1e9;
    for (int round = 0; round < 5; ++round) {
        auto start = Clock::now();
        {
            const auto output = formatting::FormatByteArray(
                text, true, [] { return 10; }, [] {}, [](int) {});
            outputBytes = output->size() * sizeof(char16_t);
        }
        bestFormat = std::min(bestFormat, seconds(Clock::now() - start));

        start = Clock::now();
        {
            std::unique_ptr<char[]> fresh(new char[outputBytes]);
            std::memset(fresh.get(), 'x', outputBytes);
            asm volatile("" : : "r"(fresh.get()) : "memory");
        }
        bestFill = std::min(bestFill, seconds(Clock::now() - start));
    }
    std::printf("input %.1f Mi characters, output %.1f MiB\n", text.size() / 1048576.0,
                outputBytes / 1048576.0);
    std::printf("formatter %.3f s, fresh-memory fill %.3f s\n", bestFormat, bestFill);
    std::printf("ratio formatter / fill: %.2f (goal <= 1.30)\n", bestFormat / bestFill);
}
