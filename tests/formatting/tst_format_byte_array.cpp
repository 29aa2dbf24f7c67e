#include "FormatterRun.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

struct Case {
    const char *name;
    std::u16string input;
    bool upperCase;
    std::int32_t bytesPerLine;
    std::u16string body; // between the opening and the closing
};

const Case kCases[] = {
    {"blanks_only", u"   \r\n\t", true, 10, u""},
    {"one_character", u"A", true, 10, u"0x0A"},
    {"one_pair", u"AB", true, 10, u"0xAB"},
    {"pair_across_blank", u"A B", true, 10, u"0xAB"},
    {"odd_count", u"ABC", true, 10, u"0xAB, 0x0C"},
    {"odd_count_one_per_line", u"ABC", true, 1, u"0xAB, \r\n\t0x0C"},
    {"trailing_space", u"AB CD ", true, 10, u"0xAB, 0xCD"},
    {"lower_stays_lower", u"ab cd", false, 10, u"0xab, 0xcd"},
    {"lower_to_upper", u"ab cd", true, 10, u"0xAB, 0xCD"},
    {"upper_to_lower", u"AB Cd", false, 10, u"0xab, 0xcd"},
    {"twelve_pairs", u"000102030405060708090A0B", true, 10,
     u"0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, \r\n\t0x0A, 0x0B"},
    {"trailing_line_break_removed", u"ABCD\r\n", true, 1, u"0xAB, \r\n\t0xCD"},
    {"line_full_at_end", u"AABB", true, 2, u"0xAA, 0xBB"},
    {"line_full_at_end_space", u"AABB ", true, 2, u"0xAA, 0xBB"},
    {"line_full_at_end_crlf", u"AABB\r\n", true, 2, u"0xAA, 0xBB"},
    {"odd_after_full_line", u"AABBC", true, 2, u"0xAA, 0xBB, \r\n\t0x0C"},
    {"negative_means_one_line", u"AABBCC", true, -1, u"0xAA, 0xBB, 0xCC"},
    {"zero_means_one_line", u"AABBCC", true, 0, u"0xAA, 0xBB, 0xCC"},
    {"no_validation", u"0x41,0x42", true, 10, u"0x0X, 0x41, 0x,0, 0xX4, 0x02"},
    {"form_feed_is_data", u"zz\fq", true, 10, u"0xZZ, 0x\fQ"},
    {"only_ascii_changes_case", u"g\u00e9\u00fc\u00df", true, 10, u"0xG\u00e9, 0x\u00fc\u00df"},
    {"nul_and_nbsp_are_data", std::u16string(u"\0\u00a0\u3000", 3), true, 10,
     std::u16string(u"0x\0\u00a0, 0x0\u3000", 10)},
    {"supplementary_whole", u"\U0001F600", true, 10, u"0x\U0001F600"},
    {"supplementary_split", u"A\U0001F600", true, 10, u"0xA\xD83D, 0x0\xDE00"},
};

// Named, so that test listings show the case's name rather than its bytes.
void PrintTo(const Case &c, std::ostream *os) {
    *os << c.name;
}

class FormatByteArrayCases : public testing::TestWithParam<Case> {};

TEST_P(FormatByteArrayCases, WritesTheArray) {
    const Case &c = GetParam();
    const auto run = runFormatter(c.input, c.upperCase, [&] { return c.bytesPerLine; });
    ASSERT_TRUE(run.output.has_value());
    EXPECT_EQ(*run.output, u"const byte code[] = {\r\n\t" + c.body + u"\r\n};");
    EXPECT_EQ(run.starts, 1);
    ASSERT_FALSE(run.progress.empty());
    EXPECT_EQ(run.progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(run.progress.begin(), run.progress.end(), std::less_equal<>{}) &&
                std::adjacent_find(run.progress.begin(), run.progress.end()) == run.progress.end());
    EXPECT_EQ(run,
              reference::formatByteArray(c.input, c.upperCase, [&] { return c.bytesPerLine; }));
}

