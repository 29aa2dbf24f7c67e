#include "ProgressLine.h"
#include "StreamFormatter.h"

#include <gtest/gtest.h>

#include <string>

#include <fcntl.h>
#include <pty.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// Both ends of a pseudo-terminal, as a terminal window would hold it.
struct Terminal {
    Terminal() { EXPECT_EQ(openpty(&controller, &device, name, nullptr, nullptr), 0); }
    ~Terminal() {
        close(device);
        close(controller);
    }
    int controller = -1, device = -1;
    char name[64] = {};
};

enum class Place { FirstTerminal, FirstTerminalOpenedAgain, SecondTerminal, Pipe };

struct Streams {
    const char *name;
    Place errors;
    Place output;
    bool progress;
};

void PrintTo(const Streams &s, std::ostream *os) {
    *os << s.name;
}

class ProgressWanted : public testing::TestWithParam<Streams> {};

TEST_P(ProgressWanted, OnlyOnATerminalTheArrayIsNotPrintedOn) {
    Terminal first, second;
    const int againFirst = open(first.name, O_RDWR | O_NOCTTY);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const auto fdOf = [&](Place place) {
        switch (place) {
        case Place::FirstTerminal:
            return first.device;
        case Place::FirstTerminalOpenedAgain:
            return againFirst;
        case Place::SecondTerminal:
            return second.device;
        case Place::Pipe:
            return pipeEnds[1];
        }
        return -1;
    };
    EXPECT_EQ(cli::progressWanted(fdOf(GetParam().errors), fdOf(GetParam().output)),
              GetParam().progress);
    close(againFirst);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProgressWanted,
    testing::Values(
        Streams{"array_on_the_same_terminal", Place::FirstTerminal, Place::FirstTerminal, false},
        Streams{"array_on_the_same_terminal_opened_again", Place::FirstTerminal,
                Place::FirstTerminalOpenedAgain, false},
        Streams{"array_on_another_terminal", Place::FirstTerminal, Place::SecondTerminal, true},
        Streams{"array_into_a_pipe", Place::FirstTerminal, Place::Pipe, true},
        Streams{"errors_into_a_pipe", Place::Pipe, Place::FirstTerminal, false}),
    [](const auto &info) { return std::string(info.param.name); });

struct Ending {
    const char *name;
    std::string lastBytes;
    const char *expectedEnd;
};

void PrintTo(const Ending &e, std::ostream *os) {
    *os << e.name;
}

class ProgressLineEnds : public testing::TestWithParam<Ending> {};

// A large input file shows a bar; an error message then starts on a line of its
// own, and a finished run clears the bar away.
TEST_P(ProgressLineEnds, AsTheRunDoes) {
    const int input = memfd_create("dump", 0);
    const std::string dump = std::string(16 << 20, 'A') + GetParam().lastBytes;
    ASSERT_EQ(::write(input, dump.data(), dump.size()), ssize_t(dump.size()));
    lseek(input, 0, SEEK_SET);
    char *text = nullptr;
    std::size_t size = 0;
    cli::Streams streams;
    streams.input = input;
    streams.output = open("/dev/null", O_WRONLY);
    streams.errors = open_memstream(&text, &size);
    streams.progress = true;
    cli::formatStream({}, streams);
    std::fclose(streams.errors);
    const std::string errors(text, size);
    std::free(text);
    close(streams.output);
    close(input);
    EXPECT_TRUE(errors.starts_with("\rhexloom-format [")) << errors.substr(0, 40);
    EXPECT_TRUE(errors.ends_with(GetParam().expectedEnd)) << errors.substr(errors.size() - 120);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProgressLineEnds,
    testing::Values(Ending{"done", "", "100 %\r\033[K"},
                    Ending{"refused", "\xff",
                           "100 %\nhexloom-format: the input is not UTF-8: invalid byte "
                           "sequence at byte offset 16777216\n"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
