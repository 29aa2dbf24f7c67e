#include "Options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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
    ASSERT_TRUE(std::holds_alternative<cli::Options>(parsed));
    const auto &options = std::get<cli::Options>(parsed);
    const cli::Options &expected = GetParam().options;
    EXPECT_EQ(options.upperCase, expected.upperCase);
    EXPECT_EQ(options.bytesPerLine, expected.bytesPerLine);
    EXPECT_EQ(options.utf16, expected.utf16);
    EXPECT_EQ(options.lineFeedOnly, expected.lineFeedOnly);
    EXPECT_EQ(options.strict, expected.strict);
    EXPECT_EQ(options.input, expected.input);
    EXPECT_EQ(options.output, expected.output);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLines,
    testing::Values(
        CommandLine{"defaults", {}, true, {true, 10, false, false, false, "-", "-"}},
        CommandLine{"all_options",
                    {"--lower", "--bytes-per-line", "-3", "--utf16", "--lf", "--strict"},
                    true,
                    {false, -3, true, true, true, "-", "-"}},
        CommandLine{"equals_form", {"--bytes-per-line=16"}, true, {true, 16, false}},
        CommandLine{
            "int32_min", {"--bytes-per-line", "-2147483648"}, true, {true, INT32_MIN, false}},
        CommandLine{"input_only", {"dump.txt"}, true, {true, 10, false, false, false, "dump.txt"}},
        CommandLine{"input_and_output",
                    {"--lf", "dump.txt", "array.c"},
                    true,
                    {true, 10, false, true, false, "dump.txt", "array.c"}},
        CommandLine{"options_after_files",
                    {"dump.txt", "array.c", "--strict"},
                    true,
                    {true, 10, false, false, true, "dump.txt", "array.c"}},
        CommandLine{"dashes_for_standard_streams",
                    {"-", "-"},
                    true,
                    {true, 10, false, false, false, "-", "-"}},
        CommandLine{"standard_input_to_file",
                    {"-", "array.c"},
                    true,
                    {true, 10, false, false, false, "-", "array.c"}},
        CommandLine{"file_names_after_double_dash",
                    {"--", "--lf", "-x"},
                    true,
                    {true, 10, false, false, false, "--lf", "-x"}},
        CommandLine{"three_files", {"a", "b", "c"}, false, {}},
        CommandLine{"too_big", {"--bytes-per-line", "2147483648"}, false, {}},
        CommandLine{"not_a_number", {"--bytes-per-line", "10x"}, false, {}},
        CommandLine{"missing_value", {"--bytes-per-line"}, false, {}},
        CommandLine{"unknown", {"--upper"}, false, {}},
        CommandLine{"unknown_short", {"-x"}, false, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CommandLines, HelpWins) {
    EXPECT_TRUE(std::holds_alternative<cli::HelpRequested>(
        cli::parseCommandLine({"dump.txt", "--help", "--upper"})));
    EXPECT_TRUE(std::holds_alternative<cli::HelpRequested>(cli::parseCommandLine({"-h"})));
}

// The help text names every option the parser takes.
TEST(CommandLines, HelpNamesEveryOption) {
    for (const char *option : {"[OPTIONS] [INPUT [OUTPUT]]", "--lower", "--bytes-per-line N",
                               "--lf", "--strict", "--utf16", "--help", "'-'", "byte-order mark"})
        EXPECT_NE(std::string(cli::kUsage).find(option), std::string::npos) << option;
}

} // namespace
