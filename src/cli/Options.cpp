#include "Options.h"

#include <charconv>

namespace cli {

const char *const kUsage =
    "usage: hexloom-format [--lower] [--bytes-per-line N] [--utf16] < dump.txt > array.c\n"
    "\n"
    "Turns a dump of hexadecimal digit pairs on standard input into the source of a\n"
    "C byte array on standard output, lines ending in CR LF.\n"
    "\n"
    "  --lower              write the digits in lower case (default: upper case)\n"
    "  --bytes-per-line N   start a new line after every N bytes (default 10);\n"
    "                       0 or a negative N puts every byte on one line\n"
    "  --utf16              standard input and output are UTF-16LE instead of UTF-8\n"
    "  --help               show this text\n";

namespace {

bool parseInt32(const std::string &text, std::int32_t &value) {
    const char *const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc{} && stop == end;
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string> &arguments) {
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (argument == "--help" || argument == "-h")
            return HelpRequested{};
        if (argument == "--lower") {
            options.upperCase = false;
        } else if (argument == "--utf16") {
            options.utf16 = true;
        } else if (argument == "--bytes-per-line" || argument.starts_with("--bytes-per-line=")) {
            std::string value;
            if (argument.size() > 16)
                value = argument.substr(17);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            else
                return UsageError{"--bytes-per-line needs a number"};
            if (!parseInt32(value, options.bytesPerLine))
                return UsageError{"--bytes-per-line takes a whole number from -2147483648 to "
                                  "2147483647, not '" +
                                  value + "'"};
        } else {
            return UsageError{"unknown option '" + argument + "'"};
        }
    }
    return options;
}

} // namespace cli
