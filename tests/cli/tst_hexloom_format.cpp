#include "FormatByteArray.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

std::string asBytes(const std::u16string &units) {
    return {reinterpret_cast<const char *>(units.data()), units.size() * 2};
}

std::string swapped(std::string bytes) {
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        std::swap(bytes[i], bytes[i + 1]);
    return bytes;
}

// What the window's output box holds for `text`, and the line break after it
// that makes the output a text file.
std::u16string formatted(const std::u16string &text, const cli::Options &options) {
    return *formatting::FormatByteArray(
               text, options.upperCase, [&] { return options.bytesPerLine; }, [] {}, [](int) {}) +
           u"\r\n";
}

cli::Options utf16Options(bool upperCase = true, std::int32_t bytesPerLine = 10) {
    cli::Options options;
    options.upperCase = upperCase;
    options.bytesPerLine = bytesPerLine;
    options.utf16 = true;
    return options;
}

// Across many chunks, pieces of every size and every kind of blank, the stream
// gives exactly what the window's formatter gives for the whole text.
TEST(HexloomFormat, StreamsTheSameOutputAsTheFormatter) {
    std::mt19937 random(3);
    const char16_t alphabet[] = u"0123456789abcdefXYZ \r\n\t\v";
    std::u16string text(700'001, u' ');
    for (char16_t &c : text)
        c = alphabet[random() % 24];
    for (const cli::Options &options :
         {utf16Options(true, 10), utf16Options(false, 7), utf16Options(true, 0)}) {
        const ToolResult result = runThroughPipes(asBytes(text), options, 4093);
        ASSERT_EQ(result.status, 0) << result.errors;
        EXPECT_EQ(result.output, asBytes(formatted(text, options)));
    }
    std::string ascii(text.begin(), text.end());
    const ToolResult utf8 = runThroughPipes(ascii, {});
    const std::u16string expected = formatted(text, {});
    EXPECT_EQ(utf8.output, std::string(expected.begin(), expected.end()));
}

TEST(HexloomFormat, Utf16KeepsLoneSurrogates) {
    const std::u16string text = u"\xD800"
                                u"A \xDFFF";
    EXPECT_EQ(runThroughPipes(asBytes(text), utf16Options()).output,
              asBytes(formatted(text, utf16Options())));
}

TEST(HexloomFormat, EmptyInputWritesNothing) {
    const ToolResult result = runThroughPipes("", {});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, "");
}

struct Conversion {
    const char *name;
    std::string input;
    cli::Options options;
    std::string output;
};

// Named, so that test listings show the case's name rather than its bytes.
void PrintTo(const Conversion &c, std::ostream *os) {
    *os << c.name;
}

class HexloomFormatConverts : public testing::TestWithParam<Conversion> {};

TEST_P(HexloomFormatConverts, ToExactlyThisOutput) {
    const ToolResult result = runThroughPipes(GetParam().input, GetParam().options, 1);
    EXPECT_EQ(result.status, 0) << result.errors;
    EXPECT_EQ(result.output, GetParam().output);
}

cli::Options withLineFeeds(cli::Options options) {
    options.lineFeedOnly = true;
    return options;
}

const std::u16string kTwoLines = u"const byte code[] = {\r\n\t0x0A, 0xB0, \r\n\t0xC1\r\n};\r\n";
const std::string kTwoLinesUtf8(kTwoLines.begin(), kTwoLines.end());
const std::string kTwoLinesLf = "const byte code[] = {\n\t0x0A, 0xB0, \n\t0xC1\n};\n";

// The input goes in one byte at a time, so that a byte-order mark arrives in pieces.
INSTANTIATE_TEST_SUITE_P(
    Table, HexloomFormatConverts,
    testing::Values(Conversion{"crlf_by_default", "0a b0\r\nc1", {true, 2}, kTwoLinesUtf8},
                    Conversion{"lf", "0a b0\r\nc1", withLineFeeds({true, 2}), kTwoLinesLf},
                    Conversion{"utf8_mark_skipped",
                               "\xEF\xBB\xBF"
                               "0ab0c1",
                               {true, 2},
                               kTwoLinesUtf8},
                    Conversion{"only_one_utf8_mark_skipped", "\xEF\xBB\xBF\xEF\xBB\xBF",
                               withLineFeeds({}), "const byte code[] = {\n\t0x0\xEF\xBB\xBF\n};\n"},
                    Conversion{"utf8_mark_alone_is_empty", "\xEF\xBB\xBF", {}, ""},
                    Conversion{"utf8_mark_later_is_data", "0\xEF\xBB\xBF", withLineFeeds({}),
                               "const byte code[] = {\n\t0x0\xEF\xBB\xBF\n};\n"},
                    Conversion{"utf16_little_endian_mark", "\xFF\xFE" + asBytes(u"0ab0c1"),
                               utf16Options(true, 2), asBytes(kTwoLines)},
                    Conversion{"utf16_big_endian_mark", "\xFE\xFF" + swapped(asBytes(u"0ab0c1")),
                               utf16Options(true, 2), asBytes(kTwoLines)},
                    Conversion{"utf16_without_mark_is_little_endian", asBytes(u"0ab0c1"),
                               utf16Options(true, 2), asBytes(kTwoLines)},
                    Conversion{"utf16_lf", "\xFE\xFF" + swapped(asBytes(u"0ab0c1")),
                               withLineFeeds(utf16Options(true, 2)),
                               asBytes(std::u16string(kTwoLinesLf.begin(), kTwoLinesLf.end()))}),
    [](const auto &info) { return std::string(info.param.name); });

