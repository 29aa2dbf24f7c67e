// The command line of hexloom-format.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace cli {

struct Options {
    bool upperCase = true;
    std::int32_t bytesPerLine = 10;
    bool utf16 = false;
};

struct HelpRequested {};
struct UsageError {
    std::string message;
};

using ParsedCommandLine = std::variant<Options, HelpRequested, UsageError>;

[[nodiscard]] ParsedCommandLine parseCommandLine(const std::vector<std::string> &arguments);

extern const char *const kUsage;

} // namespace cli
