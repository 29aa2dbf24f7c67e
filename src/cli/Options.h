// The command line of hexloom-format.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace cli {

// "-" names standard input or output.
inline constexpr const char *kStandardStream = "-";

struct Options {
    bool upperCase = true;
    std::int32_t bytesPerLine = 10;
    bool utf16 = false;
    bool lineFeedOnly = false;
    bool strict = false;
    std::string input = kStandardStream;
    std::string output = kStandardStream;
};

struct HelpRequested {};
struct UsageError {
    std::string message;
};

using ParsedCommandLine = std::variant<Options, HelpRequested, UsageError>;

[[nodiscard]] ParsedCommandLine parseCommandLine(const std::vector<std::string> &arguments);

extern const char *const kUsage;

} // namespace cli
