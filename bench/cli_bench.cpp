// hexloom-format against `xxd -r -p | xxd -i` on the same 48 MiB hex dump, whole
// processes from standard input to standard output, alternating in one run.
// Prints the ratio of the best times and hexloom-format's peak RSS.
#include "HexDump.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Measured {
    double seconds;
    long peakKiB;
};

Measured runWithFiles(const char *const argv[], const char *input) {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, input, O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child;
    if (posix_spawn(&child, argv[0], &files, nullptr, const_cast<char *const *>(argv), environ) !=
        0) {
        std::perror(argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&files);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(1);
    }
    return {seconds, usage.ru_maxrss};
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cli_bench path/to/hexloom-format\n");
        return 1;
    }
    // A name of its own, so that benches run side by side do not share a file.
    std::string input = "/tmp/hexloom-cli-bench-XXXXXX";
    const int inputFd = mkstemp(input.data());
    if (inputFd < 0) {
        std::perror("mkstemp");
        return 1;
    }
    // Written by a child process: a child inherits its parent's peak RSS, so the
    // bench itself must stay small for the figure to be hexloom-format's own.
    if (const pid_t writer = fork(); writer == 0) {
        const std::u16string dump = makeHexDump(48u << 20);
        const std::string ascii(dump.begin(), dump.end());
        std::FILE *file = fdopen(inputFd, "wb");
        std::fwrite(ascii.data(), 1, ascii.size(), file);
        std::fclose(file);
        _exit(0);
    } else {
        waitpid(writer, nullptr, 0);
        close(inputFd);
    }
    const char *const ours[] = {argv[1], nullptr};
    const char *const theirs[] = {"/bin/sh", "-c", "xxd -r -p | xxd -i", nullptr};
    double bestOurs = 1e9, bestTheirs = 1e9;
    long peakKiB = 0;
    for (int round = 0; round < 3; ++round) {
        const Measured a = runWithFiles(ours, input.c_str());
        const Measured b = runWithFiles(theirs, input.c_str());
        bestOurs = std::min(bestOurs, a.seconds);
        bestTheirs = std::min(bestTheirs, b.seconds);
        peakKiB = std::max(peakKiB, a.peakKiB);
    }
    unlink(input.c_str());
    std::printf("48 MiB hex dump: hexloom-format %.3f s, xxd -r -p | xxd -i %.3f s\n", bestOurs,
                bestTheirs);
    std::printf("speed-up %.1fx (goal >= 3), hexloom-format peak RSS %.1f MiB (goal <= 32)\n",
                bestTheirs / bestOurs, peakKiB / 1024.0);
}
