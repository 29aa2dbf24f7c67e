#include "FormatByteArray.h"
#include "Options.h"
#include "StreamFormatter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// One memory-backed file, as standard input or output would be.
class MemoryFile {
public:
    explicit MemoryFile(const std::string &contents = {})
        : fd_(memfd_create("hexloom", 0)) {
        EXPECT_EQ(::write(fd_, contents.data(), contents.size()), ssize_t(contents.size()));
        lseek(fd_, 0, SEEK_SET);
    }
    ~MemoryFile() { close(fd_); }
    int fd() const { return fd_; }
    std::string contents() const {
        std::string all(lseek(fd_, 0, SEEK_END), '\0');
        EXPECT_EQ(pread(fd_, all.data(), all.size(), 0), ssize_t(all.size()));
        return all;
    }

private:
    int fd_;
};

struct Result {
    int status;
    std::string output;
    std::string errors;
};

Result runTool(const std::string &input, const cli::Options &options) {
    MemoryFile in(input), out;
    char *errorText = nullptr;
    std::size_t errorSize = 0;
    std::FILE *errors = open_memstream(&errorText, &errorSize);
    const int status = cli::formatStream(options, in.fd(), out.fd(), errors);
    std::fclose(errors);
    Result result{status, out.contents(), errorText};
    std::free(errorText);
    return result;
}

std::string asBytes(const std::u16string &units) {
    return {reinterpret_cast<const char *>(units.data()), units.size() * 2};
}

std::u16string formatted(const std::u16string &text, const cli::Options &options) {
    return *formatting::FormatByteArray(
        text, options.upperCase, [&] { return options.bytesPerLine; }, [] {}, [](int) {});
}

// Across many chunks and with every kind of blank, the stream gives exactly
// what the window's formatter gives for the whole text.
TEST(HexloomFormat, StreamsTheSameOutputAsTheFormatter) {
    std::mt19937 random(3);
    const char16_t alphabet[] = u"0123456789abcdefXYZ \r\n\t\v";
    std::u16string text(700'001, u' ');
    for (char16_t &c : text)
        c = alphabet[random() % 24];
    for (const cli::Options options : {cli::Options{true, 10, true}, cli::Options{false, 7, true},
                                       cli::Options{true, 0, true}}) {
        const Result result = runTool(asBytes(text), options);
        ASSERT_EQ(result.status, 0) << result.errors;
        EXPECT_EQ(result.output, asBytes(formatted(text, options)));
    }
    std::string ascii(text.begin(), text.end());
    const Result utf8 = runTool(ascii, {});
    const std::u16string expected = formatted(text, {});
    EXPECT_EQ(utf8.output, std::string(expected.begin(), expected.end()));
}

TEST(HexloomFormat, Utf16KeepsLoneSurrogates) {
    const std::u16string text = u"\xD800"
                                u"A \xDFFF";
    const cli::Options utf16{true, 10, true};
    EXPECT_EQ(runTool(asBytes(text), utf16).output, asBytes(formatted(text, utf16)));
}

struct Refusal {
    const char *name;
    std::string input;
    bool utf16;
    const char *message;
};

// Named, so that test listings show the case's name rather than its bytes.
void PrintTo(const Refusal &r, std::ostream *os) {
    *os << r.name;
}

class HexloomFormatRefuses : public testing::TestWithParam<Refusal> {};

TEST_P(HexloomFormatRefuses, WithStatusTwoAndNoOutput) {
    cli::Options options;
    options.utf16 = GetParam().utf16;
    const Result result = runTool(GetParam().input, options);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output, "");
    EXPECT_NE(result.errors.find(GetParam().message), std::string::npos) << result.errors;
}

INSTANTIATE_TEST_SUITE_P(
    Table, HexloomFormatRefuses,
    testing::Values(Refusal{"bad_byte", "AB C\xff", false, "at byte offset 4"},
                    Refusal{"surrogate_in_utf8", "AB\xed\xa0\x80", false, "at byte offset 2"},
                    Refusal{"cut_sequence_at_end", "ABC\xe4\xb8", false, "at byte offset 3"},
                    Refusal{"bad_byte_after_first_chunk", std::string(300'000, 'A') + "\xc3\x28",
                            false, "at byte offset 300000"},
                    Refusal{"split_supplementary", "A\xf0\x9f\x98\x80", false, "--utf16"},
                    Refusal{"odd_utf16", "AB\x00C", true, "half a code unit"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(HexloomFormat, EmptyInputWritesNothing) {
    const Result result = runTool("", {});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, "");
}

struct CommandLine {
    const char *name;
    std::vector<std::string> arguments;
    bool valid;
    cli::Options options;
};

void PrintTo(const CommandLine &c, std::ostream *os) {
    *os << c.name;
}

class CommandLines : public testing::TestWithParam<CommandLine> {};

TEST_P(CommandLines, Parse) {
    const auto parsed = cli::parseCommandLine(GetParam().arguments);
    if (!GetParam().valid) {
        EXPECT_TRUE(std::holds_alternative<cli::UsageError>(parsed));
        return;
    }
    const auto &options = std::get<cli::Options>(parsed);
    EXPECT_EQ(options.upperCase, GetParam().options.upperCase);
    EXPECT_EQ(options.bytesPerLine, GetParam().options.bytesPerLine);
    EXPECT_EQ(options.utf16, GetParam().options.utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLines,
    testing::Values(
        CommandLine{"defaults", {}, true, {true, 10, false}},
        CommandLine{
            "all", {"--lower", "--bytes-per-line", "-3", "--utf16"}, true, {false, -3, true}},
        CommandLine{"equals_form", {"--bytes-per-line=16"}, true, {true, 16, false}},
        CommandLine{
            "int32_min", {"--bytes-per-line", "-2147483648"}, true, {true, INT32_MIN, false}},
        CommandLine{"too_big", {"--bytes-per-line", "2147483648"}, false, {}},
        CommandLine{"not_a_number", {"--bytes-per-line", "10x"}, false, {}},
        CommandLine{"missing_value", {"--bytes-per-line"}, false, {}},
        CommandLine{"unknown", {"--upper"}, false, {}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
