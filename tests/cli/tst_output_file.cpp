#include "OutputFile.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kArray = "const byte code[] = {\r\n\t0xAB\r\n};\r\n";

void writeText(int fd, const std::string &text) {
    ASSERT_EQ(::write(fd, text.data(), text.size()), ssize_t(text.size()));
}

// Standard output as the shell opened it: `>`, `>>` or `1<>`, sometimes after
// other commands of a group wrote to it.
struct Redirection {
    const char *name;
    int flags;
    std::string before;       // the file's contents when the shell opens it
    std::string writtenFirst; // by an earlier command on the same descriptor
    bool atEnd;               // the descriptor's offset set to the end first
    std::string afterFailure; // once this run's part is taken back
    bool warned;
};

void PrintTo(const Redirection &r, std::ostream *os) {
    *os << r.name;
}

class StandardOutputTakesBack : public testing::TestWithParam<Redirection> {};

TEST_P(StandardOutputTakesBack, OnlyWhatThisRunWrote) {
    const Redirection &r = GetParam();
    const TemporaryFolder folder;
    folder.write("keep.c", r.before);
    const int fd = open((folder / "keep.c").c_str(), r.flags);
    ASSERT_GE(fd, 0);
    writeText(fd, r.writtenFirst);
    if (r.atEnd)
        lseek(fd, 0, SEEK_END);
    {
        cli::OutputFile output(fd);
        writeText(output.fd(), kArray);
        EXPECT_EQ(output.abandon().has_value(), r.warned);
    }
    close(fd);
    EXPECT_EQ(folder.read("keep.c"), r.afterFailure);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StandardOutputTakesBack,
    testing::Values(Redirection{"append_to_non_empty", O_WRONLY | O_APPEND, "keep me\n", "", false,
                                "keep me\n", false},
                    Redirection{"append_after_earlier_output", O_WRONLY | O_APPEND, "keep me\n",
                                "and me\n", false, "keep me\nand me\n", false},
                    Redirection{"truncated_by_the_shell", O_WRONLY | O_TRUNC, "old\n", "", false,
                                "", false},
                    Redirection{"after_earlier_output", O_WRONLY | O_TRUNC, "old\n", "header\n",
                                false, "header\n", false},
                    Redirection{"read_write_at_end", O_RDWR, "0123", "", true, "0123", false},
                    Redirection{"read_write_over_longer_file", O_RDWR, std::string(100, '-'), "",
                                false, kArray + std::string(100 - kArray.size(), '-'), true},
                    Redirection{"read_write_past_the_end", O_RDWR, "0123", "", false,
                                kArray.substr(0, 4), true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StandardOutput, CommitKeepsEverything) {
    const TemporaryFolder folder;
    folder.write("keep.c", "keep me\n");
    const int fd = open((folder / "keep.c").c_str(), O_WRONLY | O_APPEND);
    {
        cli::OutputFile output(fd);
        writeText(output.fd(), kArray);
        EXPECT_FALSE(output.commit());
    }
    EXPECT_GE(fcntl(fd, F_GETFD), 0) << "standard output stays open for the process";
    close(fd);
    EXPECT_EQ(folder.read("keep.c"), "keep me\n" + kArray);
}

struct NamedOutput {
    const char *name;
    bool exists;
    bool complete;
};

void PrintTo(const NamedOutput &n, std::ostream *os) {
    *os << n.name;
}

class NamedOutputFile : public testing::TestWithParam<NamedOutput> {};

// The file is only ever the old one or the complete new one, and nothing is
// left beside it.
TEST_P(NamedOutputFile, IsReplacedOnlyWhenComplete) {
    const TemporaryFolder folder;
    if (GetParam().exists) {
        folder.write("array.c", "old\n");
        chmod((folder / "array.c").c_str(), 0640);
    }
    {
        cli::OutputFile output(folder / "array.c");
        EXPECT_EQ(output.name(), "'" + folder / "array.c" + "'");
        writeText(output.fd(), kArray);
        EXPECT_EQ(folder.read("array.c"), GetParam().exists ? "old\n" : "");
        EXPECT_EQ(folder.names().size(), GetParam().exists ? 2u : 1u) << "a temporary beside it";
        if (GetParam().complete)
            EXPECT_FALSE(output.commit());
        else
            EXPECT_FALSE(output.abandon());
    }
    if (!GetParam().complete && !GetParam().exists) {
        EXPECT_EQ(folder.names(), std::set<std::string>{});
        return;
    }
    EXPECT_EQ(folder.names(), std::set<std::string>{"array.c"});
    EXPECT_EQ(folder.read("array.c"), GetParam().complete ? kArray : "old\n");
    struct stat status {};
    stat((folder / "array.c").c_str(), &status);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(status.st_mode & 0777, GetParam().exists ? 0640u : 0666u & ~mask);
}

INSTANTIATE_TEST_SUITE_P(Table, NamedOutputFile,
                         testing::Values(NamedOutput{"replaced", true, true},
                                         NamedOutput{"kept", true, false},
                                         NamedOutput{"created", false, true},
                                         NamedOutput{"never_created", false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

// An exception on the way leaves no temporary behind either.
TEST(NamedOutputFile, LeftWithoutCommitIsAbandoned) {
    const TemporaryFolder folder;
    folder.write("array.c", "old\n");
    {
        cli::OutputFile output(folder / "array.c");
        writeText(output.fd(), kArray);
    }
    EXPECT_EQ(folder.names(), std::set<std::string>{"array.c"});
    EXPECT_EQ(folder.read("array.c"), "old\n");
}

TEST(NamedOutputFile, ThroughALinkReplacesTheFileItNames) {
    const TemporaryFolder folder;
    folder.write("array.c", "old\n");
    std::filesystem::create_symlink("array.c", folder.path() / "link.c");
    {
        cli::OutputFile output(folder / "link.c");
        writeText(output.fd(), kArray);
        EXPECT_FALSE(output.commit());
    }
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "link.c"));
    EXPECT_EQ(folder.read("array.c"), kArray);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"array.c", "link.c"}));
}

// A pipe or a device is no file to replace: it is written as it stands.
TEST(NamedOutputFile, PipeIsWrittenAsItStands) {
    const TemporaryFolder folder;
    const std::string fifo = folder / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] {
        std::ifstream in(fifo, std::ios::binary);
        received.assign(std::istreambuf_iterator<char>(in), {});
    });
    {
        cli::OutputFile output(fifo);
        writeText(output.fd(), kArray);
        EXPECT_FALSE(output.commit());
    }
    reader.join();
    EXPECT_EQ(received, kArray);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(folder.names(), std::set<std::string>{"fifo"});
}

TEST(NamedOutputFile, MissingFolderIsReported) {
    const TemporaryFolder folder;
    try {
        cli::OutputFile output(folder / "no/array.c");
        FAIL() << "created";
    } catch (const std::runtime_error &error) {
        EXPECT_NE(std::string(error.what()).find("cannot create a temporary file beside"),
                  std::string::npos)
            << error.what();
    }
}

} // namespace
