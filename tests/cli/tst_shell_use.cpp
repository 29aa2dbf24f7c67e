// hexloom-format itself, run the way people run it: from a shell, with
// redirections, pipes and files, and stopped by a signal.
#include "Options.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <map>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Files = std::map<std::string, std::string>;

const char *const kTool = HEXLOOM_FORMAT;
const std::string kArrayLf = "const byte code[] = {\n\t0x0A, 0x0B\n};\n";
const std::string kArrayCrLf = "const byte code[] = {\r\n\t0x0A, 0x0B\r\n};\r\n";
// More than one chunk of digits before the bad byte, so that output has begun.
const std::string kBadAfterFirstChunk =
    "{ head -c 300000 /dev/zero | tr '\\0' A; printf '\\377'; }";

struct Ran {
    int status; // the exit status, or 128 + the signal
    std::string output;
    std::string errors;
};

// A child process with the four signals at their defaults whatever the test
// runner set, its standard output and error caught in files of their own.
class Process {
public:
    Process(const std::vector<std::string> &arguments, const std::string &folder, int input = -1) {
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        if (input >= 0)
            posix_spawn_file_actions_adddup2(&files, input, 0);
        posix_spawn_file_actions_addopen(&files, 1, (caught_ / "out").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&files, 2, (caught_ / "err").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addchdir_np(&files, folder.c_str());
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
            sigaddset(&defaults, signal);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
        std::vector<char *> argv;
        for (const std::string &argument : arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);
        EXPECT_EQ(posix_spawn(&pid_, argv[0], &files, &attributes, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&files);
        posix_spawnattr_destroy(&attributes);
    }
    pid_t pid() const { return pid_; }
    Ran wait() {
        int status = 0;
        waitpid(pid_, &status, 0);
        return {WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status),
                caught_.read("out"), caught_.read("err")};
    }

private:
    const TemporaryFolder caught_;
    pid_t pid_ = -1;
};

struct ShellUse {
    const char *name;
    Files before;
    std::string command; // "$F" is hexloom-format
    int status;
    std::string output;
    const char *message; // found in standard error
    Files after;         // every file the folder then holds, with its contents
};

void PrintTo(const ShellUse &s, std::ostream *os) {
    *os << s.name;
}

class InAShell : public testing::TestWithParam<ShellUse> {};

TEST_P(InAShell, HexloomFormatDoesWhatTheUserMeant) {
    const ShellUse &use = GetParam();
    const TemporaryFolder folder;
    for (const auto &[name, contents] : use.before)
        folder.write(name, contents);
    const Ran ran =
        Process({"/bin/sh", "-c", "F='" + std::string(kTool) + "'; " + use.command}, folder.path())
            .wait();
    EXPECT_EQ(ran.status, use.status) << ran.errors;
    EXPECT_EQ(ran.output, use.output);
    EXPECT_NE(ran.errors.find(use.message), std::string::npos) << ran.errors;
    Files after;
    for (const std::string &name : folder.names())
        after[name] = folder.read(name);
    EXPECT_EQ(after, use.after);
}

const Files kKeep = {{"keep.c", "keep me\n"}};
const Files kOld = {{"out.c", "old\n"}};

INSTANTIATE_TEST_SUITE_P(
    Table, InAShell,
    testing::Values(
        ShellUse{"append_refused_keeps_the_file", kKeep, "printf 'AB\\377' | \"$F\" >> keep.c", 2,
                 "", "byte offset 2", kKeep},
        ShellUse{"append_refused_after_output_began", kKeep,
                 kBadAfterFirstChunk + " | \"$F\" >> keep.c", 2, "", "byte offset 300000", kKeep},
        ShellUse{"append_adds_the_array", kKeep, "printf '0a0b' | \"$F\" --lf >> keep.c", 0, "", "",
                 Files{{"keep.c", "keep me\n" + kArrayLf}}},
        ShellUse{"read_write_refused_keeps_the_file", kKeep, "printf 'AB\\377' | \"$F\" 1<> keep.c",
                 2, "", "byte offset 2", kKeep},
        ShellUse{"read_write_refused_after_output_began", kKeep,
                 kBadAfterFirstChunk + " | \"$F\" 1<> keep.c", 2, "", "over its old contents",
                 Files{{"keep.c", "const by"}}},
        ShellUse{"named_output_refused_stays_as_it_was", kOld, "printf 'AB\\377' | \"$F\" - out.c",
                 2, "", "byte offset 2", kOld},
        ShellUse{"named_output_refused_after_output_began", kOld,
                 kBadAfterFirstChunk + " | \"$F\" - out.c", 2, "", "byte offset 300000", kOld},
        ShellUse{"strict_refusal_creates_nothing",
                 {},
                 "printf '0a0G' | \"$F\" --strict - new.c",
                 2,
                 "",
                 "'G' at character offset 3 (line 1, column 4)",
                 {}},
        ShellUse{"strict_odd_count_creates_nothing",
                 {},
                 "printf '0a\\n0b\\n1' | \"$F\" --strict - new.c",
                 2,
                 "",
                 "at character offset 6 (line 3, column 1), has no partner",
                 {}},
        ShellUse{"bad_input_leaves_standard_output_empty",
                 {},
                 "printf 'AB\\344\\270' | \"$F\"",
                 2,
                 "",
                 "byte offset 2",
                 {}},
        ShellUse{"files_named", Files{{"in.txt", "0a0b"}, {"out.c", "old\n"}},
                 "\"$F\" in.txt out.c", 0, "", "",
                 Files{{"in.txt", "0a0b"}, {"out.c", kArrayCrLf}}},
        ShellUse{"dashes_for_standard_streams",
                 {},
                 "printf '0a0b' | \"$F\" --lf - -",
                 0,
                 kArrayLf,
                 "",
                 {}},
        ShellUse{"input_file_replaced_by_its_array", Files{{"a.txt", "0a0b"}},
                 "\"$F\" --lf a.txt a.txt", 0, "", "", Files{{"a.txt", kArrayLf}}},
        ShellUse{"utf8_file_with_a_mark",
                 Files{{"in.txt", "\xEF\xBB\xBF"
                                  "0a0b"}},
                 "\"$F\" --lf in.txt", 0, kArrayLf, "",
                 Files{{"in.txt", "\xEF\xBB\xBF"
                                  "0a0b"}}},
        ShellUse{"utf16_big_endian_file", Files{{"in.txt", std::string("\xFE\xFF\0000\000a", 6)}},
                 "\"$F\" --utf16 --lf in.txt out.c", 0, "", "",
                 Files{{"in.txt", std::string("\xFE\xFF\0000\000a", 6)},
                       {"out.c",
                        [] {
                            std::string utf16;
                            for (const char c : std::string("const byte code[] = {\n\t0x0A\n};\n"))
                                utf16 += {c, '\0'};
                            return utf16;
                        }()}}},
        ShellUse{"missing_input_creates_nothing",
                 {},
                 "\"$F\" nothing.txt out.c",
                 2,
                 "",
                 "cannot open 'nothing.txt'",
                 {}},
        ShellUse{"missing_output_folder", Files{{"in.txt", "0a"}}, "\"$F\" in.txt no/out.c", 2, "",
                 "cannot create a temporary file beside 'no/out.c'", Files{{"in.txt", "0a"}}},
        ShellUse{"help", {}, "\"$F\" --help", 0, cli::kUsage, "", {}},
        ShellUse{"usage_error", {}, "\"$F\" a b c", 2, "", "too many files", {}}),
    [](const auto &info) { return std::string(info.param.name); });

struct Interruption {
    const char *name;
    int signal;
    bool namedOutput; // else standard output appends to the file
};

void PrintTo(const Interruption &i, std::ostream *os) {
    *os << i.name;
}

class Interrupted : public testing::TestWithParam<Interruption> {};

// Stopped while the array is being written, hexloom-format dies of the signal
// and the file is as it was before.
TEST_P(Interrupted, LeavesTheFileAsItWas) {
    const Interruption &interruption = GetParam();
    const TemporaryFolder folder;
    folder.write("out.c", "old\n");
    int dump[2];
    ASSERT_EQ(pipe(dump), 0);
    // The shell execs the tool, so that the signal goes to the tool itself.
    const std::vector<std::string> arguments =
        interruption.namedOutput
            ? std::vector<std::string>{kTool, "-", "out.c"}
            : std::vector<std::string>{"/bin/sh", "-c", "exec \"$0\" >> out.c", kTool};
    Process tool(arguments, folder.path(), dump[0]);
    close(dump[0]);
    // More than a chunk of digits: the first part of the array is written, and
    // the tool waits for the rest.
    const std::string digits(300'000, 'A');
    ASSERT_EQ(::write(dump[1], digits.data(), digits.size()), ssize_t(digits.size()));
    const auto begun = [&] {
        for (const std::string &name : folder.names()) {
            std::error_code gone;
            if (std::filesystem::file_size(folder.path() / name, gone) > 4 && !gone)
                return true;
        }
        return false;
    };
    for (int wait = 0; wait < 3000 && !begun(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(begun()) << "no output was ever written";
    kill(tool.pid(), interruption.signal);
    const Ran ran = tool.wait();
    close(dump[1]);
    EXPECT_EQ(ran.status, 128 + interruption.signal) << ran.errors;
    EXPECT_EQ(folder.names(), std::set<std::string>{"out.c"});
    EXPECT_EQ(folder.read("out.c"), "old\n");
}

INSTANTIATE_TEST_SUITE_P(Table, Interrupted,
                         testing::Values(Interruption{"named_sigint", SIGINT, true},
                                         Interruption{"named_sigterm", SIGTERM, true},
                                         Interruption{"named_sighup", SIGHUP, true},
                                         Interruption{"named_sigpipe", SIGPIPE, true},
                                         Interruption{"appending_sigint", SIGINT, false},
                                         Interruption{"appending_sigterm", SIGTERM, false}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
