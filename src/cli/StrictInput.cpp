#include "StrictInput.h"

#include <cstdio>

namespace cli {

namespace {

bool isHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// The character as a reader can find it: itself when it is printable ASCII, its
// code point otherwise (a blank-looking or invisible one would say nothing).
std::string describe(std::u16string_view units, std::size_t at) {
    const char16_t c = units[at];
    if (c > u' ' && c < 0x7F)
        return std::string("'") + static_cast<char>(c) + "'";
    char32_t codePoint = c;
    if (c >= 0xD800 && c < 0xDC00 && at + 1 < units.size() && units[at + 1] >= 0xDC00 &&
        units[at + 1] < 0xE000)
        codePoint = 0x10000 + ((c - 0xD800) << 10) + (units[at + 1] - 0xDC00);
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(codePoint));
    return text;
}

} // namespace

std::string StrictInput::where(const Position &position) {
    return "at character offset " + std::to_string(position.offset) + " (line " +
           std::to_string(position.line) + ", column " + std::to_string(position.column) + ")";
}

std::optional<std::string> StrictInput::check(std::u16string_view units) {
    for (std::size_t i = 0; i < units.size(); ++i, ++here_.offset) {
        const char16_t c = units[i];
        const bool endsLine = c == u'\r' || (c == u'\n' && !afterCarriageReturn_);
        afterCarriageReturn_ = c == u'\r';
        if (endsLine) {
            ++here_.line;
            here_.column = 1;
            continue;
        }
        if (c == u'\n')
            continue;
        if (isHexDigit(c)) {
            lastDigit_ = here_;
            ++digits_;
        } else if (c != u' ' && c != u'\t' && c != u'\v') {
            return "not a hex digit or blank: " + describe(units, i) + " " + where(here_);
        }
        ++here_.column;
    }
    return std::nullopt;
}

std::optional<std::string> StrictInput::finish() const {
    if (digits_ % 2 == 0)
        return std::nullopt;
    return "an odd number of hex digits: the last one, " + where(lastDigit_) + ", has no partner";
}

} // namespace cli
