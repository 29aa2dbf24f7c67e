// --strict: the input may hold only hexadecimal digits and the five blanks, and
// the digits must pair up, so that a build never compiles a silently wrong array.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

class StrictInput {
public:
    // Checks the text's next code units. Returns a description of the first
    // offending character: what it is, its offset in characters from 0, and its
    // line and column from 1 (CR, LF and CR LF end a line).
    [[nodiscard]] std::optional<std::string> check(std::u16string_view units);
    // At the end of the text: an odd number of digits leaves the last one alone.
    [[nodiscard]] std::optional<std::string> finish() const;

private:
    struct Position {
        std::uint64_t offset = 0;
        std::uint64_t line = 1;
        std::uint64_t column = 1;
    };
    static std::string where(const Position &position);

    Position here_;
    Position lastDigit_;
    std::uint64_t digits_ = 0;
    bool afterCarriageReturn_ = false;
};

} // namespace cli