INSTANTIATE_TEST_SUITE_P(Table, FormatByteArrayCases, testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FormatByteArray, EmptyTextGivesNoOutputAndNoNotification) {
    const auto run = runFormatter(u"", true, [] { return 10; });
    EXPECT_FALSE(run.output.has_value());
    EXPECT_EQ(run.starts, 0);
    EXPECT_EQ(run.queries, 0);
    EXPECT_TRUE(run.progress.empty());
}

struct QueryCase {
    const char *name;
    std::u16string input;
    int queries;
};

void PrintTo(const QueryCase &c, std::ostream *os) {
    *os << c.name;
}

class QueryCount : public testing::TestWithParam<QueryCase> {};

// The query is asked once per separator, also for the trailing one that is removed again,
// and never for a text that needs no separator: those convert even with 0 lines.
TEST_P(QueryCount, AskedOncePerSeparator) {
    const auto run = runFormatter(GetParam().input, true, [] { return 0; });
    EXPECT_EQ(run.queries, GetParam().queries);
    EXPECT_TRUE(run.output.has_value());
}

INSTANTIATE_TEST_SUITE_P(Table, QueryCount,
                         testing::Values(QueryCase{"pair_at_end", u"AB", 0},
                                         QueryCase{"single", u"A", 0},
                                         QueryCase{"blanks", u"  \r\n", 0},
                                         QueryCase{"odd", u"ABC", 1},
                                         QueryCase{"pair_then_space", u"AB ", 1},
                                         QueryCase{"two_pairs_then_space", u"AB CD ", 2}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FormatByteArray, ProgressFollowsPositions) {
    using V = std::vector<int>;
    EXPECT_EQ(runFormatter(u"AB CD ", true, [] { return 10; }).progress,
              (V{16, 33, 50, 66, 83, 100}));
    EXPECT_EQ(runFormatter(u"ABC", true, [] { return 10; }).progress, (V{33, 66, 100}));
    EXPECT_EQ(runFormatter(u"ABCDEFG", true, [] { return 10; }).progress,
              (V{14, 28, 42, 57, 71, 85, 100}));
    V everyPercent(100);
    std::iota(everyPercent.begin(), everyPercent.end(), 1);
    for (std::size_t length : {150u, 201u, 100000u})
        EXPECT_EQ(runFormatter(std::u16string(length, u'A'), true, [] { return 10; }).progress,
                  everyPercent)
            << length;
}

// A new line length takes effect from the next separator, counted from the start.
TEST(FormatByteArray, LineLengthReadAtEachSeparator) {
    int asked = 0;
    const auto run = runFormatter(u"0001020304050607", true, [&] { return ++asked <= 2 ? 1 : 3; });
    EXPECT_EQ(*run.output,
              u"const byte code[] = {\r\n\t0x00, \r\n\t0x01, \r\n\t0x02, \r\n\t0x03, 0x04, "
              u"0x05, \r\n\t0x06, 0x07\r\n};");
}

TEST(FormatByteArray, MatchesReferenceOnRandomDumps) {
    std::mt19937 random(7);
    const std::u16string alphabet = u"0123456789abcdefABCDEF \r\n\t\v\f,xg\u00e9\xD83D";
    for (int round = 0; round < 300; ++round) {
        std::u16string text(random() % 400, u' ');
        for (char16_t &c : text)
            c = alphabet[random() % alphabet.size()];
        const bool upper = random() % 2;
        const std::int32_t lineLengths[] = {1, 2, 3, 10, 16, 0, -1, INT32_MIN};
        const std::int32_t n = lineLengths[random() % std::size(lineLengths)];
        ASSERT_EQ(runFormatter(text, upper, [&] { return n; }),
                  reference::formatByteArray(text, upper, [&] { return n; }))
            << round;
    }
}

TEST(FormatByteArray, FailureInACallbackReachesTheCaller) {
    EXPECT_THROW((void)formatting::FormatByteArray(
                     u"AB CD EF", true, []() -> int { throw std::runtime_error("stop"); }, [] {},
                     [](int) {}),
                 std::runtime_error);
}

} // namespace