struct Refusal {
    const char *name;
    std::string input;
    cli::Options options;
    const char *message;
};

void PrintTo(const Refusal &r, std::ostream *os) {
    *os << r.name;
}

class HexloomFormatRefuses : public testing::TestWithParam<Refusal> {};

// Each input is found bad before anything is written, even when the fault is at
// its very end and it comes through a pipe in pieces.
TEST_P(HexloomFormatRefuses, WithStatusTwoAndNoOutput) {
    const ToolResult result = runThroughPipes(GetParam().input, GetParam().options, 3);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output, "");
    EXPECT_NE(result.errors.find(GetParam().message), std::string::npos) << result.errors;
    EXPECT_EQ(result.errors.find('\n'), result.errors.size() - 1) << result.errors;
}

cli::Options strict(cli::Options options = {}) {
    options.strict = true;
    return options;
}

INSTANTIATE_TEST_SUITE_P(
    Table, HexloomFormatRefuses,
    testing::Values(
        Refusal{"bad_byte", "AB C\xff", {}, "at byte offset 4"},
        Refusal{"surrogate_in_utf8", "AB\xed\xa0\x80", {}, "at byte offset 2"},
        Refusal{"cut_sequence_at_end", "ABC\xe4\xb8", {}, "at byte offset 3"},
        Refusal{"overlong_form", "AB\xc0\xaf", {}, "at byte offset 2"},
        Refusal{"overlong_three_bytes", "AB\xe0\x80\xaf", {}, "at byte offset 2"},
        Refusal{"beyond_unicode", "AB\xf4\x90\x80\x80", {}, "at byte offset 2"},
        Refusal{"stray_continuation", "AB\x80", {}, "at byte offset 2"},
        Refusal{"sequence_cut_by_ascii",
                "AB\xe4\xb8"
                "C",
                {},
                "at byte offset 2"},
        Refusal{"bad_byte_after_mark",
                "\xEF\xBB\xBF"
                "AB\xff",
                {},
                "at byte offset 5"},
        Refusal{"split_supplementary", "A\xf0\x9f\x98\x80", {}, "--utf16"},
        Refusal{"odd_utf16", "AB\x00C", utf16Options(), "half a code unit"},
        Refusal{"strict_letter", "0a 1B\n2c 3G", strict(),
                "'G' at character offset 10 (line 2, column 5)"},
        Refusal{"strict_crlf_is_one_line_end", "0a\r\n1b\r\n  x", strict(),
                "'x' at character offset 10 (line 3, column 3)"},
        Refusal{"strict_lone_cr_ends_a_line", "0a\r\r1b,", strict(),
                "',' at character offset 6 (line 3, column 3)"},
        Refusal{"strict_tab_and_vt_are_blanks", "\t0a\v1b-", strict(),
                "'-' at character offset 6 (line 1, column 7)"},
        Refusal{"strict_non_ascii_by_code_point", "0a\xc3\xa9", strict(),
                "U+00E9 at character offset 2 (line 1, column 3)"},
        Refusal{"strict_supplementary_by_code_point", "0a\xf0\x9f\x98\x80", strict(),
                "U+1F600 at character offset 2"},
        Refusal{"strict_invisible_by_code_point", "0a\xc2\xa0", strict(), "U+00A0"},
        Refusal{"strict_nul", std::string("0a\0", 3), strict(), "U+0000"},
        Refusal{"strict_mark_not_counted",
                "\xEF\xBB\xBF"
                "0x",
                strict(), "'x' at character offset 1 (line 1, column 2)"},
        Refusal{"strict_before_bad_utf8", "0az\xff", strict(), "'z' at character offset 2"},
        Refusal{"strict_odd_digits", "0a 1b\r\n2 ", strict(),
                "an odd number of hex digits: the last one, at character offset 7 (line 2, "
                "column 1), has no partner"},
        Refusal{"strict_utf16", asBytes(u"0a\n0x"), strict(utf16Options()),
                "'x' at character offset 4 (line 2, column 2)"}),
    [](const auto &info) { return std::string(info.param.name); });

// Without --strict every character is data, as in the window.
TEST(HexloomFormat, StrictAcceptsWhatItShould) {
    const std::string dump = "\xEF\xBB\xBF 0a1B\t2c\v3D\r\n4e 5F\n\r\n";
    const ToolResult loose = runThroughPipes(dump, {});
    const ToolResult checked = runThroughPipes(dump, strict());
    EXPECT_EQ(checked.status, 0) << checked.errors;
    EXPECT_EQ(checked.output, loose.output);
    EXPECT_EQ(runThroughPipes("0G", {}).status, 0);
    EXPECT_EQ(runThroughPipes("0", {}).status, 0);
}

} // namespace
