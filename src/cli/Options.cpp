#include "Options.h"

#include <charconv>

namespace cli {

const char *const kUsage =
    "usage: hexloom-format [OPTIONS] [INPUT [OUTPUT]]\n"
    "\n"
    "Turns a dump of hexadecimal digit pairs into the source of a C byte array.\n"
    "INPUT and OUTPUT default to standard input and output; '-' names them too.\n"
    "A named OUTPUT is replaced only once the array is complete: on an error or\n"
    "an interruption it stays as it was. One leading byte-order mark is skipped.\n"
    "\n"
    "  --lower              write the digits in lower case (default: upper case)\n"
    "  --bytes-per-line N   start a new line after every N bytes (default 10);\n"
    "                       0 or a negative N puts every byte on one line\n"
    "  --lf                 end lines in LF (default: CR LF, as the window does)\n"
    "  --strict             refuse input holding anything but hex digits and blanks\n"
    "                       (space, tab, vertical tab, CR, LF) or an odd number of\n"
    "                       digits; without it every other character is data\n"
    "  --utf16              input and output are UTF-16 instead of UTF-8: input\n"
    "                       starting with FE FF is big-endian, else little-endian;\n"
    "                       output is UTF-16LE\n"
    "  --help               show this text\n"
    "\n"
    "Exit status: 0 done, 2 refused command line, input or output.\n";

namespace {

bool parseInt32(const std::string &text, std::int32_t &value) {
    const char *const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc{} && stop == end;
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string> &arguments) {
    Options options;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (optionsEnded || argument == kStandardStream || !argument.starts_with('-')) {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            return HelpRequested{};
        } else if (argument == "--lower") {
            options.upperCase = false;
        } else if (argument == "--utf16") {
            options.utf16 = true;
        } else if (argument == "--lf") {
            options.lineFeedOnly = true;
        } else if (argument == "--strict") {
            options.strict = true;
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
    if (files.size() > 2)
        return UsageError{"too many files: '" + files[2] + "' after INPUT and OUTPUT"};
    if (!files.empty())
        options.input = files[0];
    if (files.size() == 2)
        options.output = files[1];
    return options;
}

} // namespace cli
